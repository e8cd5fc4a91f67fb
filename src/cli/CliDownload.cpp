#include "CliCommand.h"
#include "CliSession.h"
#include "CliTransfer.h"
#include "app/ProjectStorage.h"

#include <QFile>
#include <QFileInfo>

namespace {

const QString kUsage =
    QStringLiteral("download (IN.cgp | IMAGE.bin) --port PORT [--password DIGITS]\n"
                   "    Downloads a runtime image to the panel: a project package is compiled\n"
                   "    first, any other file is sent as it is. With --password the panel may\n"
                   "    later upload its image with that password; without, it may not.");

// The panel needs the image header with the firmware version it needs, and
// room for the image.
bool ImageSizeFits(qsizetype size)
{
    if (size >= 17 && TransferOperations::ImageFitsPanel(size))
        return true;
    Cli::PrintError(
        QStringLiteral("qv-cli download: the runtime image has %1 bytes; the panel takes 17 to %2")
            .arg(size)
            .arg(TransferOperations::kImageLimit - 1));
    return false;
}

int runDownload(const QStringList& args)
{
    CCliArgs parsed;
    if (!parsed.Parse(args, {{QStringLiteral("--port")}, {QStringLiteral("--password")}}, 1, 1,
                      kUsage))
        return 2;
    const QStringList& pos = parsed.positionals;
    CCliSession session;
    CTessanApp& app = session.App();
    const QString in = QFileInfo(pos[0]).absoluteFilePath();
    if (in.endsWith(QLatin1String(".cgp"), Qt::CaseInsensitive)) {
        QString location, name;
        CProjectStorage storage(app);
        if (!CProjectStorage::SplitPackagePath(in, &location, &name)
            || !storage.OpenProject(location, name)) {
            Cli::PrintError(CProjectStorage::ErrorCantOpen());
            return 1;
        }
    } else {
        QFile f(in);
        if (!f.open(QIODevice::ReadOnly) || f.size() >= TransferOperations::kImageLimit) {
            Cli::PrintError(
                QStringLiteral("qv-cli download: %1 is no runtime image that fits the panel "
                               "(at most %2 bytes)")
                    .arg(pos[0])
                    .arg(TransferOperations::kImageLimit - 1));
            return 1;
        }
        // Sent as it is: nothing to compile.
        app.UseImage(f.readAll());
        if (!ImageSizeFits(app.runtimeImage.size()))
            return 1;
    }
    // Project Transfer with the command line in place of the Transfer
    // dialog; nothing is kept in COMPORT or the project.
    TransferOperations::ProjectTransferSteps steps;
    steps.choose = [&](const TransferChoice&, qsizetype imageSize, TransferChoice* chosen) {
        if (!ImageSizeFits(imageSize))
            return false;
        chosen->port = parsed.Value(QStringLiteral("--port"));
        chosen->enableUpdateRuntimeFile = parsed.Has(QStringLiteral("--password")) ? 1 : 0;
        chosen->uploadPassword = parsed.Value(QStringLiteral("--password"));
        return true;
    };
    CCliTransferConsole console(app, QStringLiteral("Download"));
    const int result = TransferOperations::ProjectTransfer(app, steps, console.Options());
    console.PrintResult();
    return result == TR_OK ? 0 : 1;
}

CliRegistration reg({QStringLiteral("download"), kUsage, runDownload});

} // namespace
