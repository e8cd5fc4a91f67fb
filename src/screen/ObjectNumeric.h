#pragma once
#include "DiagramEntity.h"
#include "ObjectKind.h"
#include "RegisterValueProperties.h"

// The properties of the kind, kept apart so that a copy takes them all at once.
struct NumericProperties : RegisterValueProperties
{
    int set = 0;
    int encrypt = 0;
    int rangeCheck = 0;
    int doubleSize = 0; // characters of double height
    int inversion = 0;
    int leadingZeros = 0;
    int digits = 5;
};

// A register's value shown as a number, optionally settable on the panel.
class CObjectNumeric : public CDiagramEntity, public NumericProperties
{
public:
    explicit CObjectNumeric(const CProjectModel* model = nullptr);
    int Kind() const override { return OBJ_NUMERIC; }
    std::vector<RegisterRef*> RegisterRefs() override { return {&reg}; }
    int RegisterWords() const override { return isFloat || registerCount >= 2 ? 2 : 1; }
    std::unique_ptr<CDiagramEntity> Clone() const override;
    bool ReadKindFields(QStringView fields, bool legacyRangeMode) override;
    QString WriteKindFields() const override;
    // The compiled record (and picture) of the kind, built by the compiler.
};
