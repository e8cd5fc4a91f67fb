#include "DlgObjIndicatorLight.h"
#include "PropertyFormDialog.h"
#include "ui/widgets/RegisterField.h"
#include "ui_DlgObjIndicatorLight.h"

#include "app/TessanApp.h"
#include "base/LanguageSection.h"
#include "screen/ObjectIndicatorLight.h"
#include "ui/document/ProjectController.h"

#include <QPushButton>

CDlgObjIndicatorLight::CDlgObjIndicatorLight(CObjectIndicatorLight& object)
    : CObjectPropertyForm(object),
      light_(object),
      ui_(std::make_unique<Ui::CDlgObjIndicatorLight>())
{}

CDlgObjIndicatorLight::~CDlgObjIndicatorLight() = default;

void CDlgObjIndicatorLight::Build(CPropertyFormDialog& dialog)
{
    ui_->setupUi(&dialog);
    SetUpDialog(dialog, *ui_->buttonBox, IDD_DLG_OBJ_INDICATORLIGHT);
    BindRegisterField(*ui_->fieldCoil, RegisterRef::KindBit);
}

void CDlgObjIndicatorLight::Load()
{
    LoadName(*ui_->editName, light_);
    ui_->fieldCoil->SetRef(light_.coil);
    ui_->checkInversion->setChecked(light_.inversion != 0);
    ui_->checkDouble->setChecked(light_.doubleSize != 0);
    (light_.shape == 0 ? ui_->radioCircle : ui_->radioRectangle)->setChecked(true);
}

void CDlgObjIndicatorLight::Store()
{
    StoreName(*ui_->editName, light_);
    light_.coil = ui_->fieldCoil->Ref();
    light_.inversion = ui_->checkInversion->isChecked() ? 1 : 0;
    light_.doubleSize = ui_->checkDouble->isChecked() ? 1 : 0;
    light_.shape = ui_->radioCircle->isChecked() ? 0 : 1;
}

QWidget* CDlgObjIndicatorLight::FirstField() const
{
    return ui_->editName;
}
