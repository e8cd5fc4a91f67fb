#pragma once
#include "AlarmObject.h"
#include "PanelManager.h"
#include "PlcAndPanelAlternation.h"
#include "ProjectInfo.h"
#include "ScreenObject.h"
#include "TransferDlgInfo.h"
#include "base/VersionNumber.h"

#include <QStringList>
#include <memory>
#include <vector>

// The records of the one open project. Screens are kept in descending order
// of screen number; the objects on each screen live in the screen's own file.
class CProjectModel
{
public:
    CProjectModel();
    CProjectModel(const CProjectModel&) = delete;
    CProjectModel& operator=(const CProjectModel&) = delete;

    // A copy of every record and flag, screens included, for work that must
    // not share the open project (a compilation on its worker thread).
    std::unique_ptr<CProjectModel> Clone() const;

    ProjectInfo info;
    CPanelManager panelManager;
    CAlarmObjList alarms;
    CPLCAndPanelAlternation plcAndPanel;
    CTransferDlgInfo transferInfo;
    QStringList bitmapFiles;
    std::vector<std::unique_ptr<CScreenObject>> screens;

    // Read from Prj.ini when a project is opened; 0.0.0.0 for a new project.
    VersionNumber formatVersion;
    bool IsLegacyRangeMode() const { return formatVersion.IsLegacyRange(); }

    // Everything back to a new project with the given identity (the screen
    // list empty).
    void ResetProjectModel(const QString& name, const QString& location, const QString& hmiType,
                           const QString& plcType);
    void FillRegisterRefDefaults(RegisterRef& ref, int kind) const;

    // A record with that number and name, previous number - 1 and next + 1
    // (kept within 1..999), inserted before the first smaller number.
    CScreenObject* AddScreen(int number, const QString& name);
    CScreenObject* FindScreen(int number) const;
    void RemoveScreen(int number);
    bool IsScreenNumberUsed(int number, int excludedNumber = 0) const;
    int FirstFreeScreenNumber() const;
    static void CopyScreenObject(const CScreenObject& source, CScreenObject& target);
    CDeviceInfo& Devices() { return panelManager.deviceInfo; }
    const CDeviceInfo& Devices() const { return panelManager.deviceInfo; }
};
