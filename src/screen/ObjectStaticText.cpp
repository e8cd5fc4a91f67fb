#include "ObjectStaticText.h"
#include "KindFieldReader.h"
#include "KindFieldWriter.h"

CObjectStaticText::CObjectStaticText()
{
    InitKind(QStringLiteral("Static Text"), 8, 8, 1, 196);
}

std::unique_ptr<CDiagramEntity> CObjectStaticText::Clone() const
{
    auto copy = std::make_unique<CObjectStaticText>();
    copy->CopyFrom(*this);
    static_cast<StaticTextProperties&>(*copy) = *this;
    return copy;
}

bool CObjectStaticText::ReadKindFields(QStringView fields, bool legacyRangeMode)
{
    CKindFieldReader in(fields, legacyRangeMode);
    if (in.Count() < 16)
        return false;
    text = in.Text();
    inversion = in.Int();
    in.Font(font);
    return true;
}

QString CObjectStaticText::WriteKindFields() const
{
    QString out;
    CKindFieldWriter w(out);
    w.Text(text);
    w.Int(inversion);
    w.Font(font);
    return out;
}
