#include "FunKeyAdvancedPage.h"
#include "app/TessanApp.h"
#include "ui/document/ProjectController.h"
#include "ui/widgets/ChoiceBox.h"
#include "ui_FunKeyAdvancedPage.h"

CFunKeyAdvancedPage::CFunKeyAdvancedPage(CProjectController& controller, QWidget* parent)
    : QWidget(parent),
      ui_(std::make_unique<Ui::CFunKeyAdvancedPage>())
{
    ui_->setupUi(this);
    for (const auto& device : controller.App().model.Devices().devices)
        ui_->comboDevice->addItem(device.name);
}

CFunKeyAdvancedPage::~CFunKeyAdvancedPage() = default;

void CFunKeyAdvancedPage::Load(const CFunKey_Advanced& action)
{
    // The device of that name, else the first: a key that names no device
    // yet gets one that exists. A name the list lacks (a device deleted
    // since) is shown as it is and kept unless another entry is picked.
    if (action.device.deviceName.isEmpty() && ui_->comboDevice->count() > 0)
        ui_->comboDevice->setCurrentIndex(0);
    else
        ChoiceBox::ShowText(ui_->comboDevice, action.device.deviceName);
    (action.command == 1 ? ui_->radioStop : ui_->radioRun)->setChecked(true);
}

void CFunKeyAdvancedPage::Store(CFunKey_Advanced& action) const
{
    action.device.deviceName = ChoiceBox::Text(ui_->comboDevice);
    action.command = ui_->radioStop->isChecked() ? 1 : 0;
}
