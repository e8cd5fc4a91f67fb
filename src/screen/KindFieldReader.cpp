#include "KindFieldReader.h"
#include "ScreenNumbers.h"
#include "ScreenTextEscapes.h"
#include "project/RegisterRef.h"

CKindFieldReader::CKindFieldReader(QStringView fields, bool legacyRangeMode)
    : legacy_(legacyRangeMode)
{
    if (fields.endsWith(QLatin1Char(';')))
        fields.chop(1);
    pieces_ = fields.split(QLatin1Char(','));
}

QStringView CKindFieldReader::next()
{
    return pos_ < pieces_.size() ? pieces_[pos_++] : QStringView();
}

int CKindFieldReader::Int()
{
    return ScreenNumbers::ParseInt(next());
}

QString CKindFieldReader::Text()
{
    return ScreenTextEscapes::Unescape(next());
}

quint32 CKindFieldReader::Range()
{
    return ScreenNumbers::ParseRangePattern(next());
}

void CKindFieldReader::Legacy(qint32& target)
{
    const int value = Int();
    if (legacy_)
        target = value;
}

void CKindFieldReader::Register(RegisterRef& ref)
{
    ref.deviceName = Text();
    ref.area = Text();
    ref.address = Int();
    ref.bitNumber = Int();
    ref.bitOfWord = Int();
    ref.radix = Int();
}

void CKindFieldReader::Font(FontSpec& font)
{
    font.charSet = quint8(Int());
    font.clipPrecision = quint8(Int());
    font.escapement = Int();
    font.SetFaceName(Text());
    font.height = Int();
    font.italic = quint8(Int());
    font.orientation = Int();
    font.outPrecision = quint8(Int());
    font.pitchAndFamily = quint8(Int());
    font.quality = quint8(Int());
    font.strikeOut = quint8(Int());
    font.underline = quint8(Int());
    font.weight = Int();
    font.width = Int();
}
