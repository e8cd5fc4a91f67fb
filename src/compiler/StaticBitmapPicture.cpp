#include "StaticBitmapPicture.h"

#include <QPainter>

namespace StaticBitmapPicture {

QRect Placement(QSize picture, const QRect& r, int scaling)
{
    const int W = picture.width();
    const int H = picture.height();
    // The object's edges as they are stored: right and bottom exclusive.
    const int left = r.left();
    const int top = r.top();
    const int right = r.left() + r.width();
    const int bottom = r.top() + r.height();
    const int w = r.width();
    const int h = r.height();
    if (W <= 0 || H <= 0 || w <= 0 || h <= 0)
        return QRect();
    switch (scaling & 3) {
    case 2:
        return QRect(0, 0, w, h);
    case 3: {
        int pw, ph;
        if (W < H) {
            ph = h;
            pw = int(qint64(W) * h / H);
            if (pw > w) {
                pw = w;
                ph = int(qint64(H) * w / W);
            }
        } else {
            pw = w;
            ph = int(qint64(H) * w / W);
            if (ph > h) {
                ph = h;
                pw = int(qint64(W) * h / H);
            }
        }
        const int x = (right + left) / 2 - pw / 2 - left;
        const int y = (bottom + top) / 2 - ph / 2 - top;
        return QRect(x, y, pw, ph);
    }
    default: {
        const int x = W < w ? (w - W) / 2 : 0;
        const int y = H < h ? (h - H) / 2 : 0;
        return QRect(x, y, W, H);
    }
    }
}

QImage Render(const QImage& picture, const QRect& objectRect, int scaling, bool blackInversion)
{
    QImage box(std::max(objectRect.width(), 0), std::max(objectRect.height(), 0),
               QImage::Format_RGB32);
    if (box.isNull())
        return box;
    box.fill(blackInversion ? Qt::black : Qt::white);
    if (picture.isNull())
        return box;
    const QRect place = Placement(picture.size(), objectRect, scaling);
    if (place.isEmpty())
        return box;
    QPainter p(&box);
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(place, picture);
    return box;
}

} // namespace StaticBitmapPicture
