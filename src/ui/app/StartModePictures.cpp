#include "StartModePictures.h"

#include <QPainter>
#include <QPainterPath>

namespace StartModePictures {

namespace {

const QColor kInk(0x26, 0x32, 0x38);
const QColor kPaper(0xfa, 0xfa, 0xfa);
const QColor kDisplay(0xc5, 0xe1, 0xa5);
const QColor kAccent(0x2e, 0x7d, 0x32);
const QColor kFolder(0xf9, 0xa8, 0x25);

void sheet(QPainter& p, QRectF r)
{
    const qreal fold = r.width() * 0.3;
    QPainterPath path;
    path.moveTo(r.topLeft());
    path.lineTo(r.right() - fold, r.top());
    path.lineTo(r.right(), r.top() + fold);
    path.lineTo(r.bottomRight());
    path.lineTo(r.bottomLeft());
    path.closeSubpath();
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(kPaper);
    p.drawPath(path);
    p.drawLine(QPointF(r.right() - fold, r.top()), QPointF(r.right() - fold, r.top() + fold));
    p.drawLine(QPointF(r.right() - fold, r.top() + fold), QPointF(r.right(), r.top() + fold));
}

void panel(QPainter& p, QRectF r)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x37, 0x47, 0x4f));
    p.drawRoundedRect(r, r.width() * 0.08, r.width() * 0.08);
    const QRectF display(r.left() + r.width() * 0.1, r.top() + r.height() * 0.12, r.width() * 0.8,
                         r.height() * 0.45);
    p.setBrush(kDisplay);
    p.drawRect(display);
    p.setBrush(kInk);
    p.drawRect(QRectF(display.left() + display.width() * 0.1,
                      display.top() + display.height() * 0.25, display.width() * 0.55,
                      display.height() * 0.14));
    p.drawRect(QRectF(display.left() + display.width() * 0.1,
                      display.top() + display.height() * 0.55, display.width() * 0.35,
                      display.height() * 0.14));
    p.setBrush(QColor(0xec, 0xef, 0xf1));
    const qreal key = r.width() * 0.8 / 5;
    for (int i = 0; i < 5; ++i)
        p.drawRect(QRectF(display.left() + i * key + key * 0.15, r.top() + r.height() * 0.68,
                          key * 0.7, r.height() * 0.18));
}

} // namespace

QPixmap Picture(int mode, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    if (mode == 0) {
        sheet(p, QRectF(s * 0.18, s * 0.08, s * 0.56, s * 0.76));
        // The plus of a new thing.
        p.setPen(Qt::NoPen);
        p.setBrush(kAccent);
        p.drawEllipse(QRectF(s * 0.52, s * 0.56, s * 0.4, s * 0.4));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(s * 0.69, s * 0.63, s * 0.06, s * 0.26));
        p.drawRect(QRectF(s * 0.59, s * 0.73, s * 0.26, s * 0.06));
    } else if (mode == 1) {
        // A folder with a sheet standing in it.
        p.setPen(QPen(kInk, 1.5));
        p.setBrush(kFolder.darker(115));
        QPainterPath back;
        back.moveTo(s * 0.08, s * 0.22);
        back.lineTo(s * 0.36, s * 0.22);
        back.lineTo(s * 0.42, s * 0.3);
        back.lineTo(s * 0.92, s * 0.3);
        back.lineTo(s * 0.92, s * 0.86);
        back.lineTo(s * 0.08, s * 0.86);
        back.closeSubpath();
        p.drawPath(back);
        sheet(p, QRectF(s * 0.26, s * 0.14, s * 0.46, s * 0.5));
        p.setBrush(kFolder);
        QPainterPath front;
        front.moveTo(s * 0.08, s * 0.86);
        front.lineTo(s * 0.16, s * 0.44);
        front.lineTo(s * 0.98, s * 0.44);
        front.lineTo(s * 0.92, s * 0.86);
        front.closeSubpath();
        p.drawPath(front);
    } else {
        panel(p, QRectF(s * 0.04, s * 0.12, s * 0.72, s * 0.5));
        // The cable to the computer.
        p.setPen(QPen(kInk, s * 0.05, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        QPainterPath cable;
        cable.moveTo(s * 0.4, s * 0.62);
        cable.cubicTo(s * 0.4, s * 0.9, s * 0.8, s * 0.9, s * 0.86, s * 0.6);
        p.drawPath(cable);
        p.setPen(Qt::NoPen);
        p.setBrush(kAccent);
        p.drawRect(QRectF(s * 0.8, s * 0.44, s * 0.14, s * 0.18));
    }
    return pixmap;
}

} // namespace StartModePictures
