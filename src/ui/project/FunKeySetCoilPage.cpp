#include "FunKeySetCoilPage.h"
#include "ui_FunKeySetCoilPage.h"

CFunKeySetCoilPage::CFunKeySetCoilPage(CProjectController&, RegisterPicker picker, QWidget* parent)
    : QWidget(parent),
      ui_(std::make_unique<Ui::CFunKeySetCoilPage>())
{
    ui_->setupUi(this);
    ui_->fieldCoil->Bind(RegisterRef::KindBit, std::move(picker));
}

CFunKeySetCoilPage::~CFunKeySetCoilPage() = default;

void CFunKeySetCoilPage::Load(const CFunKey_SetCoil& action)
{
    ui_->fieldCoil->SetRef(action.coil);
    QRadioButton* radios[] = {ui_->radioSetOn, ui_->radioSetOff, ui_->radioSetNot,
                              ui_->radioInstantOn};
    radios[action.action >= 0 && action.action <= 3 ? action.action : 0]->setChecked(true);
}

void CFunKeySetCoilPage::Store(CFunKey_SetCoil& action) const
{
    action.coil = ui_->fieldCoil->Ref();
    action.action = ui_->radioSetOff->isChecked()      ? 1
                    : ui_->radioSetNot->isChecked()    ? 2
                    : ui_->radioInstantOn->isChecked() ? 3
                                                       : 0;
}
