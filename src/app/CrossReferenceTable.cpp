#include "CrossReferenceTable.h"
#include "CrossReference.h"
#include "project/RegisterAddressText.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace CrossReferenceTable {

namespace {

QString CsvField(const QString& field)
{
    if (!field.contains(QLatin1Char(',')) && !field.contains(QLatin1Char('"'))
        && !field.contains(QLatin1Char('\n')) && !field.contains(QLatin1Char('\r')))
        return field;
    QString quoted = field;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

// A word keyed with its column; the English itself when the wording has
// none.
QString ColumnWord(const Wording& words, QLatin1String column, const QString& english)
{
    if (!words)
        return english;
    const QString key = column + QLatin1Char(' ') + english;
    const QString text = words(key);
    return text.isEmpty() || text == key ? english : text;
}

} // namespace

QString UseWord(const Wording& words, const QString& use)
{
    return ColumnWord(words, QLatin1String("use"), use);
}

QString FindingWord(const Wording& words, const QString& code)
{
    return ColumnWord(words, QLatin1String("finding"), code);
}

std::vector<CrossReferenceRow> Rows(const CCrossReference& xref, const Wording& words)
{
    std::vector<CrossReferenceRow> rows;
    rows.reserve(xref.Uses().size() + xref.Findings().size());
    const auto& uses = xref.Uses();
    const auto& findings = xref.Findings();
    size_t f = 0;
    for (int i = 0; i < int(uses.size()); ++i) {
        const CrossReferenceUse& use = uses[i];
        CrossReferenceRow row;
        row.device = use.ref.deviceName;
        if (use.kind != UseKind::Advanced) {
            row.area = use.ref.area;
            row.address = RegisterAddressText(use.ref);
        }
        row.use = UseWord(words, UseKindName(use.kind));
        row.place = use.Place(words);
        row.useIndex = i;
        // The findings of a use are listed in use order.
        bool any = false;
        for (; f < findings.size() && findings[f].use == i; ++f) {
            row.finding = FindingWord(words, findings[f].code);
            row.findingIndex = int(f);
            rows.push_back(row);
            any = true;
        }
        if (!any)
            rows.push_back(row);
    }
    for (int k = 0; k < int(findings.size()); ++k) {
        const CrossReferenceFinding& finding = findings[k];
        if (finding.use >= 0)
            continue;
        CrossReferenceRow row;
        row.finding = FindingWord(words, finding.code);
        row.findingIndex = k;
        if (finding.bitmap.isEmpty()) {
            row.use = UseWord(words, QStringLiteral("screen"));
            row.place = QStringLiteral("#%1 %2").arg(finding.screenNumber).arg(finding.screenName);
        } else {
            row.use = UseWord(words, QStringLiteral("bitmap"));
            row.place = finding.bitmap;
        }
        rows.push_back(row);
    }
    return rows;
}

QByteArray Csv(const std::vector<CrossReferenceRow>& rows)
{
    QString text = QStringLiteral("device,area,address,use,place,finding\n");
    for (const CrossReferenceRow& row : rows)
        text += CsvField(row.device) + QLatin1Char(',') + CsvField(row.area) + QLatin1Char(',')
                + CsvField(row.address) + QLatin1Char(',') + CsvField(row.use) + QLatin1Char(',')
                + CsvField(row.place) + QLatin1Char(',') + CsvField(row.finding)
                + QLatin1Char('\n');
    return text.toUtf8();
}

QByteArray Json(const std::vector<CrossReferenceRow>& rows)
{
    QJsonArray array;
    for (const CrossReferenceRow& row : rows)
        array.append(QJsonObject{{QStringLiteral("device"), row.device},
                                 {QStringLiteral("area"), row.area},
                                 {QStringLiteral("address"), row.address},
                                 {QStringLiteral("use"), row.use},
                                 {QStringLiteral("place"), row.place},
                                 {QStringLiteral("finding"), row.finding}});
    return QJsonDocument(QJsonObject{{QStringLiteral("uses"), array}})
        .toJson(QJsonDocument::Indented);
}

} // namespace CrossReferenceTable
