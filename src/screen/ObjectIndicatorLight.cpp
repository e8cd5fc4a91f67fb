#include "ObjectIndicatorLight.h"
#include "KindFieldReader.h"
#include "KindFieldWriter.h"

CObjectIndicatorLight::CObjectIndicatorLight(const CProjectModel* projectModel)
{
    InitKind(QStringLiteral("Indicator Light"), 16, 16, 0, 201);
    FillRegisterRefDefaults(projectModel, coil, RegisterRef::KindBit);
}

std::unique_ptr<CDiagramEntity> CObjectIndicatorLight::Clone() const
{
    auto copy = std::make_unique<CObjectIndicatorLight>();
    copy->CopyFrom(*this);
    static_cast<IndicatorLightProperties&>(*copy) = *this;
    return copy;
}

bool CObjectIndicatorLight::ReadKindFields(QStringView fields, bool legacyRangeMode)
{
    CKindFieldReader in(fields, legacyRangeMode);
    if (in.Count() < 7)
        return false;
    in.Register(coil);
    inversion = in.Int();
    doubleSize = in.Int();
    shape = in.Int();
    return true;
}

QString CObjectIndicatorLight::WriteKindFields() const
{
    QString out;
    CKindFieldWriter w(out);
    w.Register(coil);
    w.Int(inversion);
    w.Int(doubleSize);
    w.Int(shape);
    return out;
}
