#include "EditorApplication.h"
#include "DesktopIntegration.h"
#include "EditorCommands.h"
#include "MainWindow.h"
#include "ui/document/ProjectController.h"
#include "QtTranslations.h"
#include "SingleInstance.h"
#include "StartupSequence.h"
#include "TerminationSignals.h"
#include "app/CrashRecovery.h"
#include "app/TessanApp.h"
#include "base/AppPaths.h"
#include "base/AppSettings.h"
#include "base/InstalledData.h"
#include "base/LanguageSection.h"
#include "ui/document/AutoSaveTimer.h"
#include "ui/document/MessageBoxSink.h"

#include <QApplication>
#include <QDir>

#include <cstdio>

namespace CEditorApplication {

int Run(int argc, char** argv)
{
    QApplication qapp(argc, argv);

    // Start-up: one editor per user; a later start hands over its file and ends.
    const QString fileArgument =
        CStartupSequence::FileArgument(qapp.arguments(), QDir::currentPath());
    CSingleInstance instance;
    switch (instance.Start(fileArgument)) {
    case CSingleInstance::StartResult::HandedOver: return 0;
    case CSingleInstance::StartResult::NotAcknowledged: {
        const CAppSettings settings(AppPaths::ForRunningProgram());
        std::fprintf(stderr, "%s\n",
                     qPrintable(settings.LookupText(LS_MSG, CSingleInstance::NotHandedOverText())));
        return 1;
    }
    case CSingleInstance::StartResult::First: break;
    }
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
    // Later starts are heard from here on; what they ask waits for the window.
    CStartupSequence startup(controller, instance);
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
    startup.startProject = [&] { commands.StartProject(&window); };
    startup.AfterMainWindow(&window, fileArgument);

    const int code = qapp.exec();
    if (!keepFolders) {
        // This run's project folder, and what killed runs left besides the
        // projects still to be offered; never Temp/Project whole, which may
        // hold the folders of another editor.
        controller.CloseProject();
        app.RemoveProjectFolder();
        CCrashRecovery(paths, paths.TempProjectDir()).RemoveAtProgramEnd();
    }
    return code;
}

} // namespace CEditorApplication
