// The project controller's keeping of the start dialog's setting.
#include "ProjectController.h"

#include "app/TessanApp.h"

void CProjectController::SetShowStartDialog(bool always)
{
    app_.settings.WriteSetting(QStringLiteral("StartupStepDlg"), QString::number(always ? 1 : 0));
}
