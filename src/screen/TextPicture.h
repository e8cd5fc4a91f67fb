#pragma once
#include "PictureFont.h"

#include <QImage>
#include <QRect>
#include <QString>

// The picture of a static or dynamic text: the text drawn in black on white
// into a box of the object's size, fitted and, when it had to be cut, spread
// across the box; inverted when the object asks for it.
namespace TextPicture {

// How much of the text is drawn and how.
struct Fit
{
    int taken = 0;          // characters drawn
    bool justified = false; // spread across the box from its top edge
};

// The fit of `text` into a box of `width` x `height` with the font's metrics.
Fit FitText(const QString& text, const QFont& font, int width, int height);
// Only `part` of the box is drawn (cut to the box; an empty part is the whole
// box): the image is of its size and holds the same pixels.
QImage Render(const QString& text, const PictureFont& want, int width, int height, bool inverted,
              const QRect& part = QRect());

} // namespace TextPicture
