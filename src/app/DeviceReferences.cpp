#include "DeviceReferences.h"
#include "ObjectRegisters.h"
#include "ProjectScreenObjects.h"
#include "TessanApp.h"
#include "base/LanguageSection.h"
#include "project/AlarmObject.h"
#include "project/PlcAndPanelAlternation.h"
#include "project/ProjectModel.h"
#include "project/ScreenObject.h"
#include "screen/DiagramEntityContainer.h"

namespace DeviceReferences {

namespace {

// The reference of a function key that its function type puts in effect;
// null for a screen change.
const RegisterRef* KeyReference(const CFunKeyParams& key)
{
    switch (key.functionType) {
    case 0: return &key.setCoil.coil;
    case 1: return &key.setReg.reg;
    case 3: return &key.advanced.device;
    default: return nullptr;
    }
}

} // namespace

bool Rename(RegisterRef& ref, const Renames& renames)
{
    const auto found = renames.constFind(ref.deviceName);
    if (found == renames.cend() || found.value() == ref.deviceName)
        return false;
    ref.deviceName = found.value();
    return true;
}

bool Rename(CAlarmObjList& alarms, const Renames& renames)
{
    bool changed = false;
    for (CAlarmObject& alarm : alarms.items)
        changed |= Rename(alarm.coil, renames);
    return changed;
}

bool Rename(CScreenObject& screen, const Renames& renames)
{
    bool changed = false;
    for (CFunKeyParams& key : screen.keys) {
        changed |= Rename(key.setCoil.coil, renames);
        changed |= Rename(key.setReg.reg, renames);
        changed |= Rename(key.advanced.device, renames);
    }
    return changed;
}

bool Rename(CPLCAndPanelAlternation& exchange, const Renames& renames)
{
    const bool panelToPlc = Rename(exchange.panelToPlc, renames);
    const bool plcToPanel = Rename(exchange.plcToPanel, renames);
    return panelToPlc || plcToPanel;
}

bool Rename(CDiagramEntity& object, const Renames& renames)
{
    bool changed = false;
    for (RegisterRef* ref : ObjectRegisters(object))
        changed |= Rename(*ref, renames);
    return changed;
}

bool Rename(CDiagramEntityContainer& objects, const Renames& renames)
{
    bool changed = false;
    for (const auto& object : objects.Objects())
        changed |= Rename(*object, renames);
    return changed;
}

QStringList Uses(const CTessanApp& app, const CProjectScreenObjects& screens,
                 const QString& deviceName)
{
    const CProjectModel& model = app.model;
    QString alarmList = app.settings.LookupText(IDD_DLG_ALARM, QStringLiteral("Title"));
    if (alarmList == QLatin1String("Title"))
        alarmList = QStringLiteral("Alarm List");
    const QString exchangeName =
        app.settings.LookupText(IDD_DLG_DOT_FUNCTION, QStringLiteral("PLC <-> Panel"));
    QStringList uses;
    screens.ForEach([&](const CScreenObject& screen, const CDiagramEntityContainer& objects, bool) {
        const QString title = screens.Title(screen);
        for (const auto& object : objects.Objects())
            for (const RegisterRef* ref : ObjectRegisters(*object))
                if (ref->deviceName == deviceName) {
                    uses << QStringLiteral("[%1] '%2'").arg(title, object->GetName());
                    break;
                }
    });
    for (const auto& screen : model.screens)
        for (size_t k = 0; k < screen->keys.size(); ++k) {
            const RegisterRef* ref = KeyReference(screen->keys[k]);
            if (screen->keys[k].used && ref && ref->deviceName == deviceName)
                uses << QStringLiteral("[%1] F%2").arg(screens.Title(*screen)).arg(k + 1);
        }
    for (const CAlarmObject& alarm : model.alarms.items)
        if (alarm.coil.deviceName == deviceName)
            uses << QStringLiteral("%1: %2").arg(alarmList, alarm.coil.ToText());
    const CPLCAndPanelAlternation& exchange = model.plcAndPanel;
    if (exchange.panelToPlcEnabled && exchange.panelToPlc.deviceName == deviceName)
        uses << QStringLiteral("%1: %2").arg(exchangeName, exchange.panelToPlc.ToText());
    if (exchange.plcToPanelEnabled && exchange.plcToPanel.deviceName == deviceName)
        uses << QStringLiteral("%1: %2").arg(exchangeName, exchange.plcToPanel.ToText());
    return uses;
}

} // namespace DeviceReferences
