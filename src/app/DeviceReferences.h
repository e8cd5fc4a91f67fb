#pragma once
#include <QMap>
#include <QString>
#include <QStringList>

class CAlarmObjList;
class CDiagramEntity;
class CDiagramEntityContainer;
class CPLCAndPanelAlternation;
class CProjectModel;
class CTessanApp;
class CProjectScreenObjects;
class CScreenObject;
struct RegisterRef;

// The references of a project that name its devices: screen objects' coils
// and registers, alarm coils, function keys' coils, registers and PLC
// commands, the PLC <-> Panel words. A device rename follows into all of
// them; a device about to go is looked up in them.
namespace DeviceReferences {

// Old device name -> new device name, applied at once (so two devices may
// swap their names).
using Renames = QMap<QString, QString>;

// Each renames its references; true when any changed.
bool Rename(RegisterRef& ref, const Renames& renames);
bool Rename(CAlarmObjList& alarms, const Renames& renames);
bool Rename(CScreenObject& screen, const Renames& renames); // its function keys
bool Rename(CPLCAndPanelAlternation& exchange, const Renames& renames);
bool Rename(CDiagramEntity& object, const Renames& renames);
bool Rename(CDiagramEntityContainer& objects, const Renames& renames);

// Where the project uses the device name, one line a use: "[screen title]
// 'object name'" for an object, "[screen title] F<n>" for a function key in
// use, "Alarm List: <coil>" and "PLC <-> Panel: <word>" (those two in the
// language of the settings).
QStringList Uses(const CTessanApp& app, const CProjectScreenObjects& screens,
                 const QString& deviceName);

} // namespace DeviceReferences
