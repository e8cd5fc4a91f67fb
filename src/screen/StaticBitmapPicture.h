#pragma once
#include <QImage>
#include <QRect>

// The picture of a static bitmap: the box in its background colour (white,
// black with black inversion) and the picture file's image placed by the
// scaling value (bit 0 lock aspect ratio, bit 1 stretch to fit).
namespace StaticBitmapPicture {

// The place and size of the picture inside the box, in box coordinates;
// an empty rectangle when nothing is drawn. The box is the object's integer
// rectangle: `origin` its top-left corner (the edges decide the centring of a
// locked aspect, taken in 64 bits: an edge may lie at the end of the int
// range) and `box` its size.
QRect Placement(QSize picture, QPoint origin, QSize box, int scaling);
inline QRect Placement(QSize picture, const QRect& objectRect, int scaling)
{
    return Placement(picture, objectRect.topLeft(), objectRect.size(), scaling);
}
// `picture` may be null (a file that cannot be read): the box keeps its
// background. Only `part` of the box is drawn (box coordinates, cut to the
// box; an empty part is the whole box): the image is of its size.
QImage Render(const QImage& picture, QPoint origin, QSize box, int scaling, bool blackInversion,
              const QRect& part = QRect());
inline QImage Render(const QImage& picture, const QRect& objectRect, int scaling,
                     bool blackInversion)
{
    return Render(picture, objectRect.topLeft(), objectRect.size(), scaling, blackInversion);
}

} // namespace StaticBitmapPicture
