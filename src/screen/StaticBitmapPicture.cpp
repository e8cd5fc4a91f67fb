#include "StaticBitmapPicture.h"

#include <algorithm>

namespace StaticBitmapPicture {

QRect Placement(QSize picture, QPoint origin, QSize box, int scaling)
{
    const int W = picture.width();
    const int H = picture.height();
    // The object's edges as they are stored: right and bottom exclusive.
    const qint64 left = origin.x();
    const qint64 top = origin.y();
    const int w = box.width();
    const int h = box.height();
    const qint64 right = left + w;
    const qint64 bottom = top + h;
    if (W <= 0 || H <= 0 || w <= 0 || h <= 0)
        return QRect();
    switch (scaling & 3) {
    case 2: return QRect(0, 0, w, h);
    case 3: {
        // In 64 bits: a tall picture in a wide box asks for more than an int.
        qint64 pw, ph;
        if (W < H) {
            ph = h;
            pw = qint64(W) * h / H;
            if (pw > w) {
                pw = w;
                ph = qint64(H) * w / W;
            }
        } else {
            pw = w;
            ph = qint64(H) * w / W;
            if (ph > h) {
                ph = h;
                pw = qint64(W) * h / H;
            }
        }
        const int x = int((right + left) / 2 - pw / 2 - left);
        const int y = int((bottom + top) / 2 - ph / 2 - top);
        return QRect(x, y, int(pw), int(ph));
    }
    default: {
        const int x = W < w ? (w - W) / 2 : 0;
        const int y = H < h ? (h - H) / 2 : 0;
        return QRect(x, y, W, H);
    }
    }
}

namespace {

// Draws `picture` (RGB32) stretched onto `place` of `box`, clipped to the box
// (`place` in the coordinates of the image, which may hold a part of the box).
// Where the picture is shrunk, the source pixels that fall onto one box pixel
// are combined by AND of their colour values, so black lines and dots of
// monochrome pictures survive; where it is enlarged, pixels are repeated.
void stretchAnd(QImage& box, const QImage& picture, const QRect& place)
{
    const qint64 W = picture.width(), H = picture.height();
    const qint64 pw = place.width(), ph = place.height();
    const QRect target = place.intersected(box.rect());
    for (int y = target.top(); y <= target.bottom(); ++y) {
        const qint64 dy = y - place.top();
        const int sy0 = int(dy * H / ph);
        const int sy1 = std::max(sy0 + 1, int((dy + 1) * H / ph));
        QRgb* out = reinterpret_cast<QRgb*>(box.scanLine(y));
        for (int x = target.left(); x <= target.right(); ++x) {
            const qint64 dx = x - place.left();
            const int sx0 = int(dx * W / pw);
            const int sx1 = std::max(sx0 + 1, int((dx + 1) * W / pw));
            QRgb c = 0xFFFFFFFF;
            for (int sy = sy0; sy < sy1; ++sy) {
                const QRgb* in = reinterpret_cast<const QRgb*>(picture.constScanLine(sy));
                for (int sx = sx0; sx < sx1; ++sx)
                    c &= in[sx];
            }
            out[x] = c | 0xFF000000;
        }
    }
}

} // namespace

QImage Render(const QImage& picture, QPoint origin, QSize boxSize, int scaling, bool blackInversion,
              const QRect& part)
{
    const QRect whole(QPoint(0, 0), boxSize.expandedTo(QSize(0, 0)));
    const QRect drawn = part.isEmpty() ? whole : part.intersected(whole);
    QImage box(drawn.size(), QImage::Format_RGB32);
    if (box.isNull())
        return box;
    box.fill(blackInversion ? Qt::black : Qt::white);
    if (picture.isNull())
        return box;
    const QRect place = Placement(picture.size(), origin, boxSize, scaling);
    if (place.isEmpty())
        return box;
    const QImage rgb = picture.format() == QImage::Format_RGB32
                           ? picture
                           : picture.convertToFormat(QImage::Format_RGB32);
    stretchAnd(box, rgb, place.translated(-drawn.topLeft()));
    return box;
}

} // namespace StaticBitmapPicture
