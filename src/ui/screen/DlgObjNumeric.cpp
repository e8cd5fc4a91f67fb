#include "DlgObjNumeric.h"
#include "PropertyFormDialog.h"
#include "ui/widgets/RegisterField.h"
#include "ui_DlgObjNumeric.h"

#include "app/TessanApp.h"
#include "base/LanguageSection.h"
#include "screen/ObjectNumeric.h"
#include "ui/document/ProjectController.h"

#include <QPushButton>

namespace {
const QString kPointRefused =
    QStringLiteral("Error OBJ-005 : Point value must be less than digit value");
} // namespace

CDlgObjNumeric::CDlgObjNumeric(CObjectNumeric& object)
    : CObjectPropertyForm(object),
      numeric_(object),
      ui_(std::make_unique<Ui::CDlgObjNumeric>())
{}

CDlgObjNumeric::~CDlgObjNumeric() = default;

void CDlgObjNumeric::Build(CPropertyFormDialog& dialog)
{
    ui_->setupUi(&dialog);
    SetUpDialog(dialog, *ui_->buttonBox, IDD_DLG_OBJ_NUMBERREGISTER);
    BindRegisterField(*ui_->fieldRegister, RegisterRef::KindWord);

    ui_->editPoint->SetDecimalField(2, 0, 10);
    ui_->editDigit->SetDecimalField(2, 1, 10);

    format_ = std::make_unique<CValueFormatFields>(ValueFormatWidgets::Of(*ui_), false);
    format_->Connect(&dialog, Controller());
}

void CDlgObjNumeric::Load()
{
    LoadName(*ui_->editName, numeric_);
    ui_->fieldRegister->SetRef(numeric_.reg);
    format_->Load(numeric_);
    ui_->editDigit->SetText(QString::number(numeric_.digits));
    ui_->checkSet->setChecked(numeric_.set != 0);
    ui_->checkEncrypt->setChecked(numeric_.encrypt != 0);
    ui_->checkRange->setChecked(numeric_.rangeCheck != 0);
    ui_->checkDouble->setChecked(numeric_.doubleSize != 0);
    ui_->checkInversion->setChecked(numeric_.inversion != 0);
    ui_->checkLeadingZeros->setChecked(numeric_.leadingZeros != 0);
}

bool CDlgObjNumeric::Check()
{
    if (!format_->ApplySettings())
        return false;
    // Equal is accepted: 5 digits with 5 places read 0.12345.
    if (ui_->editPoint->Text().toInt() > ui_->editDigit->Text().toInt())
        return Refuse(*ui_->editPoint, kPointRefused);
    // An empty count of digits would show nothing at all.
    if (ui_->editDigit->Text().toInt() == 0)
        return Refuse(*ui_->editDigit, ValueNotInRange());
    return true;
}

void CDlgObjNumeric::Store()
{
    StoreName(*ui_->editName, numeric_);
    numeric_.reg = ui_->fieldRegister->Ref();
    format_->Store(numeric_);
    numeric_.digits = ui_->editDigit->Text().toInt();
    numeric_.set = ui_->checkSet->isChecked() ? 1 : 0;
    numeric_.encrypt = ui_->checkEncrypt->isChecked() ? 1 : 0;
    numeric_.rangeCheck = ui_->checkRange->isChecked() ? 1 : 0;
    numeric_.doubleSize = ui_->checkDouble->isChecked() ? 1 : 0;
    numeric_.inversion = ui_->checkInversion->isChecked() ? 1 : 0;
    numeric_.leadingZeros = ui_->checkLeadingZeros->isChecked() ? 1 : 0;
}

QWidget* CDlgObjNumeric::FirstField() const
{
    return ui_->editName;
}
