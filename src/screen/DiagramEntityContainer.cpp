#include "DiagramEntityContainer.h"
#include "base/MessageSink.h"

#include <QSet>
#include <QHash>
#include <algorithm>
#include <atomic>
#include <climits>

namespace {

std::atomic<int> processGroupCounter{0};

int processGroupNumber()
{
    int n = processGroupCounter.load();
    while (n < INT_MAX && !processGroupCounter.compare_exchange_weak(n, n + 1)) {}
    return n < INT_MAX ? n + 1 : INT_MAX;
}

void processGroupSeen(int group)
{
    int n = processGroupCounter.load();
    while (group > n && !processGroupCounter.compare_exchange_weak(n, group)) {}
}

} // namespace

CDiagramEntityContainer::CDiagramEntityContainer() = default;

CDiagramEntityContainer::~CDiagramEntityContainer() = default;

QString CDiagramEntityContainer::GetHeaderLine() const
{
    return QStringLiteral("paper:%1,%2;").arg(paperSize_.width()).arg(paperSize_.height());
}

CDiagramEntity* CDiagramEntityContainer::GetAt(int index)
{
    return index >= 0 && index < GetSize() ? objects_[size_t(index)].get() : nullptr;
}

const CDiagramEntity* CDiagramEntityContainer::GetAt(int index) const
{
    return index >= 0 && index < GetSize() ? objects_[size_t(index)].get() : nullptr;
}

int CDiagramEntityContainer::IndexOf(const CDiagramEntity* object) const
{
    for (size_t i = 0; i < objects_.size(); ++i)
        if (objects_[i].get() == object)
            return int(i);
    return -1;
}

void CDiagramEntityContainer::warn(const QString& text)
{
    if (sink_)
        sink_->ShowWarning(text, QStringLiteral("Warning"));
}

int CDiagramEntityContainer::freshGroup()
{
    return nextGroup_ ? nextGroup_() : processGroupNumber();
}

void CDiagramEntityContainer::groupSeen(int group)
{
    if (group <= 0)
        return;
    if (groupSeen_)
        groupSeen_(group);
    else
        processGroupSeen(group);
}

bool CDiagramEntityContainer::Add(std::unique_ptr<CDiagramEntity> object)
{
    if (!object)
        return false;
    if (GetSize() >= kObjectLimit) {
        warn(ObjectLimitMessage());
        return false;
    }
    AddLoaded(std::move(object));
    return true;
}

void CDiagramEntityContainer::AddLoaded(std::unique_ptr<CDiagramEntity> object)
{
    if (!object)
        return;
    object->SetContainer(this);
    // Groups of earlier runs come in with the screen file: fresh numbers
    // must never equal one of them.
    groupSeen(object->GetGroup());
    objects_.push_back(std::move(object));
}

void CDiagramEntityContainer::RemoveAt(int index)
{
    if (index < 0 || index >= GetSize())
        return;
    objects_.erase(objects_.begin() + index);
}

void CDiagramEntityContainer::RemoveAll()
{
    if (objects_.empty())
        return;
    objects_.clear();
}

void CDiagramEntityContainer::RemoveAllSelected()
{
    std::erase_if(objects_, [](const auto& o) { return o->IsSelected(); });
}

void CDiagramEntityContainer::Remove(CDiagramEntity* object)
{
    RemoveAt(IndexOf(object));
}

void CDiagramEntityContainer::ForEachObjectInHistory(
    const std::function<void(CDiagramEntity&)>& visit)
{
    for (auto* history : {&undo_, &redo_})
        for (const auto& item : *history)
            for (const auto& object : item->objects)
                visit(*object);
}

void CDiagramEntityContainer::SelectAll()
{
    for (size_t i = 0; i < objects_.size(); ++i)
        objects_[i]->Select(true);
}

void CDiagramEntityContainer::UnselectAll()
{
    for (size_t i = 0; i < objects_.size(); ++i)
        objects_[i]->Select(false);
}

