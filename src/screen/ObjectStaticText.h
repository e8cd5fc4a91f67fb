#pragma once
#include "DiagramEntity.h"
#include "FontSpec.h"
#include "ObjectKind.h"

// The properties of the kind, kept apart so that a copy takes them all at once.
struct StaticTextProperties
{
    QString text = QStringLiteral("Static Text");
    int inversion = 0;
    FontSpec font = FontSpec::Default();
};

// A fixed text drawn in a chosen font; the compiler turns it into a picture.
class CObjectStaticText : public CDiagramEntity, public StaticTextProperties
{
public:
    CObjectStaticText();
    int Kind() const override { return OBJ_STATIC_TEXT; }
    std::unique_ptr<CDiagramEntity> Clone() const override;
    bool ReadKindFields(QStringView fields, bool legacyRangeMode) override;
    QString WriteKindFields() const override;
    // The compiled record (and picture) of the kind, built by the compiler.
};
