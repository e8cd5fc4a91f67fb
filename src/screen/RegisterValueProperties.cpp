#include "RegisterValueProperties.h"
#include "KindFieldReader.h"
#include "KindFieldWriter.h"

void RegisterValueProperties::ReadMeterFields(CKindFieldReader& in)
{
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
}

void RegisterValueProperties::WriteMeterFields(CKindFieldWriter& w) const
{
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
}
