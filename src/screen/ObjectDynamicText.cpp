#include "ObjectDynamicText.h"
#include "KindFieldReader.h"
#include "KindFieldWriter.h"

#include <algorithm>

CObjectDynamicText::CObjectDynamicText(const CProjectModel* projectModel)
{
    InitKind(QStringLiteral("Dynamic Text"), 8, 8, 1, 197);
    FillRegisterRefDefaults(projectModel, reg, RegisterRef::KindWord);
}

std::unique_ptr<CDiagramEntity> CObjectDynamicText::Clone() const
{
    auto copy = std::make_unique<CObjectDynamicText>();
    copy->CopyFrom(*this);
    static_cast<DynamicTextProperties&>(*copy) = *this;
    return copy;
}

bool CObjectDynamicText::ReadKindFields(QStringView fields, bool legacyRangeMode)
{
    CKindFieldReader in(fields, legacyRangeMode);
    if (in.Count() < 22)
        return false;
    // The count cannot ask for more texts than the line holds.
    qsizetype n = in.Int();
    n = std::clamp<qsizetype>(n, 0, in.Remaining());
    texts.clear();
    texts.reserve(n);
    for (qsizetype i = 0; i < n; ++i)
        texts.append(in.Text());
    in.Register(reg);
    inversion = in.Int();
    model = in.Int();
    in.Font(font);
    return true;
}

QString CObjectDynamicText::WriteKindFields() const
{
    QString out;
    CKindFieldWriter w(out);
    w.Int(int(texts.size()));
    for (const QString& t : texts)
        w.Text(t);
    w.Register(reg);
    w.Int(inversion);
    w.Int(model);
    w.Font(font);
    return out;
}
