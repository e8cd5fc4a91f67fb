#include "KindFieldWriter.h"
#include "ScreenTextEscapes.h"
#include "project/RegisterRef.h"

void CKindFieldWriter::separate()
{
    if (!first_)
        out_ += QLatin1Char(',');
    first_ = false;
}

void CKindFieldWriter::Int(int value)
{
    separate();
    out_ += QString::number(value);
}

void CKindFieldWriter::Text(const QString& text)
{
    separate();
    out_ += ScreenTextEscapes::Escape(text);
}

void CKindFieldWriter::Range(quint32 value)
{
    separate();
    out_ += QString::number(value);
}

void CKindFieldWriter::Register(const RegisterRef& ref)
{
    Text(ref.deviceName);
    Text(ref.area);
    Int(ref.address);
    Int(ref.bitNumber);
    Int(ref.bitOfWord);
    Int(ref.radix);
}

void CKindFieldWriter::Font(const FontSpec& font)
{
    Int(font.charSet);
    Int(font.clipPrecision);
    Int(font.escapement);
    Text(font.faceName);
    Int(font.height);
    Int(font.italic);
    Int(font.orientation);
    Int(font.outPrecision);
    Int(font.pitchAndFamily);
    Int(font.quality);
    Int(font.strikeOut);
    Int(font.underline);
    Int(font.weight);
    Int(font.width);
}