int CDiagramEntityContainer::GetSelectCount() const
{
    return int(std::count_if(objects_.begin(), objects_.end(),
                             [](const auto& o) { return o->IsSelected(); }));
}

std::unique_ptr<CUndoItem> CDiagramEntityContainer::capture() const
{
    auto item = std::make_unique<CUndoItem>();
    item->paperSize = paperSize_;
    item->objects.reserve(objects_.size());
    // A clone leaves its group behind; a snapshot is the state as it is.
    for (const auto& o : objects_) {
        auto copy = o->Clone();
        copy->SetGroup(o->GetGroup());
        item->objects.push_back(std::move(copy));
    }
    return item;
}

void CDiagramEntityContainer::restore(const CUndoItem& item)
{
    objects_.clear();
    // A restored state is not an insertion: it comes back whole.
    for (const auto& o : item.objects) {
        auto copy = o->Clone();
        copy->SetGroup(o->GetGroup());
        AddLoaded(std::move(copy));
    }
    paperSize_ = item.paperSize;
}

void CDiagramEntityContainer::keepDepth(std::vector<std::unique_ptr<CUndoItem>>& history)
{
    while (int(history.size()) > kUndoDepth)
        history.erase(history.begin());
}

void CDiagramEntityContainer::Snapshot()
{
    Snapshot(capture());
}

void CDiagramEntityContainer::Snapshot(std::unique_ptr<CUndoItem> state)
{
    if (!state)
        return;
    undo_.push_back(std::move(state));
    keepDepth(undo_);
    redo_.clear();
}

void CDiagramEntityContainer::Undo()
{
    if (undo_.empty())
        return;
    std::unique_ptr<CUndoItem> item = std::move(undo_.back());
    undo_.pop_back();
    redo_.push_back(capture());
    keepDepth(redo_);
    restore(*item);
}

void CDiagramEntityContainer::Redo()
{
    if (redo_.empty())
        return;
    std::unique_ptr<CUndoItem> item = std::move(redo_.back());
    redo_.pop_back();
    undo_.push_back(capture());
    keepDepth(undo_);
    restore(*item);
}

void CDiagramEntityContainer::Group()
{
    // A group is two objects or more; otherwise nothing changes.
    if (GetSelectCount() < 2)
        return;
    const int group = freshGroup();
    for (const auto& o : objects_)
        if (o->IsSelected())
            o->SetGroup(group);
}

void CDiagramEntityContainer::Ungroup()
{
    if (GetSelectCount() < 2)
        return;
    for (const auto& o : objects_)
        if (o->IsSelected())
            o->SetGroup(0);
}

void CDiagramEntityContainer::Duplicate(CDiagramEntity* object)
{
    if (IndexOf(object) < 0)
        return;
    auto copy = object->Clone();
    copy->SetRect(copy->GetLeft() + 8, copy->GetTop() + 8, copy->GetRight() + 8,
                  copy->GetBottom() + 8);
    if (Add(std::move(copy)))
        keepOnPaper(GetSize() - 1);
}

void CDiagramEntityContainer::keepOnPaper(int first)
{
    if (paperSize_.isEmpty() || first < 0 || first >= GetSize())
        return;
    // The copies move together, so that their layout stays as it was; a set
    // larger than the paper keeps its left or top edge at 0.
    PaperRect box = objects_[size_t(first)]->GetRect().Normalized();
    for (int i = first + 1; i < GetSize(); ++i) {
        const PaperRect r = objects_[size_t(i)]->GetRect().Normalized();
        box = {std::min(box.left, r.left), std::min(box.top, r.top), std::max(box.right, r.right),
               std::max(box.bottom, r.bottom)};
    }
    qint64 dx = 0, dy = 0;
    if (box.right > paperSize_.width())
        dx = qint64(paperSize_.width()) - box.right;
    if (box.left + dx < 0)
        dx = -qint64(box.left);
    if (box.bottom > paperSize_.height())
        dy = qint64(paperSize_.height()) - box.bottom;
    if (box.top + dy < 0)
        dy = -qint64(box.top);
    if (dx == 0 && dy == 0)
        return;
    for (int i = first; i < GetSize(); ++i)
        objects_[size_t(i)]->MoveBy(double(dx), double(dy));
}

