#include "DlgObjIndicatorLight.h"
#include "PropertyFormDialog.h"
#include "ui/widgets/RegisterPicker.h"
#include "ui_DlgObjIndicatorLight.h"

#include "app/TessanApp.h"
#include "base/LanguageSection.h"
#include "screen/ObjectIndicatorLight.h"
#include "ui/document/ProjectController.h"

#include <QPushButton>

CDlgObjIndicatorLight::CDlgObjIndicatorLight(CObjectIndicatorLight& object)
    : CObjectPropertyForm(object), light_(object), ui_(std::make_unique<Ui::CDlgObjIndicatorLight>())
{
}

CDlgObjIndicatorLight::~CDlgObjIndicatorLight() = default;

void CDlgObjIndicatorLight::Build(CPropertyFormDialog& dialog)
{
    ui_->setupUi(&dialog);
    SetUpDialog(dialog, *ui_->buttonBox, IDD_DLG_OBJ_INDICATORLIGHT);
    ui_->buttonPickCoil->setAccessibleName(ui_->labelCoil->text().remove(QLatin1Char('&')));
    QObject::connect(ui_->buttonPickCoil, &QPushButton::clicked, &dialog, [this] { PickCoil(); });
}

void CDlgObjIndicatorLight::Load()
{
    LoadName(*ui_->editName, light_);
    SetCoil(light_.coil);
    ui_->checkInversion->setChecked(light_.inversion != 0);
    ui_->checkDouble->setChecked(light_.doubleSize != 0);
    (light_.shape == 0 ? ui_->radioCircle : ui_->radioRectangle)->setChecked(true);
}

void CDlgObjIndicatorLight::Store()
{
    StoreName(*ui_->editName, light_);
    light_.coil = coil_;
    light_.inversion = ui_->checkInversion->isChecked() ? 1 : 0;
    light_.doubleSize = ui_->checkDouble->isChecked() ? 1 : 0;
    light_.shape = ui_->radioCircle->isChecked() ? 0 : 1;
}

QWidget* CDlgObjIndicatorLight::FirstField() const
{
    return ui_->editName;
}

void CDlgObjIndicatorLight::SetCoil(const RegisterRef& coil)
{
    coil_ = coil;
    ui_->editCoil->setText(coil_.ToText());
}

void CDlgObjIndicatorLight::PickCoil()
{
    CProjectController* c = Controller();
    if (!c)
        return;
    RegisterRef ref = coil_;
    const CTessanApp& app = c->App();
    if (CDlgRegister::Pick(Dialog(), app.settings, c->Messages(), app.model, ref, RegisterRef::KindBit))
        SetCoil(ref);
}
