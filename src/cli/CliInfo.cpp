#include "CliCommand.h"
#include "CliSession.h"
#include "CliTransfer.h"

namespace {

const QString kUsage = QStringLiteral(
    "info --port PORT\n"
    "    Reads the panel's information: one \"Label value\" line per value, then the\n"
    "    result message. PORT is a device name (ttyUSB0) or a path (/dev/pts/3).");

int runInfo(const QStringList& args)
{
    CCliArgs parsed;
    if (!parsed.Parse(args, {{QStringLiteral("--port")}}, 0, 0, kUsage))
        return 2;
    CCliSession session;
    CTessanApp& app = session.App();
    CCliTransferConsole console(app, QStringLiteral("Upload"));
    CPanelInformation info;
    const int result = TransferOperations::ReadPanelInformation(
        app, parsed.Value(QStringLiteral("--port")), &info, console.Options());
    if (result == TR_OK)
        for (const auto& [label, value] : info.DisplayValues(app.settings))
            Cli::PrintOut(label + QLatin1Char(' ') + value);
    console.PrintResult();
    return result == TR_OK ? 0 : 1;
}

CliRegistration reg({QStringLiteral("info"), kUsage, runInfo});

} // namespace
