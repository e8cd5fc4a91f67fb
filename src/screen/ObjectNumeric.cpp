#include "ObjectNumeric.h"
#include "KindFieldReader.h"
#include "KindFieldWriter.h"

CObjectNumeric::CObjectNumeric(const CProjectModel* projectModel)
{
    InitKind(QStringLiteral("Numeric"), 8, 16, 0, 202);
    FillRegisterRefDefaults(projectModel, reg, RegisterRef::KindWord);
}

std::unique_ptr<CDiagramEntity> CObjectNumeric::Clone() const
{
    auto copy = std::make_unique<CObjectNumeric>();
    copy->CopyFrom(*this);
    static_cast<NumericProperties&>(*copy) = *this;
    return copy;
}

bool CObjectNumeric::ReadKindFields(QStringView fields, bool legacyRangeMode)
{
    CKindFieldReader in(fields, legacyRangeMode);
    if (in.Count() < 20)
        return false;
    in.Register(reg);
    registerCount = in.Int();
    set = in.Int();
    encrypt = in.Int();
    rangeCheck = in.Int();
    doubleSize = in.Int();
    inversion = in.Int();
    in.Legacy(legacyMinimum);
    in.Legacy(legacyMaximum);
    minimum = in.Range();
    maximum = in.Range();
    digits = in.Int();
    decimalPlaces = in.Int();
    leadingZeros = in.Int();
    isFloat = in.Int();
    model = in.Int();
    isSigned = in.Int();
    return true;
}

QString CObjectNumeric::WriteKindFields() const
{
    QString out;
    CKindFieldWriter w(out);
    w.Register(reg);
    w.Int(registerCount);
    w.Int(set);
    w.Int(encrypt);
    w.Int(rangeCheck);
    w.Int(doubleSize);
    w.Int(inversion);
    w.Int(legacyMinimum);
    w.Int(legacyMaximum);
    w.Range(minimum);
    w.Range(maximum);
    w.Int(digits);
    w.Int(decimalPlaces);
    w.Int(leadingZeros);
    w.Int(isFloat);
    w.Int(model);
    w.Int(isSigned);
    return out;
}
