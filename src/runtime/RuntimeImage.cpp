#include "RuntimeImage.h"

QString RuntimeProjectHeader::PasswordDigits() const
{
    QString digits;
    for (std::uint8_t b : packedPassword) {
        digits += QChar(u'0' + (b >> 4));
        digits += QChar(u'0' + (b & 0x0F));
    }
    return digits;
}

RuntimeValueFormat BarMeterFormat(const RuntimeObject& o)
{
    RuntimeValueFormat f;
    f.isFloat = o.flagsB & 0x01;
    f.dec = o.flagsA & 0x01;
    f.isSigned = o.flagsA & 0x02;
    f.twoRegisters = o.registerCount != 1;
    f.decimalPlaces = o.flagsB >> 4;
    return f;
}

RuntimeValueFormat TrendMeterFormat(const RuntimeObject& o)
{
    RuntimeValueFormat f;
    f.isFloat = o.flagsC & 0x04;
    f.dec = o.flagsC & 0x01;
    f.isSigned = o.flagsC & 0x02;
    f.twoRegisters = o.flagsC & 0x08;
    f.decimalPlaces = o.flagsC >> 4;
    return f;
}

RuntimeValueFormat NumericFormat(const RuntimeObject& o)
{
    RuntimeValueFormat f;
    f.isFloat = o.flagsE & 0x10;
    f.dec = o.flagsE & 0x01;
    f.isSigned = o.flagsE & 0x02;
    f.twoRegisters = o.flagsE & 0x20;
    f.decimalPlaces = o.digitsByte >> 4;
    return f;
}

const RuntimeScreen* RuntimeImage::FindScreen(int number) const
{
    for (const RuntimeScreen& s : screens)
        if (s.number == number)
            return &s;
    return nullptr;
}

const std::uint8_t* RuntimeImage::Glyph(const RuntimeChar& c) const
{
    const qsizetype size = c.wide ? 32 : 16;
    if (qsizetype(c.glyphOffset) + size > font.size())
        return nullptr;
    return reinterpret_cast<const std::uint8_t*>(font.constData()) + c.glyphOffset;
}

const std::uint8_t* RuntimeImage::Picture(std::uint32_t offset, int w, int h) const
{
    if (w < 0 || h < 0)
        return nullptr;
    const qint64 size = qint64(w) * ((h + 7) / 8);
    if (qint64(offset) + size > bitmapData.size())
        return nullptr;
    return reinterpret_cast<const std::uint8_t*>(bitmapData.constData()) + offset;
}
