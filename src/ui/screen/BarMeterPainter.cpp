#include "BarMeterPainter.h"
#include "ui/widgets/IconInk.h"
#include "screen/ObjectBarMeter.h"

#include <QPainter>

#include <algorithm>

namespace {

// Ticks at every eighth of the scale: long at the quarters, short between.
void drawScale(QPainter& p, bool vertical, int from, int to, int base, int tick, int towards)
{
    for (int i = 0; i <= 8; ++i) {
        const int at = from + int(qint64(to - from) * i / 8);
        const int length = i % 2 == 0 ? tick : std::max(1, tick / 2);
        const int end = base + towards * length;
        if (vertical)
            p.drawLine(base, at, end, at);
        else
            p.drawLine(at, base, at, end);
    }
    if (vertical)
        p.drawLine(base, from, base, to);
    else
        p.drawLine(from, base, to, base);
}

} // namespace

void CBarMeterPainter::Draw(QPainter& p, const CDiagramEntity& object, const QRect& target,
                            const ObjectPaintContext& ctx) const
{
    const auto& o = static_cast<const CObjectBarMeter&>(object);
    p.fillRect(target, Qt::white);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(Qt::black, 0));
    const int tick = std::max(2, int(3 * ctx.zoom + 0.5));
    const int gap = std::max(1, int(ctx.zoom + 0.5));
    const QRect r = target.adjusted(0, 0, -1, -1); // inclusive edges
    const bool vertical = o.direction == CObjectBarMeter::Up || o.direction == CObjectBarMeter::Down
                          || o.direction < 0 || o.direction > 3;
    QRect bar;
    if (vertical) {
        // The scale runs down the left side; the bar fills the rest.
        drawScale(p, true, r.top(), r.bottom(), r.left() + tick, tick, -1);
        bar = QRect(QPoint(r.left() + tick + gap + 1, r.top()), r.bottomRight());
    } else {
        // The scale runs along the bottom; the bar fills the rest.
        drawScale(p, false, r.left(), r.right(), r.bottom() - tick, tick, 1);
        bar = QRect(r.topLeft(), QPoint(r.right(), r.bottom() - tick - gap - 1));
    }
    if (bar.width() > 0 && bar.height() > 0) {
        p.setBrush(Qt::NoBrush);
        p.drawRect(bar.adjusted(0, 0, -1, -1));
        QRect full = bar;
        const int w = bar.width() * 3 / 4;
        const int h = bar.height() * 3 / 4;
        switch (o.direction) {
        case CObjectBarMeter::Down: full.setHeight(h); break;
        case CObjectBarMeter::Right: full.setWidth(w); break;
        case CObjectBarMeter::Left: full.setLeft(bar.right() + 1 - w); break;
        default: full.setTop(bar.bottom() + 1 - h); break; // Up
        }
        p.fillRect(full, Qt::black);
    }
    p.restore();
}

QSize CBarMeterPainter::ContentSize(const CDiagramEntity&, const ObjectPaintContext&) const
{
    return QSize(16, 32);
}

void CBarMeterPainter::DrawIcon(QPainter& p) const
{
    using namespace IconInk;
    p.setPen(Pen(kInk, 1.2));
    p.setBrush(kPaper);
    p.drawRect(QRectF(3, 8, 18, 8));
    p.setBrush(kAccent);
    p.drawRect(QRectF(3, 8, 11, 8));
}
