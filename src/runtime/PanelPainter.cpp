#include "PanelPainter.h"
#include "PanelFont.h"
#include "PanelFrame.h"

#include <algorithm>
#include <cstdlib>

namespace {

// The part of a box that lies on the display, as [x0, x1) x [y0, y1).
struct Span
{
    int x0, y0, x1, y1;
    bool Empty() const { return x0 >= x1 || y0 >= y1; }
};

Span clip(int x, int y, int w, int h)
{
    const qint64 right = qint64(x) + std::max(w, 0), bottom = qint64(y) + std::max(h, 0);
    return {std::max(x, 0), std::max(y, 0), int(std::min<qint64>(right, CPanelFrame::Width)),
            int(std::min<qint64>(bottom, CPanelFrame::Height))};
}

} // namespace

void CPanelPainter::FillRect(int x, int y, int w, int h, bool dark)
{
    const Span s = clip(x, y, w, h);
    for (int py = s.y0; py < s.y1; ++py)
        for (int px = s.x0; px < s.x1; ++px)
            frame_.SetPixel(px, py, dark);
}

void CPanelPainter::InvertRect(int x, int y, int w, int h)
{
    const Span s = clip(x, y, w, h);
    for (int py = s.y0; py < s.y1; ++py)
        for (int px = s.x0; px < s.x1; ++px)
            frame_.InvertPixel(px, py);
}

void CPanelPainter::FrameRect(int x, int y, int w, int h, int thickness)
{
    if (w <= 0 || h <= 0)
        return;
    const int t = std::clamp(thickness, 1, std::min(w, h));
    FillRect(x, y, w, t, true);
    FillRect(x, y + h - t, w, t, true);
    FillRect(x, y, t, h, true);
    FillRect(x + w - t, y, t, h, true);
}

void CPanelPainter::Line(int x0, int y0, int x1, int y1)
{
    // Bresenham, both ends included.
    const int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
    const int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        frame_.SetPixel(x0, y0, true);
        if (x0 == x1 && y0 == y1)
            break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

void CPanelPainter::Circle(int x, int y, int size, bool filled, int ring)
{
    if (size <= 0)
        return;
    // Pixel centres against the circle through the box's edges, in units of
    // half a pixel so that everything stays integral.
    const int r = size;                             // radius in half pixels
    const int inner = std::max(0, size - 2 * ring); // inner radius in half pixels
    for (int py = 0; py < size; ++py)
        for (int px = 0; px < size; ++px) {
            const int cx = 2 * px + 1 - size, cy = 2 * py + 1 - size;
            const int d2 = cx * cx + cy * cy;
            if (d2 > r * r)
                continue;
            if (filled || d2 > inner * inner)
                frame_.SetPixel(x + px, y + py, true);
        }
}

void CPanelPainter::Picture(int x, int y, int w, int h, const std::uint8_t* packed)
{
    if (!packed || w <= 0 || h <= 0)
        return;
    const int bands = (h + 7) / 8;
    for (int px = 0; px < w; ++px) {
        const std::uint8_t* column = packed + qsizetype(px) * bands;
        for (int py = 0; py < h; ++py)
            frame_.SetPixel(x + px, y + py, column[py >> 3] & (0x80 >> (py & 7)));
    }
}

int CPanelPainter::Text(int x, int y, const QString& text, int scale)
{
    const CPanelFont& font = CPanelFont::Builtin();
    scale = std::clamp(scale, 1, 2);
    int at = x;
    for (QChar c : text) {
        const std::uint8_t* glyph = font.Glyph(c.unicode());
        for (int row = 0; row < CPanelFont::Height * scale; ++row) {
            const std::uint8_t bits = glyph[row / scale];
            for (int col = 0; col < CPanelFont::Width * scale; ++col)
                frame_.SetPixel(at + col, y + row, bits & (0x80 >> (col / scale)));
        }
        at += CPanelFont::Width * scale;
    }
    return at - x;
}
