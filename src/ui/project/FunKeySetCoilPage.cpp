#include "FunKeySetCoilPage.h"
#include "ui_FunKeySetCoilPage.h"

CFunKeySetCoilPage::CFunKeySetCoilPage(CProjectController&, RegisterPicker picker, QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::CFunKeySetCoilPage>()), picker_(std::move(picker))
{
    ui_->setupUi(this);
    connect(ui_->buttonPickCoil, &QPushButton::clicked, this, &CFunKeySetCoilPage::PickCoil);
    ui_->buttonPickCoil->setAccessibleName(ui_->labelCoil->text().remove(QLatin1Char('&')));
}

CFunKeySetCoilPage::~CFunKeySetCoilPage() = default;

void CFunKeySetCoilPage::Load(const CFunKey_SetCoil& action)
{
    coil_ = action.coil;
    ui_->editCoil->setText(coil_.ToText());
    QRadioButton* radios[] = {ui_->radioSetOn, ui_->radioSetOff, ui_->radioSetNot, ui_->radioInstantOn};
    radios[action.action >= 0 && action.action <= 3 ? action.action : 0]->setChecked(true);
}

void CFunKeySetCoilPage::Store(CFunKey_SetCoil& action) const
{
    action.coil = coil_;
    action.action = ui_->radioSetOff->isChecked() ? 1
        : ui_->radioSetNot->isChecked()           ? 2
        : ui_->radioInstantOn->isChecked()        ? 3
                                                  : 0;
}

void CFunKeySetCoilPage::PickCoil()
{
    RegisterRef ref = coil_;
    if (picker_ && picker_(this, RegisterRef::KindBit, ref)) {
        coil_ = ref;
        ui_->editCoil->setText(coil_.ToText());
    }
}
