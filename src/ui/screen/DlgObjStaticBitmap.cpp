#include "DlgObjStaticBitmap.h"
#include "PropertyFormDialog.h"
#include "ui_DlgObjStaticBitmap.h"

#include "app/TessanApp.h"
#include "base/LanguageSection.h"
#include "screen/ObjectStaticBitmap.h"
#include "ui/app/ProjectController.h"

#include <QPushButton>

CDlgObjStaticBitmap::CDlgObjStaticBitmap(CObjectStaticBitmap& object)
    : CObjectPropertyForm(object), bitmap_(object), ui_(std::make_unique<Ui::CDlgObjStaticBitmap>())
{
}

CDlgObjStaticBitmap::~CDlgObjStaticBitmap() = default;

void CDlgObjStaticBitmap::SplitBitmapText(const QString& text, QString& folder, QString& fileName)
{
    const qsizetype cut = text.lastIndexOf(QLatin1Char('\\'));
    if (cut < 1) {
        folder.clear();
        fileName = text;
        return;
    }
    folder = text.left(cut);
    fileName = text.mid(cut + 1);
}

void CDlgObjStaticBitmap::Build(CPropertyFormDialog& dialog)
{
    ui_->setupUi(&dialog);
    SetUpDialog(dialog, *ui_->buttonBox, IDD_DLG_OBJ_BITMAP);
}

void CDlgObjStaticBitmap::Load()
{
    LoadName(*ui_->editName, bitmap_);
    ui_->editBitmap->setText(bitmap_.folder.isEmpty() ? bitmap_.fileName
                                                      : bitmap_.folder + QLatin1Char('\\') + bitmap_.fileName);
    ui_->checkLockAspect->setChecked((bitmap_.scaling & 1) != 0);
    ui_->checkStretch->setChecked((bitmap_.scaling & 2) != 0);
    ui_->checkBlackInversion->setChecked(bitmap_.blackInversion != 0);
}

void CDlgObjStaticBitmap::Store()
{
    StoreName(*ui_->editName, bitmap_);
    SplitBitmapText(ui_->editBitmap->text(), bitmap_.folder, bitmap_.fileName);
    bitmap_.scaling = (ui_->checkLockAspect->isChecked() ? 1 : 0) | (ui_->checkStretch->isChecked() ? 2 : 0);
    bitmap_.blackInversion = ui_->checkBlackInversion->isChecked() ? 1 : 0;
}

QWidget* CDlgObjStaticBitmap::FirstField() const
{
    return ui_->editBitmap;
}
