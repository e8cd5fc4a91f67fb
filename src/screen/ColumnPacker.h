#pragma once
#include <QByteArray>

class QImage;

// The panel's picture format: column by column, each column in 8-row bands
// from the top; bit 7 of a band byte is its top row. A bit is 1 only for an
// exactly black pixel; rows at and below the picture's height are 0.
namespace ColumnPacker {
QByteArray Pack(const QImage& picture);
// Size of the packed picture of w x h pixels.
inline qsizetype PackedSize(int w, int h)
{
    return w <= 0 || h <= 0 ? 0 : qsizetype(w) * ((h + 7) / 8);
}
} // namespace ColumnPacker
