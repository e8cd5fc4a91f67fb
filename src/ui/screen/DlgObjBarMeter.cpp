#include "DlgObjBarMeter.h"
#include "PropertyFormDialog.h"
#include "ui/widgets/RegisterField.h"
#include "ui_DlgObjBarMeter.h"

#include "app/TessanApp.h"
#include "base/LanguageSection.h"
#include "screen/ObjectBarMeter.h"
#include "ui/document/ProjectController.h"

#include <QPushButton>

CDlgObjBarMeter::CDlgObjBarMeter(CObjectBarMeter& object)
    : CObjectPropertyForm(object),
      meter_(object),
      ui_(std::make_unique<Ui::CDlgObjBarMeter>())
{}

CDlgObjBarMeter::~CDlgObjBarMeter() = default;

void CDlgObjBarMeter::Build(CPropertyFormDialog& dialog)
{
    ui_->setupUi(&dialog);
    SetUpDialog(dialog, *ui_->buttonBox, IDD_DLG_OBJ_BARMETER);
    BindRegisterField(*ui_->fieldRegister, RegisterRef::KindWord);

    ui_->editPoint->SetDecimalField(1, 0, 5);

    format_ = std::make_unique<CValueFormatFields>(ValueFormatWidgets::Of(*ui_), true);
    format_->Connect(&dialog, Controller());
}

void CDlgObjBarMeter::Load()
{
    LoadName(*ui_->editName, meter_);
    ui_->fieldRegister->SetRef(meter_.reg);
    format_->Load(meter_);
    QRadioButton* const directions[] = {ui_->radioUp, ui_->radioDown, ui_->radioRight,
                                        ui_->radioLeft};
    directions[qBound(0, meter_.direction, 3)]->setChecked(true);
}

bool CDlgObjBarMeter::Check()
{
    return format_->ApplySettings();
}

void CDlgObjBarMeter::Store()
{
    StoreName(*ui_->editName, meter_);
    meter_.reg = ui_->fieldRegister->Ref();
    format_->Store(meter_);
    meter_.direction = ui_->radioDown->isChecked()    ? 1
                       : ui_->radioRight->isChecked() ? 2
                       : ui_->radioLeft->isChecked()  ? 3
                                                      : 0;
}

QWidget* CDlgObjBarMeter::FirstField() const
{
    return ui_->editName;
}
