#include "ReportRows.h"
#include "ReportTexts.h"
#include "ObjectRegisters.h"
#include "project/FunKeyParams.h"
#include "screen/DiagramEntity.h"
#include "screen/ObjectFactory.h"
#include "screen/ObjectDynamicText.h"
#include "screen/ObjectIndicatorLight.h"
#include "screen/ObjectString.h"
#include "screen/RegisterValueProperties.h"
#include "screen/ValueFormatRules.h"

#include <QtGlobal>
#include <cstring>

namespace ReportRows {

namespace {

QString formatName(ValueFormat format, const CReportTexts& t)
{
    switch (format) {
    case VF_SIGNED_16: return t("Signed 16-bit");
    case VF_SIGNED_32: return t("Signed 32-bit");
    case VF_UNSIGNED_16: return t("Unsigned 16-bit");
    case VF_UNSIGNED_32: return t("Unsigned 32-bit");
    case VF_BCD_16: return t("BCD 16-bit");
    case VF_BCD_32: return t("BCD 32-bit");
    case VF_FLOAT: return t("Float");
    }
    return QString();
}

// The value fields of the kinds that show a value in a format (meters,
// numeric); none for the others.
const RegisterValueProperties* valueProperties(const CDiagramEntity& object)
{
    return dynamic_cast<const RegisterValueProperties*>(&object);
}

QString registerText(const CDiagramEntity& object)
{
    const auto refs = ObjectRegisters(object);
    return refs.empty() ? QString() : refs.front()->ToText();
}

} // namespace

QString KindName(int kind, const CReportTexts& t)
{
    const QString name = ObjectKindName(kind);
    return name.isEmpty() ? QString() : t.Text(name);
}

QStringList Object(const CDiagramEntity& object, const CReportTexts& t)
{
    const PaperRect r = object.GetRect();
    const QString position = QStringLiteral("%1,%2  %3\u00d7%4")
                                 .arg(qMin(r.left, r.right))
                                 .arg(qMin(r.top, r.bottom))
                                 .arg(qAbs(r.Width()))
                                 .arg(qAbs(r.Height()));
    QString format, range;
    if (const RegisterValueProperties* v = valueProperties(object)) {
        const ValueFormat f = v->GetValueFormat();
        format = formatName(f, t);
        if (v->decimalPlaces > 0 && f != VF_FLOAT)
            format += QStringLiteral(", ") + t("%1 decimal places").arg(v->decimalPlaces);
        range = ValueFormatRules::ShowValue(f, v->minimum) + QStringLiteral(" .. ")
                + ValueFormatRules::ShowValue(f, v->maximum);
    } else if (object.Kind() == OBJ_DYNAMIC_TEXT) {
        const auto& d = dynamic_cast<const CObjectDynamicText&>(object);
        format = d.model ? QStringLiteral("HEX/BCD") : QStringLiteral("DEC");
        range = t("%1 texts").arg(d.texts.size());
        if (!d.texts.isEmpty())
            range += QStringLiteral(": ") + d.texts.join(QStringLiteral(" | "));
    } else if (object.Kind() == OBJ_INDICATOR_LIGHT) {
        format = t("Coil");
    } else if (object.Kind() == OBJ_STRING) {
        const auto& s = dynamic_cast<const CObjectString&>(object);
        format = t("String, %1 registers").arg(s.registerCount);
    }
    return {KindName(object.Kind(), t), object.GetName(), position,
            registerText(object),       format,           range};
}

QStringList FunctionKey(int index, const CFunKeyParams& key, const CReportTexts& t)
{
    const QString name = QStringLiteral("F%1").arg(index + 1);
    if (!key.used)
        return {name, t("Unused"), QString(), QString(), QString()};
    QString function, action;
    switch (key.functionType) {
    case 0: {
        static const char* const actions[] = {"SET ON", "SET OFF", "SET NOT", "INSTANT ON"};
        function = t("Set Coil");
        const int a = key.setCoil.action;
        action = key.setCoil.coil.ToText() + QStringLiteral("  ")
                 + (a >= 0 && a < 4 ? t(actions[a]) : QString::number(a));
        break;
    }
    case 1: {
        const CFunKey_SetReg& s = key.setReg;
        function = t("Set Register");
        const ValueFormat f =
            DeriveValueFormat(s.isFloat, s.mode, s.isSigned, s.quantity == 2 ? 2 : 1);
        quint32 pattern = 0;
        std::memcpy(&pattern, &s.value, sizeof pattern);
        action =
            QStringLiteral("%1 = %2").arg(s.reg.ToText(), ValueFormatRules::ShowValue(f, pattern));
        if (s.quantity != 1)
            action += QStringLiteral("  (") + t("%1 registers").arg(s.quantity) + QLatin1Char(')');
        break;
    }
    case 2:
        function = t("Screen Change");
        action = key.screenChg.target == 1 ? t("Alarm list")
                                           : t("Screen %1").arg(key.screenChg.screenNumber);
        break;
    case 3:
        function = t("Advanced");
        action = QStringLiteral("%1  %2").arg(key.advanced.device.deviceName,
                                              t(key.advanced.command == 1 ? "STOP" : "RUN"));
        break;
    default: function = t("Unknown"); break;
    }
    return {name, function, action, key.password ? t("YES") : t("NO"),
            key.showDescription ? key.description : QString()};
}

} // namespace ReportRows
