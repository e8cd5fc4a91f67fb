#pragma once
#include <QImage>
#include <QRect>

// The picture of a static bitmap: the box in its background colour (white,
// black with black inversion) and the picture file's image placed by the
// scaling value (bit 0 lock aspect ratio, bit 1 stretch to fit).
namespace StaticBitmapPicture {

// The place and size of the picture inside the box, in box coordinates;
// an empty rectangle when nothing is drawn. `objectRect` is the object's
// integer rectangle, whose edges decide the centring of a locked aspect.
QRect Placement(QSize picture, const QRect& objectRect, int scaling);
// `picture` may be null (a file that cannot be read): the box keeps its
// background.
QImage Render(const QImage& picture, const QRect& objectRect, int scaling, bool blackInversion);

} // namespace StaticBitmapPicture
