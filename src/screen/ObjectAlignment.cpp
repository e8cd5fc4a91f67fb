#include "ObjectAlignment.h"
#include "DiagramEntityContainer.h"

#include <algorithm>
#include <vector>

namespace ObjectAlignment {

namespace {

void moveTo(CDiagramEntity& o, int left, int top)
{
    const PaperRect r = o.GetRect().Normalized();
    o.SetRect(left, top, left + r.Width(), top + r.Height());
}

void distribute(std::vector<CDiagramEntity*>& objects, bool horizontal)
{
    const auto start = [horizontal](const CDiagramEntity* o) {
        const PaperRect r = o->GetRect().Normalized();
        return horizontal ? r.left : r.top;
    };
    const auto extent = [horizontal](const CDiagramEntity* o) {
        const PaperRect r = o->GetRect().Normalized();
        return horizontal ? r.Width() : r.Height();
    };
    std::stable_sort(
        objects.begin(), objects.end(),
        [&](const CDiagramEntity* a, const CDiagramEntity* b) { return start(a) < start(b); });
    // The first and the last stay; the gaps between the objects become equal.
    const int first = start(objects.front());
    const CDiagramEntity* last = objects.back();
    const int span = start(last) + extent(last) - first;
    int total = 0;
    for (const CDiagramEntity* o : objects)
        total += extent(o);
    const int gaps = int(objects.size()) - 1;
    const int free = span - total;
    int pos = first;
    for (int i = 0; i < int(objects.size()); ++i) {
        CDiagramEntity* o = objects[size_t(i)];
        if (i > 0 && i < gaps) {
            const PaperRect r = o->GetRect().Normalized();
            if (horizontal)
                moveTo(*o, pos, r.top);
            else
                moveTo(*o, r.left, pos);
        }
        // Integer gaps: the remainder goes one pixel at a time to the first gaps.
        pos += extent(o) + free / gaps + (i < free % gaps ? 1 : 0);
    }
}

} // namespace

void KeepInside(CDiagramEntity& o, QSize paper)
{
    const PaperRect r = o.GetRect().Normalized();
    int dx = 0, dy = 0;
    if (r.right > paper.width())
        dx = paper.width() - r.right;
    if (r.left + dx < 0)
        dx = -r.left;
    if (r.bottom > paper.height())
        dy = paper.height() - r.bottom;
    if (r.top + dy < 0)
        dy = -r.top;
    if (dx || dy)
        o.MoveBy(dx, dy);
}

int MinimumSelection(Mode mode)
{
    return mode == DistributeHorizontally || mode == DistributeVertically ? 3 : 2;
}

bool Apply(CDiagramEntityContainer& container, Mode mode, QSize paper)
{
    std::vector<CDiagramEntity*> selected;
    for (const auto& o : container.Objects())
        if (o->IsSelected())
            selected.push_back(o.get());
    if (int(selected.size()) < MinimumSelection(mode))
        return false;

    PaperRect box = selected.front()->GetRect().Normalized();
    for (const CDiagramEntity* o : selected) {
        const PaperRect r = o->GetRect().Normalized();
        box = {std::min(box.left, r.left), std::min(box.top, r.top), std::max(box.right, r.right),
               std::max(box.bottom, r.bottom)};
    }
    const PaperRect reference = selected.back()->GetRect().Normalized();

    if (mode == DistributeHorizontally || mode == DistributeVertically) {
        distribute(selected, mode == DistributeHorizontally);
    } else {
        for (CDiagramEntity* o : selected) {
            const PaperRect r = o->GetRect().Normalized();
            switch (mode) {
            case AlignLeft: moveTo(*o, box.left, r.top); break;
            case AlignRight: moveTo(*o, box.right - r.Width(), r.top); break;
            case AlignTop: moveTo(*o, r.left, box.top); break;
            case AlignBottom: moveTo(*o, r.left, box.bottom - r.Height()); break;
            case CentreHorizontally:
                moveTo(*o, box.left + (box.Width() - r.Width()) / 2, r.top);
                break;
            case CentreVertically:
                moveTo(*o, r.left, box.top + (box.Height() - r.Height()) / 2);
                break;
            case SameWidth:
                // An object that cannot be resized keeps its size.
                if (o->IsResizable())
                    o->SetRect(r.left, r.top, r.left + reference.Width(), r.bottom);
                break;
            case SameHeight:
                if (o->IsResizable())
                    o->SetRect(r.left, r.top, r.right, r.top + reference.Height());
                break;
            default: break;
            }
        }
    }
    for (CDiagramEntity* o : selected)
        KeepInside(*o, paper);
    return true;
}

} // namespace ObjectAlignment
