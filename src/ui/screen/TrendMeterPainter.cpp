#include "TrendMeterPainter.h"
#include "ui/widgets/IconInk.h"
#include "screen/ObjectTrendMeter.h"

#include <QPainter>
#include <QPolygon>

#include <algorithm>

namespace {

// The sample curve's heights at the eleven points of ten divisions, in
// tenths of the height above the horizontal axis.
constexpr int kCurve[11] = {2, 6, 4, 8, 5, 9, 3, 7, 5, 6, 4};

} // namespace

void CTrendMeterPainter::Draw(QPainter& p, const CDiagramEntity&, const QRect& target,
                              const ObjectPaintContext& ctx) const
{
    p.fillRect(target, Qt::white);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(Qt::black, 0));
    p.setBrush(Qt::black);
    const int off = std::max(1, int(3 * ctx.zoom + 0.5));
    const int head = std::max(2, int(2 * ctx.zoom + 0.5));
    const QRect r = target.adjusted(0, 0, -1, -1);
    const QPoint origin(r.left() + off, r.bottom() - off);
    // The vertical axis with its arrow head at the top.
    p.drawLine(origin, QPoint(origin.x(), r.top()));
    p.drawPolygon(QPolygon({QPoint(origin.x(), r.top()), QPoint(origin.x() - head, r.top() + head),
                            QPoint(origin.x() + head, r.top() + head)}));
    // The horizontal axis with its arrow head at the right.
    p.drawLine(origin, QPoint(r.right(), origin.y()));
    p.drawPolygon(
        QPolygon({QPoint(r.right(), origin.y()), QPoint(r.right() - head, origin.y() - head),
                  QPoint(r.right() - head, origin.y() + head)}));
    // The curve across ten equal divisions between the axes and the heads.
    const int x0 = origin.x() + 1;
    const int x1 = r.right() - head - 1;
    const int y0 = origin.y() - 1;
    const int h = y0 - (r.top() + head + 1);
    if (x1 > x0 && h > 0) {
        QPolygon curve;
        for (int i = 0; i <= 10; ++i)
            curve << QPoint(x0 + (x1 - x0) * i / 10, y0 - h * kCurve[i] / 10);
        p.drawPolyline(curve);
    }
    p.restore();
}

QSize CTrendMeterPainter::ContentSize(const CDiagramEntity&, const ObjectPaintContext&) const
{
    return QSize(64, 32);
}

void CTrendMeterPainter::DrawIcon(QPainter& p) const
{
    using namespace IconInk;
    p.setPen(Pen(kInk, 1.2));
    p.drawLine(QPointF(3, 3), QPointF(3, 21));
    p.drawLine(QPointF(3, 21), QPointF(21, 21));
    p.setPen(Pen(kAccent, 1.8));
    QPolygonF line;
    line << QPointF(4, 16) << QPointF(8, 12) << QPointF(12, 15) << QPointF(16, 7)
         << QPointF(21, 10);
    p.drawPolyline(line);
}
