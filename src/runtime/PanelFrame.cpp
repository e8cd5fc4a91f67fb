#include "PanelFrame.h"

#include <QColor>

#include <algorithm>
#include <bit>

namespace {

bool inside(int x, int y)
{
    return x >= 0 && y >= 0 && x < CPanelFrame::Width && y < CPanelFrame::Height;
}

std::uint32_t mask(int x)
{
    return std::uint32_t(1) << (31 - (x & 31));
}

// A grey-green reflective LCD: dark segments on a light background, both
// darker without the backlight.
constexpr QRgb kLitBackground = qRgb(0xC4, 0xD0, 0xA4);
constexpr QRgb kLitDark = qRgb(0x1C, 0x24, 0x18);
constexpr QRgb kDimBackground = qRgb(0x4E, 0x54, 0x44);
constexpr QRgb kDimDark = qRgb(0x18, 0x1C, 0x14);

} // namespace

bool CPanelFrame::Pixel(int x, int y) const
{
    if (!inside(x, y))
        return false;
    return rows_[y * kWordsPerRow + (x >> 5)] & mask(x);
}

void CPanelFrame::SetPixel(int x, int y, bool on)
{
    if (!inside(x, y))
        return;
    std::uint32_t& w = rows_[y * kWordsPerRow + (x >> 5)];
    if (on)
        w |= mask(x);
    else
        w &= ~mask(x);
}

void CPanelFrame::InvertPixel(int x, int y)
{
    if (inside(x, y))
        rows_[y * kWordsPerRow + (x >> 5)] ^= mask(x);
}

void CPanelFrame::Clear()
{
    rows_.fill(0);
}

int CPanelFrame::DarkPixels() const
{
    int n = 0;
    for (std::uint32_t w : rows_)
        n += std::popcount(w);
    return n;
}

bool CPanelFrame::operator==(const CPanelFrame& other) const
{
    return rows_ == other.rows_;
}

QImage CPanelFrame::ToImage(int scale, bool backlight) const
{
    scale = std::clamp(scale, 1, 16);
    const QRgb light = backlight ? kLitBackground : kDimBackground;
    const QRgb dark = backlight ? kLitDark : kDimDark;
    QImage image(Width * scale, Height * scale, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    for (int y = 0; y < Height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y * scale));
        for (int x = 0; x < Width; ++x)
            std::fill_n(line + x * scale, scale, Pixel(x, y) ? dark : light);
        for (int r = 1; r < scale; ++r)
            std::copy_n(line, Width * scale,
                        reinterpret_cast<QRgb*>(image.scanLine(y * scale + r)));
    }
    return image;
}
