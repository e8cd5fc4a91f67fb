#include "CliCommand.h"
#include "CliSession.h"
#include "app/ProjectReport.h"
#include "app/ProjectStorage.h"
#include "app/ReportPdfFile.h"

#include <QFileInfo>

namespace {

const char* kUsage =
    "report IN.cgp -o REPORT.pdf [--lang en|chs] [--paper a4|letter]\n"
    "    Writes the project report as a PDF: a cover, the contents, the panel\n"
    "    configuration, communication and devices, PLC <-> Panel, the alarms and\n"
    "    every screen with its picture as the panel shows it (registers 0, coils\n"
    "    off), its objects and its function keys. --lang: the language of the\n"
    "    headings (default en); --paper: the paper size (default a4). Exit status\n"
    "    2 for a usage error, 3 for a package it cannot read or a file it cannot\n"
    "    write.";

int runReport(const QStringList& args)
{
    const QString usage = QString::fromLatin1(kUsage);
    CCliArgs a;
    if (!a.Parse(args,
                 {{QStringLiteral("-o")}, {QStringLiteral("--lang")}, {QStringLiteral("--paper")}},
                 1, 1, usage))
        return 2;
    const QString lang =
        a.Has(QStringLiteral("--lang")) ? a.Value(QStringLiteral("--lang")) : QStringLiteral("en");
    const QString paper = a.Has(QStringLiteral("--paper"))
                              ? a.Value(QStringLiteral("--paper")).toLower()
                              : QStringLiteral("a4");
    if (!a.Has(QStringLiteral("-o"))
        || (lang != QLatin1String("en") && lang != QLatin1String("chs"))
        || (paper != QLatin1String("a4") && paper != QLatin1String("letter"))) {
        Cli::PrintUsage(usage);
        return 2;
    }
    const QString in = a.positionals.first();
    const QString out = a.Value(QStringLiteral("-o"));

    CCliSession session;
    CTessanApp& app = session.App();
    CProjectStorage storage(app);
    QString location, name;
    if (!session.IsValid() || !QFileInfo(in).isFile()
        || !CProjectStorage::SplitPackagePath(QFileInfo(in).absoluteFilePath(), &location, &name)
        || !storage.OpenProject(location, name)) {
        Cli::PrintError(CProjectStorage::ErrorCantOpen());
        return 3;
    }
    CProjectReport report(app, {}, lang);
    QString error;
    if (!report.Prepare(&error)) {
        Cli::PrintError(QStringLiteral("qv-cli report: %1: %2").arg(in, error));
        return 3;
    }
    const int pages = WriteReportPdf(
        report, out, paper == QLatin1String("letter") ? QPageSize::Letter : QPageSize::A4,
        app.model.info.name, &error);
    if (pages <= 0) {
        Cli::PrintError(QStringLiteral("qv-cli report: ") + error);
        return 3;
    }
    Cli::PrintOut(QStringLiteral("%1: %2 pages").arg(out).arg(pages));
    return 0;
}

CliRegistration reg({QStringLiteral("report"), QString::fromLatin1(kUsage), runReport});

} // namespace
