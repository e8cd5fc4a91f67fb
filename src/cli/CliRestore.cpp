#include "CliCommand.h"
#include "CliSession.h"
#include "CliTransfer.h"

namespace {

const QString kUsage =
    QStringLiteral("restore FILE.rtfbak --port PORT [--password DIGITS]\n"
                   "    Reads the panel's information, checks the backup and the firmware version\n"
                   "    it needs, then downloads its image with the backup's own password (or\n"
                   "    DIGITS) and Enable Update Runtime File on.");

int runRestore(const QStringList& args)
{
    CCliArgs parsed;
    if (!parsed.Parse(args, {{QStringLiteral("--port")}, {QStringLiteral("--password")}}, 1, 1,
                      kUsage))
        return 2;
    const QStringList& pos = parsed.positionals;
    CCliSession session;
    CTessanApp& app = session.App();
    const QString port = parsed.Value(QStringLiteral("--port"));
    CCliTransferConsole console(app, QStringLiteral("Upload"));
    CPanelInformation info;
    int result = TransferOperations::ReadPanelInformation(app, port, &info, console.Options());
    console.PrintResult();
    if (result != TR_OK)
        return 1;
    const TransferOperations::RestoreCheck check =
        TransferOperations::CheckRestore(pos[0], port, info.firmware);
    if (!check.error.isEmpty()) {
        Cli::PrintWarning(app, check.error);
        return 1;
    }
    const QString password = parsed.Has(QStringLiteral("--password"))
                                 ? parsed.Value(QStringLiteral("--password"))
                                 : check.password;
    console.SetCaption(QStringLiteral("Download"));
    result = TransferOperations::RestoreBackup(app, check, port, password, console.Options());
    console.PrintResult();
    return result == TR_OK ? 0 : 1;
}

CliRegistration reg({QStringLiteral("restore"), kUsage, runRestore});

} // namespace
