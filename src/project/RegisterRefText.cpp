#include "RegisterRefText.h"
#include "ProjectModel.h"
#include "ProtocolTables.h"
#include "RegisterNumberRule.h"

namespace RegisterRefText {

namespace {

LocalText formError(const CProjectModel& model, int kind)
{
    RegisterRef example;
    model.FillRegisterRefDefaults(example, kind);
    return {QStringLiteral("The register reference is invalid. Write it as device.area.number, "
                           "for example %1"),
            {example.ToText()},
            {}};
}

} // namespace

LocalText InvalidNumberMessage(const CProjectModel& model, const QString& area)
{
    LocalText text{RegisterNumberRule::kInvalidNumber, {}, {}};
    if (const auto* protocol = ProtocolTables::FindProtocol(model.info.plcType))
        text.tail = RegisterNumberRule::AreaRanges(*protocol, area);
    return text;
}

std::optional<RegisterRef> Parse(const CProjectModel& model, const QString& text, int kind,
                                 LocalText* error)
{
    auto fail = [&](const LocalText& why) -> std::optional<RegisterRef> {
        if (error)
            *error = why;
        return std::nullopt;
    };
    const QStringList parts = text.trimmed().split(QLatin1Char('.'));
    if (parts.size() < 3 || parts.size() > 4)
        return fail(formError(model, kind));

    RegisterRef ref;
    ref.deviceName = parts[0].trimmed();
    bool known = false;
    for (const auto& device : model.Devices().devices)
        known = known || device.name == ref.deviceName;
    if (!known)
        return fail(
            {QStringLiteral("The device %1 is not in the device list"), {ref.deviceName}, {}});

    const auto* protocol = ProtocolTables::FindProtocol(model.info.plcType);
    if (!protocol)
        return fail(formError(model, kind));
    ref.area = parts[1].trimmed().toUpper();
    const auto rows = ProtocolTables::RowsOfArea(*protocol, ref.area);
    if (rows.empty() || rows.front()->kind != kind)
        return fail(formError(model, kind));

    bool ok = false;
    const QString numberText = parts[2].trimmed();
    const int number = numberText.toInt(&ok, RegisterNumberRule::NumberBase(rows.front()->radix));
    if (!ok || numberText.startsWith(QLatin1Char('-')) || numberText.startsWith(QLatin1Char('+')))
        return fail(InvalidNumberMessage(model, ref.area));
    const ProtocolTables::MemoryArea* accepting =
        RegisterNumberRule::AcceptingRow(*protocol, ref.area, number);
    if (!accepting)
        return fail(InvalidNumberMessage(model, ref.area));
    ref.address = number;
    ref.radix = accepting->radix;
    ref.bitOfWord = accepting->bitOfWord;

    if (parts.size() == 4) {
        const int bit = parts[3].trimmed().toInt(&ok);
        if (!ref.bitOfWord || !ok || bit < 0 || bit > 7)
            return fail(formError(model, kind));
        ref.bitNumber = bit;
    } else if (ref.bitOfWord) {
        return fail(formError(model, kind));
    }
    return ref;
}

} // namespace RegisterRefText
