#pragma once
#include "DiagramEntity.h"
#include "ObjectKind.h"
#include "RegisterValueProperties.h"

// The properties of the kind, kept apart so that a copy takes them all at once.
struct TrendMeterProperties : RegisterValueProperties
{
    int dataPoints = 20;
    int interval = 5;
};

// A curve of a register's recent values between a minimum and a maximum.
class CObjectTrendMeter : public CDiagramEntity, public TrendMeterProperties
{
public:
    explicit CObjectTrendMeter(const CProjectModel* model = nullptr);
    int Kind() const override { return OBJ_TREND_METER; }
    std::vector<RegisterRef*> RegisterRefs() override { return {&reg}; }
    int RegisterWords() const override { return isFloat || registerCount >= 2 ? 2 : 1; }
    std::unique_ptr<CDiagramEntity> Clone() const override;
    bool ReadKindFields(QStringView fields, bool legacyRangeMode) override;
    QString WriteKindFields() const override;
    // The compiled record (and picture) of the kind, built by the compiler.
};
