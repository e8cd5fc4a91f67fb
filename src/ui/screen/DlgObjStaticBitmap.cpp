#include "DlgObjStaticBitmap.h"
#include "DlgBitmapManager.h"
#include "PropertyFormDialog.h"
#include "ui_DlgObjStaticBitmap.h"

#include "app/TessanApp.h"
#include "base/LanguageSection.h"
#include "screen/ObjectStaticBitmap.h"
#include "ui/document/ProjectController.h"

#include <QPushButton>

CDlgObjStaticBitmap::CDlgObjStaticBitmap(CObjectStaticBitmap& object)
    : CObjectPropertyForm(object),
      bitmap_(object),
      ui_(std::make_unique<Ui::CDlgObjStaticBitmap>())
{}

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
    ui_->buttonPickBitmap->setAccessibleName(ui_->labelBitmap->text().remove(QLatin1Char('&')));
    QObject::connect(ui_->buttonPickBitmap, &QPushButton::clicked, &dialog,
                     [this] { PickBitmap(); });
}

void CDlgObjStaticBitmap::PickBitmap()
{
    CProjectController* c = Controller();
    if (!c)
        return;
    QString folder, fileName;
    SplitBitmapText(ui_->editBitmap->text(), folder, fileName);
    if (CDlgBitmapManager::Choose(Dialog(), *c, folder, fileName))
        ui_->editBitmap->setText(JoinBitmapText(folder, fileName));
}

QString CDlgObjStaticBitmap::JoinBitmapText(const QString& folder, const QString& fileName)
{
    return folder.isEmpty() ? fileName : folder + QLatin1Char('\\') + fileName;
}

void CDlgObjStaticBitmap::Load()
{
    LoadName(*ui_->editName, bitmap_);
    ui_->editBitmap->setText(JoinBitmapText(bitmap_.folder, bitmap_.fileName));
    ui_->checkLockAspect->setChecked((bitmap_.scaling & 1) != 0);
    ui_->checkStretch->setChecked((bitmap_.scaling & 2) != 0);
    ui_->checkBlackInversion->setChecked(bitmap_.blackInversion != 0);
}

void CDlgObjStaticBitmap::Store()
{
    StoreName(*ui_->editName, bitmap_);
    SplitBitmapText(ui_->editBitmap->text(), bitmap_.folder, bitmap_.fileName);
    bitmap_.scaling =
        (ui_->checkLockAspect->isChecked() ? 1 : 0) | (ui_->checkStretch->isChecked() ? 2 : 0);
    bitmap_.blackInversion = ui_->checkBlackInversion->isChecked() ? 1 : 0;
}

QWidget* CDlgObjStaticBitmap::FirstField() const
{
    return ui_->editBitmap;
}
