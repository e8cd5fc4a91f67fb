#pragma once
#include <QImage>

#include <array>
#include <cstdint>

// The panel's display: 192 x 64 monochrome pixels, dark or light.
class CPanelFrame
{
public:
    static constexpr int Width = 192, Height = 64;

    bool Pixel(int x, int y) const;       // true: dark pixel; false outside
    void SetPixel(int x, int y, bool on); // ignores points outside
    void InvertPixel(int x, int y);       // ignores points outside
    void Clear();                         // every pixel light
    int DarkPixels() const;               // how many pixels are dark
    bool operator==(const CPanelFrame&) const;

    // The frame as an image: `scale` x `scale` pixels per panel pixel (no
    // smoothing; scale is kept within 1 to 16), dark pixels on a light LCD
    // background, both dimmed when the backlight is off.
    QImage ToImage(int scale, bool backlight = true) const;

private:
    static constexpr int kWordsPerRow = Width / 32;
    std::array<std::uint32_t, kWordsPerRow * Height> rows_{};
};
