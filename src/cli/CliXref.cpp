#include "CliCommand.h"
#include "CliSession.h"
#include "app/CrossReference.h"
#include "app/CrossReferenceTable.h"
#include "app/ProjectScreenObjects.h"
#include "app/ProjectStorage.h"

#include <QFileInfo>

#include <cstdio>

namespace {

const QString kUsage =
    QStringLiteral("xref IN.cgp [--csv | --json]\n"
                   "    Lists every register and coil of the project with its uses (device, area,\n"
                   "    address, use, place) and the findings to look at before a download:\n"
                   "    overlap, range, device, unreached, plc-only, unused-bitmap. Exit status 0\n"
                   "    without findings, 1 with findings, 2 for a usage error, 3 for a package\n"
                   "    that cannot be read.");

// The rows as a table of aligned columns.
QByteArray TextTable(const std::vector<CrossReferenceRow>& rows)
{
    std::vector<QStringList> lines{{QStringLiteral("Device"), QStringLiteral("Area"),
                                    QStringLiteral("Address"), QStringLiteral("Use"),
                                    QStringLiteral("Place"), QStringLiteral("Finding")}};
    for (const CrossReferenceRow& row : rows)
        lines.push_back({row.device, row.area, row.address, row.use, row.place, row.finding});
    std::vector<qsizetype> widths(6, 0);
    for (const QStringList& line : lines)
        for (int c = 0; c < 6; ++c)
            widths[c] = std::max(widths[c], line[c].size());
    QString text;
    for (const QStringList& line : lines) {
        QString out;
        for (int c = 0; c < 6; ++c)
            out += c < 5 ? line[c].leftJustified(widths[c] + 2) : line[c];
        text += out.trimmed() + QLatin1Char('\n');
    }
    return text.toUtf8();
}

int runXref(const QStringList& args)
{
    CCliArgs parsed;
    if (!parsed.Parse(args, {{QStringLiteral("--csv"), false}, {QStringLiteral("--json"), false}},
                      1, 1, kUsage))
        return 2;
    const bool csv = parsed.Has(QStringLiteral("--csv"));
    const bool json = parsed.Has(QStringLiteral("--json"));
    if (csv && json) {
        Cli::PrintError(QStringLiteral("qv-cli xref: --csv and --json exclude each other"));
        Cli::PrintError(QStringLiteral("usage: qv-cli ") + kUsage.section(QLatin1Char('\n'), 0, 0));
        return 2;
    }
    CCliSession session;
    CTessanApp& app = session.App();
    CProjectStorage storage(app);
    QString location, name;
    const QString in = QFileInfo(parsed.positionals[0]).absoluteFilePath();
    if (!session.IsValid() || !CProjectStorage::SplitPackagePath(in, &location, &name)
        || !storage.OpenProject(location, name)) {
        Cli::PrintError(CProjectStorage::ErrorCantOpen());
        return 3;
    }
    CCrossReference xref;
    xref.Build(app.model, CProjectScreenObjects(app, {}));
    const std::vector<CrossReferenceRow> rows = CrossReferenceTable::Rows(xref);
    const QByteArray out = csv    ? CrossReferenceTable::Csv(rows)
                           : json ? CrossReferenceTable::Json(rows)
                                  : TextTable(rows);
    std::fwrite(out.constData(), 1, size_t(out.size()), stdout);
    std::fflush(stdout);
    return xref.HasFindings() ? 1 : 0;
}

CliRegistration reg({QStringLiteral("xref"), kUsage, runXref});

} // namespace
