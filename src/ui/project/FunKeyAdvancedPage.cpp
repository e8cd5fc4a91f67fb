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
    // A name the device list does not have is shown as it is.
    ChoiceBox::ShowText(ui_->comboDevice, action.device.deviceName);
    (action.command == 1 ? ui_->radioStop : ui_->radioRun)->setChecked(true);
}

void CFunKeyAdvancedPage::Store(CFunKey_Advanced& action) const
{
    action.device.deviceName = ChoiceBox::Text(ui_->comboDevice);
    action.command = ui_->radioStop->isChecked() ? 1 : 0;
}
