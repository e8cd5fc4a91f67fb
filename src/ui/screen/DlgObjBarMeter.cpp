#include "DlgObjBarMeter.h"
#include "PropertyFormDialog.h"
#include "ui/widgets/RegisterPicker.h"
#include "ui_DlgObjBarMeter.h"

#include "app/TessanApp.h"
#include "base/LanguageSection.h"
#include "screen/ObjectBarMeter.h"
#include "ui/document/ProjectController.h"

#include <QPushButton>

CDlgObjBarMeter::CDlgObjBarMeter(CObjectBarMeter& object)
    : CObjectPropertyForm(object), meter_(object), ui_(std::make_unique<Ui::CDlgObjBarMeter>())
{
}

CDlgObjBarMeter::~CDlgObjBarMeter() = default;

void CDlgObjBarMeter::Build(CPropertyFormDialog& dialog)
{
    ui_->setupUi(&dialog);
    SetUpDialog(dialog, *ui_->buttonBox, IDD_DLG_OBJ_BARMETER);
    ui_->buttonPickRegister->setAccessibleName(ui_->labelRegister->text().remove(QLatin1Char('&')));

    ui_->editPoint->SetDecimalField(1, 0, 5);

    format_ = std::make_unique<CValueFormatFields>(ValueFormatWidgets::Of(*ui_), true);
    format_->Connect(&dialog, Controller());

    QObject::connect(ui_->buttonPickRegister, &QPushButton::clicked, &dialog, [this] { PickRegister(); });
}

void CDlgObjBarMeter::Load()
{
    LoadName(*ui_->editName, meter_);
    reg_ = meter_.reg;
    ui_->editRegister->setText(reg_.ToText());
    format_->Load(meter_);
    QRadioButton* const directions[] = {ui_->radioUp, ui_->radioDown, ui_->radioRight, ui_->radioLeft};
    directions[qBound(0, meter_.direction, 3)]->setChecked(true);
}

bool CDlgObjBarMeter::Check()
{
    return format_->ApplySettings();
}

void CDlgObjBarMeter::Store()
{
    StoreName(*ui_->editName, meter_);
    meter_.reg = reg_;
    format_->Store(meter_);
    meter_.direction = ui_->radioDown->isChecked() ? 1
        : ui_->radioRight->isChecked()             ? 2
        : ui_->radioLeft->isChecked()              ? 3
                                                   : 0;
}

QWidget* CDlgObjBarMeter::FirstField() const
{
    return ui_->editName;
}

void CDlgObjBarMeter::PickRegister()
{
    CProjectController* c = Controller();
    if (!c)
        return;
    RegisterRef ref = reg_;
    const CTessanApp& app = c->App();
    if (CDlgRegister::Pick(Dialog(), app.settings, c->Messages(), app.model, ref, RegisterRef::KindWord)) {
        reg_ = ref;
        ui_->editRegister->setText(reg_.ToText());
    }
}
