#include "RegisterNumberRule.h"

namespace RegisterNumberRule {

QStringList AreasOfKind(const ProtocolTables::Protocol& protocol, int kind)
{
    QStringList areas;
    for (const ProtocolTables::MemoryArea& row : ProtocolTables::MemoryAreas(protocol)) {
        const QString letters = QString::fromLatin1(row.letters);
        if (row.kind == kind && !areas.contains(letters))
            areas << letters;
    }
    return areas;
}

const ProtocolTables::MemoryArea* AcceptingRow(const ProtocolTables::Protocol& protocol,
                                               const QString& letters, int number)
{
    for (const ProtocolTables::MemoryArea* row : ProtocolTables::RowsOfArea(protocol, letters))
        if (row->lowest <= number && number <= row->highest)
            return row;
    return nullptr;
}

QString AreaRanges(const ProtocolTables::Protocol& protocol, const QString& letters)
{
    QString text;
    for (const ProtocolTables::MemoryArea* row : ProtocolTables::RowsOfArea(protocol, letters))
        text += QStringLiteral("\n[%1, %2]").arg(row->lowest, 0, 8).arg(row->highest, 0, 8);
    return text;
}

QString InvalidNumberMessage(const ProtocolTables::Protocol& protocol, const QString& letters)
{
    return kInvalidNumber + AreaRanges(protocol, letters);
}

int NumberBase(int radix)
{
    return radix == 1 ? 8 : radix == 3 ? 16 : 10;
}

} // namespace RegisterNumberRule
