#include "ObjectBarMeter.h"
#include "KindFieldReader.h"
#include "KindFieldWriter.h"

CObjectBarMeter::CObjectBarMeter(const CProjectModel* projectModel)
{
    InitKind(QStringLiteral("Bar Meter"), 8, 8, 1, 199);
    FillRegisterRefDefaults(projectModel, reg, RegisterRef::KindWord);
}

std::unique_ptr<CDiagramEntity> CObjectBarMeter::Clone() const
{
    auto copy = std::make_unique<CObjectBarMeter>();
    copy->CopyFrom(*this);
    static_cast<BarMeterProperties&>(*copy) = *this;
    return copy;
}

bool CObjectBarMeter::ReadKindFields(QStringView fields, bool legacyRangeMode)
{
    CKindFieldReader in(fields, legacyRangeMode);
    if (in.Count() < 14)
        return false;
    in.Register(reg);
    registerCount = in.Int();
    isFloat = in.Int();
    model = in.Int();
    isSigned = in.Int();
    decimalPlaces = in.Int();
    in.Legacy(legacyMinimum);
    in.Legacy(legacyMaximum);
    minimum = in.Range();
    maximum = in.Range();
    direction = in.Int();
    return true;
}

QString CObjectBarMeter::WriteKindFields() const
{
    QString out;
    CKindFieldWriter w(out);
    w.Register(reg);
    w.Int(registerCount);
    w.Int(isFloat);
    w.Int(model);
    w.Int(isSigned);
    w.Int(decimalPlaces);
    w.Int(legacyMinimum);
    w.Int(legacyMaximum);
    w.Range(minimum);
    w.Range(maximum);
    w.Int(direction);
    return out;
}
