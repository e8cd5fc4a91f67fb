// The typed edits of the project records: the only writers of these records
// in the editor. A dialog's copy is compared with the record and taken over
// only when it differs; then the modified flag is set and the record's own
// signal tells whoever shows it.
#include "ProjectController.h"
#include "app/TessanApp.h"

namespace {

template <class Record>
bool TakeOver(Record& record, const Record& copy)
{
    if (record == copy)
        return false;
    record = copy;
    return true;
}

} // namespace

bool CProjectController::SetProjectInfo(const ProjectInfo& info)
{
    if (!TakeOver(app_.model.info, info))
        return false;
    markModified();
    emit projectInfoChanged();
    return true;
}

bool CProjectController::SetPanelManager(const CPanelManager& panel)
{
    if (!TakeOver(app_.model.panelManager, panel))
        return false;
    markModified();
    emit panelManagerChanged();
    return true;
}

bool CProjectController::SetPlcAndPanel(const CPLCAndPanelAlternation& exchange)
{
    const bool passwordDiffers = exchange.optionPassword != app_.model.plcAndPanel.optionPassword;
    if (!TakeOver(app_.model.plcAndPanel, exchange))
        return false;
    markModified();
    emit plcAndPanelChanged();
    if (passwordDiffers)
        emit passwordChanged();
    return true;
}

bool CProjectController::SetOptionPassword(const QString& password)
{
    if (!TakeOver(app_.model.plcAndPanel.optionPassword, password))
        return false;
    markModified();
    emit passwordChanged();
    return true;
}

bool CProjectController::SetAlarms(const CAlarmObjList& alarms)
{
    if (!TakeOver(app_.model.alarms, alarms))
        return false;
    markModified();
    emit alarmsChanged();
    return true;
}

bool CProjectController::SetScreenOptions(int number, const CScreenObject& options)
{
    CScreenObject* screen = app_.model.FindScreen(number);
    if (!screen)
        return false;
    const bool changedScreen = TakeOver(screen->screenChange, options.screenChange);
    const bool changedKeys = TakeOver(screen->keys, options.keys);
    if (!changedScreen && !changedKeys)
        return false;
    markModified();
    emit screenOptionsChanged(number);
    return true;
}
