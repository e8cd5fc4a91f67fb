#include "CliCommand.h"
#include "app/TransferOperations.h"

namespace {

int runPorts(const QStringList& args)
{
    CCliArgs parsed;
    if (!parsed.Parse(args, {}, 0, 0, QStringLiteral("ports")))
        return 2;
    for (const QString& p : TransferOperations::SerialPortNames())
        Cli::PrintOut(p);
    return 0;
}

CliRegistration
    reg({QStringLiteral("ports"),
         QStringLiteral("ports\n    Lists the serial ports of this machine, one name a line."),
         runPorts});

} // namespace