void CDiagramEntityContainer::Cut(CDiagramEntity* object)
{
    Copy(object);
    Remove(object);
}

void CDiagramEntityContainer::Copy(CDiagramEntity* object)
{
    if (!object)
        return;
    CDiagramClipboardHandler& clip = Clipboard();
    clip.Clear();
    auto copy = object->Clone();
    copy->SetContainer(nullptr); // a clipboard entry belongs to no screen
    copy->Select(true);
    copy->MoveBy(8, 8);
    clip.Append(std::move(copy));
}

void CDiagramEntityContainer::CopyAllSelected()
{
    CDiagramClipboardHandler& clip = Clipboard();
    clip.Clear();
    for (const auto& o : objects_) {
        if (!o->IsSelected())
            continue;
        auto copy = o->Clone();
        copy->SetGroup(o->GetGroup());
        copy->SetContainer(nullptr); // a clipboard entry belongs to no screen
        copy->Select(true);
        copy->MoveBy(8, 8);
        clip.Append(std::move(copy));
    }
}

bool CDiagramEntityContainer::Paste()
{
    CDiagramClipboardHandler& clip = Clipboard();
    QHash<int, int> fresh;
    for (const auto& o : clip.Objects())
        if (o->GetGroup() != 0 && !fresh.contains(o->GetGroup()))
            fresh.insert(o->GetGroup(), freshGroup());
    const int first = GetSize();
    bool all = true;
    for (const auto& o : clip.Objects()) {
        auto copy = o->Clone();
        copy->SetGroup(fresh.value(o->GetGroup(), 0));
        if (!Add(std::move(copy))) {
            all = false;
            break;
        }
    }
    keepOnPaper(first);
    return all;
}

void CDiagramEntityContainer::Up(CDiagramEntity* object)
{
    const int i = IndexOf(object);
    if (i < 0 || i + 1 >= GetSize())
        return;
    std::swap(objects_[size_t(i)], objects_[size_t(i) + 1]);
}

void CDiagramEntityContainer::Down(CDiagramEntity* object)
{
    const int i = IndexOf(object);
    if (i <= 0)
        return;
    std::swap(objects_[size_t(i)], objects_[size_t(i) - 1]);
}

void CDiagramEntityContainer::Front(CDiagramEntity* object)
{
    const int i = IndexOf(object);
    if (i < 0)
        return;
    auto held = std::move(objects_[size_t(i)]);
    objects_.erase(objects_.begin() + i);
    objects_.push_back(std::move(held));
}

void CDiagramEntityContainer::Bottom(CDiagramEntity* object)
{
    const int i = IndexOf(object);
    if (i < 0)
        return;
    auto held = std::move(objects_[size_t(i)]);
    objects_.erase(objects_.begin() + i);
    objects_.insert(objects_.begin(), std::move(held));
}

void CDiagramEntityContainer::SendCommand(int command, CDiagramEntity* sender, bool selectedOnly,
                                          QObject* editor)
{
    // The list can change under the commands (cut, duplicate, z-order): walk
    // a copy and skip objects that are gone.
    std::vector<CDiagramEntity*> targets;
    targets.reserve(objects_.size());
    for (const auto& o : objects_)
        targets.push_back(o.get());
    for (CDiagramEntity* o : targets) {
        if (IndexOf(o) < 0)
            continue;
        if (!selectedOnly || o->IsSelected())
            o->DoCommand(command, sender, editor);
    }
}
