#pragma once
#include "RegisterRef.h"
#include "base/LocalText.h"

#include <QByteArray>
#include <QStringList>
#include <optional>

class CProjectModel;

// The alarm list as a CSV file: UTF-8, a header line "coil,message", then one
// line per alarm with its coil in the reference text form (DEV001.M.100) and
// its message. Fields that hold a comma, a quote, a line break or blanks at
// either end are quoted, a quote inside doubled; lines end in CR LF.
namespace AlarmListCsv {

QByteArray Write(const RegisterRef& start, const QStringList& messages);

struct Content
{
    // The first row's coil; none for a file without alarm rows.
    std::optional<RegisterRef> start;
    QStringList messages;
};

// Reads and checks a whole file with the alarm list's rules: a coil of the
// project (a bit), each row's coil the one after the row before, a message of
// 1 to 24 characters without control characters, at most 100 rows. On the
// first fault: none, and `error` names the row (1 for the first alarm row)
// and its line in the file.
std::optional<Content> Read(const QByteArray& bytes, const CProjectModel& model,
                            LocalText* error = nullptr);

} // namespace AlarmListCsv
