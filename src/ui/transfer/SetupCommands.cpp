#include "SetupCommands.h"
#include "DlgPanel2Plc.h"
#include "DlgPanelInfo.h"
#include "DlgPanelManager.h"
#include "DlgPassword.h"

#include "app/TessanApp.h"
#include "ui/document/ProjectController.h"

namespace SetupCommands {

bool TakePanelManager(CProjectController& controller, const CPanelManager& copy)
{
    CProjectModel& model = controller.App().model;
    if (copy == model.panelManager)
        return false;
    model.panelManager = copy;
    controller.MarkModified();
    return true;
}

bool TakePlcAndPanel(CProjectController& controller, const CPLCAndPanelAlternation& copy)
{
    CProjectModel& model = controller.App().model;
    if (copy == model.plcAndPanel)
        return false;
    model.plcAndPanel = copy;
    controller.MarkModified();
    return true;
}

bool TakeOptionPassword(CProjectController& controller, const QString& password)
{
    CProjectModel& model = controller.App().model;
    if (password == model.plcAndPanel.optionPassword)
        return false;
    model.plcAndPanel.optionPassword = password;
    controller.MarkModified();
    return true;
}

void PanelManager(QWidget* parent, CProjectController& controller)
{
    if (!controller.HasProject())
        return;
    CTessanApp& app = controller.App();
    CDlgPanelManager dialog(app.settings, *app.messages, app.model.panelManager, parent);
    if (dialog.exec() == QDialog::Accepted)
        TakePanelManager(controller, dialog.Result());
}

void ConfigurePassword(QWidget* parent, CProjectController& controller)
{
    if (!controller.HasProject())
        return;
    CTessanApp& app = controller.App();
    CDlgPassword dialog(app.settings, CDlgPassword::OptionPassword, app.model.plcAndPanel.optionPassword,
                        parent);
    if (dialog.exec() == QDialog::Accepted)
        TakeOptionPassword(controller, dialog.Password());
}

void PlcAndPanel(QWidget* parent, CProjectController& controller)
{
    if (!controller.HasProject())
        return;
    CTessanApp& app = controller.App();
    CDlgPanel2Plc dialog(app.settings, *app.messages, app.model, app.model.plcAndPanel, parent);
    if (dialog.exec() == QDialog::Accepted)
        TakePlcAndPanel(controller, dialog.Result());
}

void PanelInformation(QWidget* parent, CProjectController& controller)
{
    if (!controller.HasProject())
        return;
    CTessanApp& app = controller.App();
    CDlgPanelInfo dialog(controller, app.settings.GetSettingString(QStringLiteral("COMPORT")), parent);
    dialog.exec();
}

} // namespace SetupCommands
