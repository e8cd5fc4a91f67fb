#include "SetupCommands.h"
#include "DlgPanel2Plc.h"
#include "DlgPanelInfo.h"
#include "DlgPanelManager.h"
#include "DlgPassword.h"

#include "app/TessanApp.h"
#include "ui/document/ProjectController.h"

namespace SetupCommands {

void PanelManager(QWidget* parent, CProjectController& controller)
{
    if (!controller.HasProject())
        return;
    const CTessanApp& app = controller.App();
    CDlgPanelManager dialog(app.settings, controller.Messages(), app.model.panelManager, parent);
    dialog.deviceUses = [&controller](const QString& name) {
        return std::as_const(controller).DeviceUses(name);
    };
    if (dialog.exec() == QDialog::Accepted)
        controller.RenameDevices(dialog.Result(), dialog.Renames());
}

void ConfigurePassword(QWidget* parent, CProjectController& controller)
{
    if (!controller.HasProject())
        return;
    const CTessanApp& app = controller.App();
    CDlgPassword dialog(app.settings, CDlgPassword::OptionPassword,
                        app.model.plcAndPanel.optionPassword, parent);
    if (dialog.exec() == QDialog::Accepted)
        controller.SetOptionPassword(dialog.Password());
}

void PlcAndPanel(QWidget* parent, CProjectController& controller)
{
    if (!controller.HasProject())
        return;
    const CTessanApp& app = controller.App();
    CDlgPanel2Plc dialog(app.settings, controller.Messages(), app.model, app.model.plcAndPanel,
                         parent);
    if (dialog.exec() == QDialog::Accepted)
        controller.SetPlcAndPanel(dialog.Result());
}

void PanelInformation(QWidget* parent, CProjectController& controller)
{
    if (!controller.HasProject())
        return;
    const CTessanApp& app = controller.App();
    CDlgPanelInfo dialog(controller, app.settings.GetSettingString(QStringLiteral("COMPORT")),
                         parent);
    dialog.exec();
}

} // namespace SetupCommands
