#pragma once
#include <QColor>
#include <QPen>
#include <QRectF>
#include <QString>

class QPainter;

// The colours and strokes of the product's drawn icons. Every icon is drawn
// on a 24 x 24 grid and scaled to the size asked for.
namespace IconInk {

inline const QColor kInk(40, 48, 64);
inline const QColor kPaper(252, 252, 248);
inline const QColor kAccent(38, 110, 190);
inline const QColor kWarm(222, 150, 40);
inline const QColor kGreen(60, 150, 80);

// A round-capped stroke.
QPen Pen(const QColor& c, double w = 1.5);
// Text centred in `r`, `px` pixels high.
void Letter(QPainter& p, const QRectF& r, const QString& text, const QColor& c, int px,
            bool bold = true);

} // namespace IconInk
