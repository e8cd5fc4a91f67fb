#include "CliCommand.h"
#include "CliSession.h"
#include "CliTransfer.h"

namespace {

const QString kUsage = QStringLiteral(
    "upload --port PORT --password DIGITS -o FILE.rtfbak\n"
    "    Uploads the panel's runtime image with its password into a backup file;\n"
    "    the file is written only when the whole upload succeeded.");

int runUpload(const QStringList& args)
{
    QStringList pos;
    const QStringList withValue = {QStringLiteral("--port"), QStringLiteral("--password"),
                                   QStringLiteral("-o")};
    if (!Cli::CheckTransferArgs(args, withValue, 0, kUsage, &pos))
        return 2;
    if (!args.contains(QStringLiteral("-o")) || !args.contains(QStringLiteral("--password"))) {
        Cli::PrintError(QStringLiteral("usage: qv-cli ") + kUsage.section(QLatin1Char('\n'), 0, 0));
        return 2;
    }
    CCliSession session;
    CTessanApp& app = session.App();
    CCliTransferConsole console(app, QStringLiteral("Upload"));
    const QString path = Cli::OptionValue(args, QStringLiteral("-o"));
    bool written = false;
    const int result = TransferOperations::UploadToBackup(
        app, Cli::OptionValue(args, QStringLiteral("--port")),
        Cli::OptionValue(args, QStringLiteral("--password")), path, console.Options(), &written);
    console.PrintResult();
    if (result != TR_OK)
        return 1;
    if (!written) {
        Cli::PrintError(QStringLiteral("qv-cli upload: cannot write %1").arg(path));
        return 1;
    }
    return 0;
}

CliRegistration reg({QStringLiteral("upload"), kUsage, runUpload});

} // namespace
