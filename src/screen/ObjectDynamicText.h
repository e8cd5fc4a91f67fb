#pragma once
#include "DiagramEntity.h"
#include "FontSpec.h"
#include "ObjectKind.h"
#include "project/RegisterRef.h"

#include <QStringList>

// The properties of the kind, kept apart so that a copy takes them all at once.
struct DynamicTextProperties
{
    QStringList texts{QStringLiteral("Dynamic Text")};
    RegisterRef reg;
    int inversion = 0;
    FontSpec font = FontSpec::Default();
    int model = 0; // 0 DEC, 1 HEX/BCD
};

// A text chosen by a register's value: entry k of `texts` shows for value k.
class CObjectDynamicText : public CDiagramEntity, public DynamicTextProperties
{
public:
    explicit CObjectDynamicText(const CProjectModel* model = nullptr);
    int Kind() const override { return OBJ_DYNAMIC_TEXT; }
    std::vector<RegisterRef*> RegisterRefs() override { return {&reg}; }
    std::unique_ptr<CDiagramEntity> Clone() const override;
    bool ReadKindFields(QStringView fields, bool legacyRangeMode) override;
    QString WriteKindFields() const override;
    // The compiled record (and picture) of the kind, built by the compiler.
};
