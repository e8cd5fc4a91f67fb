#include "IconInk.h"

#include <QFont>
#include <QPainter>

namespace IconInk {

QPen Pen(const QColor& c, double w)
{
    return QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void Letter(QPainter& p, const QRectF& r, const QString& text, const QColor& c, int px, bool bold)
{
    QFont f(QStringLiteral("Sans"));
    f.setPixelSize(px);
    f.setBold(bold);
    p.setFont(f);
    p.setPen(c);
    p.drawText(r, Qt::AlignCenter, text);
}

} // namespace IconInk
