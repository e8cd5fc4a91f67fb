#include "CliCommand.h"
#include "CliSession.h"
#include "project/ProjectStorage.h"

#include <QFileInfo>

namespace {

int runResave(const QStringList& args)
{
    QStringList unknown = Cli::UnknownOptions(args, {}, {});
    QStringList pos = Cli::Positionals(args, {});
    if (!unknown.isEmpty() || pos.isEmpty() || pos.size() > 2) {
        Cli::PrintError(QStringLiteral("usage: qv-cli resave IN.cgp [OUT.cgp]"));
        return 2;
    }
    CCliSession session;
    CTessanApp& app = session.App();
    CProjectStorage storage(app);
    QString location, name;
    QString in = QFileInfo(pos[0]).absoluteFilePath();
    if (!CProjectStorage::SplitPackagePath(in, &location, &name)
        || !storage.OpenProject(location, name)) {
        Cli::PrintError(CProjectStorage::ErrorCantOpen());
        return 1;
    }
    bool ok = pos.size() == 2 ? storage.SaveProjectAs(QFileInfo(pos[1]).absoluteFilePath())
                              : storage.SaveProject();
    return ok ? 0 : 1;
}

CliRegistration reg({QStringLiteral("resave"),
                     QStringLiteral("resave IN.cgp [OUT.cgp]\n"
                                    "    Opens IN.cgp as File > Open Project does (backup IN.cgp.bak,"
                                    " unpack) and saves it\n    again: to IN.cgp, or under OUT's "
                                    "folder and name as Save Project As does."),
                     runResave});

} // namespace
