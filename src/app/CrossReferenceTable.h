#pragma once
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
    QString finding; // empty for a plain use
    int useIndex = -1;
    int findingIndex = -1;
};

namespace CrossReferenceTable {

std::vector<CrossReferenceRow> Rows(const CCrossReference& xref);
// "device,area,address,use,place,finding" and a line per row; a field with a
// comma, a quote or a line break is quoted. UTF-8, lines end in "\n".
QByteArray Csv(const std::vector<CrossReferenceRow>& rows);
// {"uses": [{"device": ..., "finding": ...}, ...]} with the same fields.
QByteArray Json(const std::vector<CrossReferenceRow>& rows);

} // namespace CrossReferenceTable
