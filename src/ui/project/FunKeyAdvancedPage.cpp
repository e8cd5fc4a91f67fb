#include "FunKeyAdvancedPage.h"
#include "app/TessanApp.h"
#include "ui/document/ProjectController.h"
#include "ui_FunKeyAdvancedPage.h"

CFunKeyAdvancedPage::CFunKeyAdvancedPage(CProjectController& controller, QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::CFunKeyAdvancedPage>())
{
    ui_->setupUi(this);
    for (const auto& device : controller.App().model.Devices().devices)
        ui_->comboDevice->addItem(device.name);
}

CFunKeyAdvancedPage::~CFunKeyAdvancedPage() = default;

void CFunKeyAdvancedPage::Load(const CFunKey_Advanced& action)
{
    const int at = ui_->comboDevice->findText(action.device.deviceName, Qt::MatchExactly | Qt::MatchCaseSensitive);
    ui_->comboDevice->setCurrentIndex(at >= 0 ? at : 0);
    (action.command == 1 ? ui_->radioStop : ui_->radioRun)->setChecked(true);
}

void CFunKeyAdvancedPage::Store(CFunKey_Advanced& action) const
{
    if (ui_->comboDevice->currentIndex() >= 0)
        action.device.deviceName = ui_->comboDevice->currentText();
    action.command = ui_->radioStop->isChecked() ? 1 : 0;
}
