#pragma once
#include "DiagramEntity.h"
#include "ObjectKind.h"
#include "RegisterValueProperties.h"

// The properties of the kind, kept apart so that a copy takes them all at once.
struct BarMeterProperties : RegisterValueProperties
{
    int direction = 0; // Up
};

// A bar that shows a register's value between a minimum and a maximum.
class CObjectBarMeter : public CDiagramEntity, public BarMeterProperties
{
public:
    explicit CObjectBarMeter(const CProjectModel* model = nullptr);
    int Kind() const override { return OBJ_BAR_METER; }
    std::vector<RegisterRef*> RegisterRefs() override { return {&reg}; }
    int RegisterWords() const override { return isFloat || registerCount >= 2 ? 2 : 1; }
    std::unique_ptr<CDiagramEntity> Clone() const override;
    bool ReadKindFields(QStringView fields, bool legacyRangeMode) override;
    QString WriteKindFields() const override;
    // The compiled record (and picture) of the kind, built by the compiler.

    enum Direction { Up = 0, Down = 1, Right = 2, Left = 3 };
};
