#pragma once
#include <QString>

#include <cstdint>

class CPanelFrame;

// Drawing on the panel's display: boxes, lines, packed pictures and glyphs.
// Everything outside the display is cut off.
class CPanelPainter
{
public:
    explicit CPanelPainter(CPanelFrame& frame) : frame_(frame) {}

    void FillRect(int x, int y, int w, int h, bool dark);
    void InvertRect(int x, int y, int w, int h);
    // An outline `thickness` pixels wide inside the box.
    void FrameRect(int x, int y, int w, int h, int thickness = 1);
    void Line(int x0, int y0, int x1, int y1);
    // A circle filling a size x size box: a ring `ring` pixels wide, or a
    // disc when filled.
    void Circle(int x, int y, int size, bool filled, int ring);

    // A column-packed picture of w x h pixels (bit 7 the top row of each
    // 8-row band, 1 dark), copied with its light pixels.
    void Picture(int x, int y, int w, int h, const std::uint8_t* packed);
    // A text in the panel's built-in 8 x 16 font, each character cell copied
    // (light background); `scale` 2 draws 16 x 32 characters. Returns the
    // width drawn.
    int Text(int x, int y, const QString& text, int scale = 1);

private:
    CPanelFrame& frame_;
};
