#pragma once
#include "ObjectKind.h"
#include "project/RegisterRef.h"

class CKindFieldReader;
class CKindFieldWriter;

// The register value that a bar meter, a trend meter and a numeric show: the
// register, its format and its range.
struct RegisterValueProperties
{
    RegisterRef reg;
    int registerCount = 1;
    int isFloat = 0;
    int model = 0; // 0 DEC, 1 HEX/BCD
    int isSigned = 0;
    int decimalPlaces = 0;
    qint32 legacyMinimum = 0; // read only in legacy range mode, never compiled
    qint32 legacyMaximum = 100;
    quint32 minimum = 0; // 32-bit patterns in the value format
    quint32 maximum = 100;

    ValueFormat GetValueFormat() const
    {
        return DeriveValueFormat(isFloat, model, isSigned, registerCount);
    }

    // The leading fields of both meters' screen-file lines, in their order:
    // register, count, float, model, signed, decimal places, the legacy
    // range and the range.
    void ReadMeterFields(CKindFieldReader& in);
    void WriteMeterFields(CKindFieldWriter& w) const;
};
