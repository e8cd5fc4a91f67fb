// The project controller's edits of the transfer settings.
#include "ProjectController.h"

#include "app/TessanApp.h"
#include "project/TransferDlgInfo.h"

bool CProjectController::SetTransferSettings(const CTransferDlgInfo& copy, const QString& port)
{
    const QString portKey = QStringLiteral("COMPORT");
    if (copy == app_.model.transferInfo && port == app_.settings.GetSettingString(portKey))
        return false;
    app_.model.transferInfo = copy;
    app_.settings.WriteSetting(portKey, port);
    app_.model.modified = true;
    NotifyModifiedChanged();
    emit transferSettingsChanged();
    return true;
}
