#pragma once
#include "DiagramEntity.h"
#include "ObjectKind.h"
#include "project/RegisterRef.h"

// The properties of the kind, kept apart so that a copy takes them all at once.
struct NumericProperties
{
    RegisterRef reg;
    int registerCount = 1;
    int set = 0;
    int encrypt = 0;
    int rangeCheck = 0;
    int doubleSize = 0; // characters of double height
    int inversion = 0;
    int leadingZeros = 0;
    int isFloat = 0;
    int model = 0; // 0 DEC, 1 HEX/BCD
    int isSigned = 0;
    qint32 legacyMinimum = 0; // read only in legacy range mode, never compiled
    qint32 legacyMaximum = 100;
    quint32 minimum = 0; // 32-bit patterns in the value format
    quint32 maximum = 100;
    int digits = 5;
    int decimalPlaces = 0;
};

// A register's value shown as a number, optionally settable on the panel.
class CObjectNumeric : public CDiagramEntity, public NumericProperties
{
public:
    explicit CObjectNumeric(const CProjectModel* model = nullptr);
    int Kind() const override { return OBJ_NUMERIC; }
    std::unique_ptr<CDiagramEntity> Clone() const override;
    bool ReadKindFields(QStringView fields, bool legacyRangeMode) override;
    QString WriteKindFields() const override;
    // The compiled record (and picture) of the kind, built by the compiler.
    QByteArray BuildRecord(CObjectBuildContext& context) override;
    std::optional<QByteArray> RenderBitmap(CObjectBuildContext&) override { return std::nullopt; }
    ValueFormat GetValueFormat() const
    {
        return DeriveValueFormat(isFloat, model, isSigned, registerCount);
    }
};
