#include "ColumnPacker.h"

#include <QImage>

namespace ColumnPacker {

QByteArray Pack(const QImage& picture)
{
    const QImage img = picture.format() == QImage::Format_RGB32
                           ? picture
                           : picture.convertToFormat(QImage::Format_RGB32);
    const int w = img.width();
    const int h = img.height();
    const int bands = (h + 7) / 8;
    QByteArray out(qsizetype(w) * bands, '\0');
    char* dst = out.data();
    for (int y = 0; y < h; ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        const int band = y / 8;
        const char bit = char(0x80 >> (y % 8));
        for (int x = 0; x < w; ++x)
            if ((row[x] & 0xFFFFFF) == 0)
                dst[qsizetype(x) * bands + band] |= bit;
    }
    return out;
}

} // namespace ColumnPacker
