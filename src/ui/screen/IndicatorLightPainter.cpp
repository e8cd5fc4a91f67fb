#include "IndicatorLightPainter.h"
#include "ui/widgets/IconInk.h"
#include "screen/ObjectIndicatorLight.h"

#include <QPainter>

#include <algorithm>

// The four pictures: a circle or a rectangle, drawn as a ring or frame in the
// normal form and filled black in the inverted form, each stretched to the
// object's rectangle.
void CIndicatorLightPainter::Draw(QPainter& p, const CDiagramEntity& object, const QRect& target,
                                  const ObjectPaintContext& ctx) const
{
    const auto& o = static_cast<const CObjectIndicatorLight&>(object);
    p.fillRect(target, Qt::white);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    // The outline is two panel pixels wide at zoom 1 and grows with the zoom.
    const int pen = std::max(1, int(2 * ctx.zoom + 0.5));
    const QRect inner = target.adjusted(pen / 2, pen / 2, -(pen + 1) / 2, -(pen + 1) / 2);
    p.setPen(QPen(Qt::black, pen, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(o.inversion ? QBrush(Qt::black) : QBrush(Qt::NoBrush));
    if (o.shape == 0)
        p.drawEllipse(inner);
    else
        p.drawRect(inner);
    p.restore();
}

QSize CIndicatorLightPainter::ContentSize(const CDiagramEntity& object,
                                          const ObjectPaintContext&) const
{
    const auto& o = static_cast<const CObjectIndicatorLight&>(object);
    return o.doubleSize ? QSize(32, 32) : QSize(16, 16);
}

void CIndicatorLightPainter::DrawIcon(QPainter& p) const
{
    using namespace IconInk;
    p.setPen(Pen(kInk, 1.2));
    p.setBrush(QColor(250, 210, 60));
    p.drawEllipse(QPointF(12, 10), 7, 7);
    p.setBrush(QColor(150, 150, 150));
    p.drawRect(QRectF(9, 17, 6, 4.5));
}

QString CIndicatorLightPainter::ContentFields(const CDiagramEntity& object) const
{
    const auto& o = static_cast<const CObjectIndicatorLight&>(object);
    return QStringLiteral("%1,%2").arg(o.doubleSize).arg(o.shape);
}
