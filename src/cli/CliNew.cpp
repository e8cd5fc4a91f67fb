#include "CliCommand.h"
#include "CliSession.h"
#include "app/ProjectStorage.h"
#include "project/ProtocolTables.h"
#include "app/ScreenCommands.h"

#include <QDir>
#include <QFileInfo>

namespace {

int runNew(const QStringList& args)
{
    CCliArgs parsed;
    if (!parsed.Parse(args, {}, 1, 1, QStringLiteral("new DIR/NAME.cgp")))
        return 2;
    const QStringList& pos = parsed.positionals;
    QString location, name;
    if (!CProjectStorage::SplitPackagePath(pos[0], &location, &name)) {
        Cli::PrintError(QStringLiteral("qv-cli new: \"%1\" names no project package").arg(pos[0]));
        return 2;
    }
    if (!QDir().mkpath(location)) {
        Cli::PrintError(QStringLiteral("qv-cli new: cannot create the folder %1").arg(location));
        return 1;
    }
    location = QFileInfo(location).absoluteFilePath();
    const QString package = location + QLatin1Char('/') + name + QStringLiteral(".cgp");
    if (QFileInfo::exists(package)) {
        // Never replace a project the user already has.
        Cli::PrintError(QStringLiteral("qv-cli new: %1 already exists").arg(package));
        return 1;
    }
    CCliSession session;
    CTessanApp& app = session.App();
    app.ResetProjectModel(name, location, QString::fromLatin1(ProtocolTables::kPanelRU03),
                          QString::fromLatin1(ProtocolTables::kVardoVSequence));
    ScreenCommands::NewScreen(app, 1, ScreenCommands::DefaultScreenName(1));
    if (!CProjectStorage(app).SaveProject())
        return 1;
    Cli::PrintOut(QStringLiteral("created %1").arg(package));
    return 0;
}

CliRegistration reg({QStringLiteral("new"),
                     QStringLiteral("new DIR/NAME.cgp\n"
                                    "    Creates project NAME in DIR: panel \"RU03\", PLC \"Vardo "
                                    "V-Sequence (R Series)\",\n    default settings and one empty "
                                    "screen \"Screen 1\"; saved as the package DIR/NAME.cgp."),
                     runNew});

} // namespace
