#pragma once
#include "ProtocolTables.h"

#include <QString>
#include <QStringList>

// The register picker's check of a register number against its area's rows.
namespace RegisterNumberRule {

// The areas whose rows have data kind `kind`, each once, in table order.
QStringList AreasOfKind(const ProtocolTables::Protocol& protocol, int kind);
// The first row of the area whose lowest <= number <= highest; none when
// the number lies in no row of the area.
const ProtocolTables::MemoryArea* AcceptingRow(const ProtocolTables::Protocol& protocol,
                                               const QString& letters, int number);
// "Error Obj-001 : Register Number is invalid" and, for every row of the
// area in table order, "\n[lowest, highest]" in octal.
QString InvalidNumberMessage(const ProtocolTables::Protocol& protocol, const QString& letters);
inline const QString kInvalidNumber = QStringLiteral("Error Obj-001 : Register Number is invalid");
// The ranges part of that message.
QString AreaRanges(const ProtocolTables::Protocol& protocol, const QString& letters);
// Base of the number text for a radix code: 8 for 1, 16 for 3, else 10.
int NumberBase(int radix);

} // namespace RegisterNumberRule
