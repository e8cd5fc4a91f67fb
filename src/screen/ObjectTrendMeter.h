#pragma once
#include "DiagramEntity.h"
#include "ObjectKind.h"
#include "project/RegisterRef.h"

// The properties of the kind, kept apart so that a copy takes them all at once.
struct TrendMeterProperties
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
    int dataPoints = 20;
    int interval = 5;
};

// A curve of a register's recent values between a minimum and a maximum.
class CObjectTrendMeter : public CDiagramEntity, public TrendMeterProperties
{
public:
    explicit CObjectTrendMeter(const CProjectModel* model = nullptr);
    int Kind() const override { return OBJ_TREND_METER; }
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
