#pragma once
#include "base/Wording.h"

#include <QByteArray>
#include <QString>
#include <vector>

class CCrossReference;

// One line of the cross-reference as qv-cli, the report and the editor's pane
// show it: a use (once per finding on it, or once with an empty finding), a
// screen nothing reaches, or a bitmap nothing shows.
struct CrossReferenceRow
{
    QString device;
    QString area;
    QString address; // as the register picker writes it
    QString use;     // "object", "key", ..., "screen" or "bitmap" for those findings
    QString place;
    QString finding; // "overlap", ...; empty for a plain use
    int useIndex = -1;
    int findingIndex = -1;
};

namespace CrossReferenceTable {

// The rows with their use, place and finding in the wording: the report's
// and the editor's language; none keeps the English words of the files.
std::vector<CrossReferenceRow> Rows(const CCrossReference& xref, const Wording& words = {});
// A use's kind ("object", ...) and a finding's code ("device", ...) as the
// rows word them. The language files key them with their column ("use
// object", "finding device"): a section's keys ignore case, and "Device" is
// a column's title there.
QString UseWord(const Wording& words, const QString& use);
QString FindingWord(const Wording& words, const QString& code);
// "device,area,address,use,place,finding" and a line per row; a field with a
// comma, a quote or a line break is quoted. UTF-8, lines end in "\n".
QByteArray Csv(const std::vector<CrossReferenceRow>& rows);
// {"uses": [{"device": ..., "finding": ...}, ...]} with the same fields.
QByteArray Json(const std::vector<CrossReferenceRow>& rows);

} // namespace CrossReferenceTable
