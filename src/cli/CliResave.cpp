#include "CliCommand.h"
#include "CliSession.h"
#include "app/ProjectStorage.h"
#include "app/LoadedScreenDocuments.h"

#include <QFileInfo>

namespace {

int runResave(const QStringList& args)
{
    const QString screensFlag = QStringLiteral("--screens");
    CCliArgs parsed;
    if (!parsed.Parse(args, {{screensFlag, false}}, 1, 2,
                      QStringLiteral("resave IN.cgp [OUT.cgp] [--screens]")))
        return 2;
    const QStringList& pos = parsed.positionals;
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
    // With --screens every screen is loaded as the editor opens it and
    // written back when the project is saved.
    CLoadedScreenDocuments screens(app);
    if (parsed.Has(screensFlag)) {
        screens.LoadAll();
        app.openScreens = &screens;
    }
    bool ok = pos.size() == 2 ? storage.SaveProjectAs(QFileInfo(pos[1]).absoluteFilePath())
                              : storage.SaveProject();
    app.openScreens = nullptr;
    return ok ? 0 : 1;
}

CliRegistration
    reg({QStringLiteral("resave"),
         QStringLiteral("resave IN.cgp [OUT.cgp] [--screens]\n"
                        "    Opens IN.cgp as File > Open Project does (backup IN.cgp.bak,"
                        " unpack) and saves it\n    again: to IN.cgp, or under OUT's "
                        "folder and name as Save Project As does.\n"
                        "    --screens: every screen file is loaded and written again, as "
                        "if each screen\n    had been opened in the editor and saved; "
                        "without it they are packed as they are."),
         runResave});

} // namespace
