#include "ObjectString.h"
#include "KindFieldReader.h"
#include "KindFieldWriter.h"

CObjectString::CObjectString(const CProjectModel* projectModel)
{
    InitKind(QStringLiteral("String"), 8, 16, 0, 203);
    FillRegisterRefDefaults(projectModel, reg, RegisterRef::KindWord);
}

std::unique_ptr<CDiagramEntity> CObjectString::Clone() const
{
    auto copy = std::make_unique<CObjectString>();
    copy->CopyFrom(*this);
    static_cast<StringProperties&>(*copy) = *this;
    return copy;
}

bool CObjectString::ReadKindFields(QStringView fields, bool legacyRangeMode)
{
    CKindFieldReader in(fields, legacyRangeMode);
    if (in.Count() < 10)
        return false;
    in.Register(reg);
    registerCount = in.Int();
    doubleSize = in.Int();
    inversion = in.Int();
    stringCount = in.Int();
    return true;
}

QString CObjectString::WriteKindFields() const
{
    QString out;
    CKindFieldWriter w(out);
    w.Register(reg);
    w.Int(registerCount);
    w.Int(doubleSize);
    w.Int(inversion);
    w.Int(stringCount);
    return out;
}
