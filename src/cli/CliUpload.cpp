#include "CliCommand.h"
#include "CliSession.h"
#include "CliTransfer.h"

namespace {

const QString kUsage =
    QStringLiteral("upload --port PORT --password DIGITS -o FILE.rtfbak\n"
                   "    Uploads the panel's runtime image with its password into a backup file;\n"
                   "    the file is written only when the whole upload succeeded; a file that\n"
                   "    cannot be written ends the command with an error.");

int runUpload(const QStringList& args)
{
    CCliArgs parsed;
    if (!parsed.Parse(
            args,
            {{QStringLiteral("--port")}, {QStringLiteral("--password")}, {QStringLiteral("-o")}}, 0,
            0, kUsage))
        return 2;
    if (!parsed.Has(QStringLiteral("-o")) || !parsed.Has(QStringLiteral("--password"))) {
        Cli::PrintUsage(kUsage);
        return 2;
    }
    CCliSession session;
    CTessanApp& app = session.App();
    CCliTransferConsole console(app, QStringLiteral("Upload"));
    const QString path = parsed.Value(QStringLiteral("-o"));
    bool written = false;
    const int result = TransferOperations::UploadToBackup(
        app, parsed.Value(QStringLiteral("--port")), parsed.Value(QStringLiteral("--password")),
        path, console.Options(), &written);
    // A backup that could not be written was told as an error instead of
    // the success.
    console.PrintResult();
    return result == TR_OK && written ? 0 : 1;
}

CliRegistration reg({QStringLiteral("upload"), kUsage, runUpload});

} // namespace
