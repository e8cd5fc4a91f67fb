#pragma once
#include "AlarmObject.h"

#include <QStringList>

class CProjectModel;

// The alarm list as its dialog edits it: a start coil, one message per alarm,
// and the coils counted on from the start coil.
namespace AlarmListRules {

inline constexpr int kMaxAlarms = 100;
inline constexpr int kMaxMessageLength = 24;

// The first entry's coil, or a bit reference with the project's defaults
// when the list is empty.
RegisterRef StartCoil(const CProjectModel& model);
// The coil of alarm row `row` (0 for the first): the start coil's address + row.
RegisterRef CoilOfRow(const RegisterRef& start, int row);
// Area letters and address in the coil's radix: "M100".
QString CoilLabel(const RegisterRef& coil);
// 1 to 24 characters.
bool IsValidMessage(const QString& message);
// The number (1 for the first) of the first row whose message is invalid;
// 0 when every row passes.
int FirstInvalidRow(const QStringList& messages);
// The list of consecutive coils from the start coil, one entry per message.
CAlarmObjList Build(const RegisterRef& start, const QStringList& messages);

} // namespace AlarmListRules
