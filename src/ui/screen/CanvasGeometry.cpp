#include "CanvasGeometry.h"
#include "ObjectPainter.h"
#include "screen/DiagramEntityContainer.h"
#include "screen/ObjectAlignment.h"

#include <algorithm>
#include <cmath>

namespace {

int snapTo(double v, int step)
{
    if (step <= 0)
        return int(std::floor(v));
    return step * int(std::trunc(v / step + 0.5));
}

} // namespace

QPointF CanvasGeometry::ToPaper(QPoint window) const
{
    return QPointF((window.x() + scroll.x()) / zoom, (window.y() + scroll.y()) / zoom);
}

QPoint CanvasGeometry::ToWindow(QPointF p) const
{
    return QPoint(int(std::floor(p.x() * zoom + 0.5)) - scroll.x(),
                  int(std::floor(p.y() * zoom + 0.5)) - scroll.y());
}

int CanvasGeometry::SnapX(double v) const
{
    return snap ? snapTo(v, grid.width()) : int(std::floor(v));
}

int CanvasGeometry::SnapY(double v) const
{
    return snap ? snapTo(v, grid.height()) : int(std::floor(v));
}

bool CanvasGeometry::InsidePaper(QPointF p) const
{
    return p.x() >= 0 && p.y() >= 0 && p.x() < paper.width() && p.y() < paper.height();
}

PaperRect CanvasGeometry::WindowRect(const CDiagramEntity& object) const
{
    const QRect r = ObjectPainting::WindowRect(object, zoom, scroll);
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

void CanvasGeometry::ClampShift(const CDiagramEntityContainer& objects, double* dx,
                                double* dy) const
{
    if (!keepInside)
        return;
    double left = 0, top = 0, right = 0, bottom = 0;
    bool any = false;
    for (const CDiagramEntity* o : objects.Objects()) {
        if (!o->IsSelected())
            continue;
        const double l = std::min(o->GetLeft(), o->GetRight());
        const double r = std::max(o->GetLeft(), o->GetRight());
        const double t = std::min(o->GetTop(), o->GetBottom());
        const double b = std::max(o->GetTop(), o->GetBottom());
        left = any ? std::min(left, l) : l;
        right = any ? std::max(right, r) : r;
        top = any ? std::min(top, t) : t;
        bottom = any ? std::max(bottom, b) : b;
        any = true;
    }
    if (!any)
        return;
    *dx = std::max(std::min(*dx, paper.width() - right), -left);
    *dy = std::max(std::min(*dy, paper.height() - bottom), -top);
}

void CanvasGeometry::KeepInside(CDiagramEntity& o) const
{
    if (keepInside)
        ObjectAlignment::KeepInside(o, paper);
}
