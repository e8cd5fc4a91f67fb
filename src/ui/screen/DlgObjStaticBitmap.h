#pragma once
#include "ObjectPropertyForm.h"

#include <QString>
#include <memory>

class CObjectStaticBitmap;
namespace Ui {
class CDlgObjStaticBitmap;
}

// The static bitmap's form: "Name:", "Bitmap:" (folder and file joined by
// a backslash, or chosen with "..." in the bitmap manager), "Lock Aspect Ratio", "Stretch to Fit" and "Black color
// Inversion".
class CDlgObjStaticBitmap : public CObjectPropertyForm
{
public:
    explicit CDlgObjStaticBitmap(CObjectStaticBitmap& object);
    ~CDlgObjStaticBitmap() override;

    Ui::CDlgObjStaticBitmap& Fields() const { return *ui_; }

    // "Bitmap:" split at its last backslash; a text with no backslash after
    // its first character is a file name of the project's own bitmaps.
    static void SplitBitmapText(const QString& text, QString& folder, QString& fileName);
    static QString JoinBitmapText(const QString& folder, const QString& fileName);
    // "...": the bitmap manager, starting on the bitmap the field names.
    void PickBitmap();

protected:
    void Build(CPropertyFormDialog& dialog) override;
    void Load() override;
    void Store() override;
    QWidget* FirstField() const override;

private:
    CObjectStaticBitmap& bitmap_;
    std::unique_ptr<Ui::CDlgObjStaticBitmap> ui_;
};
