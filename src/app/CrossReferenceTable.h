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
    QString finding; // empty for a plain use
    int useIndex = -1;
    int findingIndex = -1;
};

namespace CrossReferenceTable {

// Where each row comes from, in the rows' order: a use's index and the index
// of its finding (-1 for a use without one), or -1 and the index of a
// finding of no use.
struct RowPlace
{
    int use = -1;
    int finding = -1;
};
std::vector<RowPlace> RowPlaces(const CCrossReference& xref);
// A row with its use, place and finding in the words given (none: the
// English that qv-cli's files keep).
CrossReferenceRow RowAt(const CCrossReference& xref, RowPlace place, const Wording& words = {});
std::vector<CrossReferenceRow> Rows(const CCrossReference& xref, const Wording& words = {});
// A use kind ("object", "key", ...) or a finding code in the words given.
QString UseWord(const Wording& words, const QString& use);
QString FindingWord(const Wording& words, const QString& code);
// "device,area,address,use,place,finding" and a line per row; a field with a
// comma, a quote or a line break is quoted. UTF-8, lines end in "\n".
QByteArray Csv(const std::vector<CrossReferenceRow>& rows);
// {"uses": [{"device": ..., "finding": ...}, ...]} with the same fields.
QByteArray Json(const std::vector<CrossReferenceRow>& rows);

} // namespace CrossReferenceTable
