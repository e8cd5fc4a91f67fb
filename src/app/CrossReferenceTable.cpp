#include "CrossReferenceTable.h"
#include "CrossReference.h"

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

std::vector<RowPlace> RowPlaces(const CCrossReference& xref)
{
    const auto& uses = xref.Uses();
    const auto& findings = xref.Findings();
    std::vector<RowPlace> places;
    places.reserve(uses.size() + findings.size());
    size_t f = 0;
    for (int i = 0; i < int(uses.size()); ++i) {
        // The findings of a use are listed in use order.
        bool any = false;
        for (; f < findings.size() && findings[f].use == i; ++f) {
            places.push_back({i, int(f)});
            any = true;
        }
        if (!any)
            places.push_back({i, -1});
    }
    for (int k = 0; k < int(findings.size()); ++k)
        if (findings[size_t(k)].use < 0)
            places.push_back({-1, k});
    return places;
}

CrossReferenceRow RowAt(const CCrossReference& xref, RowPlace place, const Wording& words)
{
    CrossReferenceRow row;
    row.useIndex = place.use;
    row.findingIndex = place.finding;
    const CrossReferenceFinding* finding =
        place.finding >= 0 ? &xref.Findings()[size_t(place.finding)] : nullptr;
    if (finding)
        row.finding = FindingWord(words, finding->code);
    if (place.use >= 0) {
        const CrossReferenceUse& use = xref.Uses()[size_t(place.use)];
        row.device = use.ref.deviceName;
        if (use.kind != UseKind::Advanced) {
            row.area = use.ref.area;
            row.address = xref.AddressText(place.use);
        }
        row.use = UseWord(words, UseKindName(use.kind));
        row.place = words ? use.Place(words) : xref.PlaceText(place.use);
    } else if (finding && finding->bitmap.isEmpty()) {
        row.use = UseWord(words, QStringLiteral("screen"));
        row.place = QStringLiteral("#%1 %2").arg(finding->screenNumber).arg(finding->screenName);
    } else if (finding) {
        row.use = UseWord(words, QStringLiteral("bitmap"));
        row.place = finding->bitmap;
    }
    return row;
}

std::vector<CrossReferenceRow> Rows(const CCrossReference& xref, const Wording& words)
{
    std::vector<CrossReferenceRow> rows;
    const std::vector<RowPlace> places = RowPlaces(xref);
    rows.reserve(places.size());
    for (const RowPlace& place : places)
        rows.push_back(RowAt(xref, place, words));
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
