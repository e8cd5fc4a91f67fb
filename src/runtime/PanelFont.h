#pragma once
#include <QByteArray>
#include <QHash>

#include <cstdint>

// The panel's built-in 8 x 16 character set (a PSF1 font compiled into the
// library), for numerics, strings and the panel's own texts.
class CPanelFont
{
public:
    static constexpr int Width = 8, Height = 16;

    // The font of the panel, loaded once from the library's resources.
    static const CPanelFont& Builtin();

    // A PSF1 font of 8 x 16 glyphs (256 or 512 of them), with or without a
    // Unicode table; false and empty for anything else.
    bool Load(const QByteArray& psf);
    bool IsValid() const { return glyphCount_ > 0; }
    int GlyphCount() const { return glyphCount_; }
    bool Has(char32_t c) const;
    // 16 rows of one byte, bit 7 the leftmost pixel: the glyph of `c`, else
    // that of "?", else a blank one.
    const std::uint8_t* Glyph(char32_t c) const;

private:
    int index(char32_t c) const;
    QByteArray glyphs_;
    int glyphCount_ = 0;
    QHash<char32_t, int> map_;
    int ascii_[128]{};
    std::uint8_t blank_[Height]{};
};
