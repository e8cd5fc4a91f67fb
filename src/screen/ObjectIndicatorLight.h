#pragma once
#include "DiagramEntity.h"
#include "ObjectKind.h"
#include "project/RegisterRef.h"

// The properties of the kind, kept apart so that a copy takes them all at once.
struct IndicatorLightProperties
{
    RegisterRef coil;
    int inversion = 0;
    int doubleSize = 1;
    int shape = 0; // 0 CIRCLE, any other value RECTANGLE
};

// A lamp that shows a coil: a circle or a rectangle, normal or double size.
class CObjectIndicatorLight : public CDiagramEntity, public IndicatorLightProperties
{
public:
    explicit CObjectIndicatorLight(const CProjectModel* model = nullptr);
    int Kind() const override { return OBJ_INDICATOR_LIGHT; }
    std::vector<RegisterRef*> RegisterRefs() override { return {&coil}; }
    bool RefersToCoil() const override { return true; }
    std::unique_ptr<CDiagramEntity> Clone() const override;
    bool ReadKindFields(QStringView fields, bool legacyRangeMode) override;
    QString WriteKindFields() const override;
    // The compiled record (and picture) of the kind, built by the compiler.
};
