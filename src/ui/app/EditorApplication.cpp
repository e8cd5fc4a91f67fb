#include "EditorApplication.h"
#include "DesktopIntegration.h"
#include "EditorCommands.h"
#include "MainWindow.h"
#include "ui/document/ProjectController.h"
#include "QtTranslations.h"
#include "SingleInstance.h"
#include "StartupSequence.h"
#include "TerminationSignals.h"
#include "app/ProjectStorage.h"
#include "app/TessanApp.h"
#include "base/AppPaths.h"
#include "base/InstalledData.h"
#include "ui/document/AutoSaveTimer.h"
#include "ui/document/MessageBoxSink.h"

#include <QApplication>
#include <QDir>

namespace CEditorApplication {

int Run(int argc, char** argv)
{
    QApplication qapp(argc, argv);

    // Start-up: one editor per user; a later start hands over its file and ends.
    const QString fileArgument =
        CStartupSequence::FileArgument(qapp.arguments(), QDir::currentPath());
    CSingleInstance instance;
    if (!instance.Start(fileArgument))
        return 0;
    const AppPaths paths = AppPaths::ForRunningProgram();
    // An installed editor's desktop entry, file type and icon come with its package.
    if (InstalledData::DataDir(QCoreApplication::applicationDirPath()).isEmpty())
        CDesktopIntegration::ForRunningProgram().InstallWhenMissing();
    paths.CreateWorkFolders();
    CTessanApp app(paths, paths.TempProjectDir());
    QtTranslations::Install(qapp, app.settings.GetLanguageCode());
    CMessageBoxSink messages;
    app.messages = &messages;
    CProjectController controller(app);
    // The unsaved edits go into the project folder's autosave folder every
    // App/AutoSaveSeconds, for recovery after a crash.
    CAutoSaveTimer autosave(controller);

    // Told to end (a logout, kill): unsaved edits go into the autosave folder
    // and the project folder stays for the next start to offer; without any,
    // the end is a normal one.
    CTerminationSignals termination;
    bool keepFolders = false;
    QObject::connect(&termination, &CTerminationSignals::terminationRequested, &qapp,
                     [&](int number) {
                         keepFolders = controller.KeepForRecovery();
                         QCoreApplication::exit(128 + number);
                     });

    CMainWindow window(controller);
    CEditorCommands commands(window, controller);
    messages.SetParent(&window);
    window.show();

    // The command-line file, or the start dialog; later starts raise `window`.
    CStartupSequence startup(controller, instance);
    startup.startProject = [&] { commands.StartProject(&window); };
    startup.AfterMainWindow(&window, fileArgument);

    const int code = qapp.exec();
    if (!keepFolders) {
        controller.CloseProject();
        CProjectStorage::RemoveProjectFolders(paths.TempProjectDir());
    }
    return code;
}

} // namespace CEditorApplication
