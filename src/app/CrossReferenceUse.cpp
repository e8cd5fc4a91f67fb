#include "CrossReferenceUse.h"
#include "screen/ObjectFactory.h"

QString UseKindName(UseKind kind)
{
    switch (kind) {
    case UseKind::Object: return QStringLiteral("object");
    case UseKind::Key: return QStringLiteral("key");
    case UseKind::Alarm: return QStringLiteral("alarm");
    case UseKind::PlcToPanel: return QStringLiteral("plc-to-panel");
    case UseKind::PanelToPlc: return QStringLiteral("panel-to-plc");
    case UseKind::Advanced: return QStringLiteral("advanced");
    }
    return QString();
}

QString CrossReferenceUse::Place(const Wording& words) const
{
    const QString screen = QStringLiteral("#%1 %2").arg(screenNumber).arg(screenName);
    switch (kind) {
    case UseKind::Object:
        return QStringLiteral("%1 '%2' (%3)")
            .arg(screen, objectName, Worded(words, ObjectKindName(objectKind)));
    case UseKind::Key:
    case UseKind::Advanced:
        return QStringLiteral("%1 F%2 %3").arg(screen).arg(keyIndex + 1).arg(Worded(words, action));
    case UseKind::Alarm: return Worded(words, QStringLiteral("Alarm %1")).arg(alarmNumber);
    case UseKind::PlcToPanel:
    case UseKind::PanelToPlc: return Worded(words, QStringLiteral("PLC <-> Panel"));
    }
    return QString();
}
