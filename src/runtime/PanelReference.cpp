#include "PanelReference.h"
#include "PanelReferenceTable.h"
#include "project/ProtocolTables.h"

namespace {

// The panel runs the one protocol that the tool knows.
std::span<const ProtocolTables::MemoryArea> areas()
{
    const ProtocolTables::Protocol* p =
        ProtocolTables::FindProtocol(QString::fromLatin1(ProtocolTables::kVardoVSequence));
    return p ? ProtocolTables::MemoryAreas(*p) : std::span<const ProtocolTables::MemoryArea>();
}

int radixBase(int radix)
{
    return radix == 1 ? 8 : radix == 3 ? 16 : 10;
}

} // namespace

QString PanelAddressText(quint16 address, bool coil)
{
    const int kind = coil ? 0 : 2;
    for (const ProtocolTables::MemoryArea& a : areas()) {
        if (a.kind != kind)
            continue;
        const int number = int(address) - a.baseAddress;
        if (number >= a.lowest && number <= a.highest)
            return QLatin1String(a.letters) + QString::number(number, radixBase(a.radix)).toUpper();
    }
    return QStringLiteral("0x")
           + QStringLiteral("%1").arg(address, 4, 16, QLatin1Char('0')).toUpper();
}

bool ParsePanelAddressText(const QString& text, quint16* address, bool* coil)
{
    const QString t = text.trimmed();
    qsizetype letters = 0;
    while (letters < t.size() && t[letters].isLetter())
        ++letters;
    if (letters == 0 || letters == t.size())
        return false;
    const QString area = t.left(letters).toUpper();
    const QString digits = t.mid(letters);
    for (const ProtocolTables::MemoryArea& a : areas()) {
        if (area != QLatin1String(a.letters))
            continue;
        bool ok = false;
        const int number = digits.toInt(&ok, radixBase(a.radix));
        if (!ok || digits.startsWith(QLatin1Char('+')) || digits.startsWith(QLatin1Char('-')))
            return false;
        if (number < a.lowest || number > a.highest)
            continue; // another row of the area may hold it
        if (address)
            *address = quint16(a.baseAddress + number);
        if (coil)
            *coil = a.kind == 0;
        return true;
    }
    return false;
}

QString PanelUseText(const PanelUse& use, const Wording& words)
{
    const auto t = [&words](const char* english) {
        return Worded(words, QString::fromLatin1(english));
    };
    switch (use.kind) {
    case PanelUse::Object:
        return t("Screen %1: %2 %3")
            .arg(use.screen)
            .arg(Worded(words, CPanelReferenceTable::KindName(use.objectKind)))
            .arg(use.number);
    case PanelUse::Key:
        return t("Screen %1: F%2 %3")
            .arg(use.screen)
            .arg(use.number)
            .arg(t(use.function == 0 ? "Set Coil" : "Set Register"));
    case PanelUse::Alarm: return t("Alarm %1").arg(use.number);
    case PanelUse::PanelToPlc: return t("Panel -> PLC");
    case PanelUse::PlcToPanel: return t("PLC -> Panel");
    case PanelUse::Beep: return t("PLC -> Panel: Beep");
    }
    return QString();
}
