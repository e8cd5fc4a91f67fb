#pragma once
#include "DiagramEntity.h"
#include "ObjectKind.h"
#include "project/RegisterRef.h"

// The properties of the kind, kept apart so that a copy takes them all at once.
struct StringProperties
{
    RegisterRef reg;
    int registerCount = 1;
    int doubleSize = 0; // characters of double height
    int inversion = 0;
    int stringCount = 2;
};

// Registers shown as characters, two per register.
class CObjectString : public CDiagramEntity, public StringProperties
{
public:
    explicit CObjectString(const CProjectModel* model = nullptr);
    int Kind() const override { return OBJ_STRING; }
    std::vector<RegisterRef*> RegisterRefs() override { return {&reg}; }
    int RegisterWords() const override { return registerCount > 1 ? registerCount : 1; }
    std::unique_ptr<CDiagramEntity> Clone() const override;
    bool ReadKindFields(QStringView fields, bool legacyRangeMode) override;
    QString WriteKindFields() const override;
    // The compiled record (and picture) of the kind, built by the compiler.
};
