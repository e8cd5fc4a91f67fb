#include "StaticBitmapPicture.h"

#include <algorithm>

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
    case 2: return QRect(0, 0, w, h);
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

namespace {

// Draws `picture` (RGB32) stretched onto `place` of `box`, clipped to the box.
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
    const QImage rgb = picture.format() == QImage::Format_RGB32
                           ? picture
                           : picture.convertToFormat(QImage::Format_RGB32);
    stretchAnd(box, rgb, place);
    return box;
}

} // namespace StaticBitmapPicture
