#pragma once
#include "DiagramEntity.h"
#include "ObjectKind.h"

// The properties of the kind, kept apart so that a copy takes them all at once.
struct StaticBitmapProperties
{
    QString fileName = QStringLiteral("arrow_16_16_RIGHT.bmp");
    QString folder = QStringLiteral("BMP_Files\\Arrow");
    int scaling = 0;
    int blackInversion = 0;
};

// A bitmap file. A non-empty folder is relative to the program folder; an
// empty one names a bitmap of the project itself.
class CObjectStaticBitmap : public CDiagramEntity, public StaticBitmapProperties
{
public:
    CObjectStaticBitmap();
    int Kind() const override { return OBJ_STATIC_BITMAP; }
    QString ProjectBitmapFile() const override { return folder.isEmpty() ? fileName : QString(); }
    std::unique_ptr<CDiagramEntity> Clone() const override;
    bool ReadKindFields(QStringView fields, bool legacyRangeMode) override;
    QString WriteKindFields() const override;
    // The compiled record (and picture) of the kind, built by the compiler.

    enum Scaling { LockAspectRatio = 1, StretchToFit = 2 };
};
