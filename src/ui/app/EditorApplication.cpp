#include "EditorApplication.h"
#include "DesktopIntegration.h"
#include "ProjectController.h"
#include "SingleInstance.h"
#include "StartupSequence.h"
#include "app/ProjectStorage.h"
#include "app/TessanApp.h"
#include "base/AppPaths.h"
#include "base/VersionNumber.h"
#include "ui/widgets/MessageBoxSink.h"

#include <QApplication>
#include <QDir>
#include <QMainWindow>

namespace CEditorApplication {

int Run(int argc, char** argv)
{
    QApplication qapp(argc, argv);

    // Start-up: one editor per user; a later start hands over its file and ends.
    const QString fileArgument = CStartupSequence::FileArgument(qapp.arguments(), QDir::currentPath());
    CSingleInstance instance;
    if (!instance.Start(fileArgument))
        return 0;
    CDesktopIntegration::ForRunningProgram().InstallWhenMissing();

    const AppPaths paths = AppPaths::ForRunningProgram();
    paths.CreateWorkFolders();
    CTessanApp app(paths, paths.TempProjectDir());
    CMessageBoxSink messages;
    app.messages = &messages;
    CProjectController controller(app);

    QMainWindow window;
    messages.SetParent(&window);
    const VersionNumber& v = app.programVersion;
    window.setWindowTitle(QStringLiteral("Corvel (Ver%1.%2.%3.%4)").arg(v.hh).arg(v.hl).arg(v.lh).arg(v.ll));
    window.resize(1024, 700);
    window.show();

    // The command-line file, or the start dialog; later starts raise `window`.
    CStartupSequence startup(controller, instance);
    startup.AfterMainWindow(&window, fileArgument);

    const int code = qapp.exec();
    controller.CloseProject();
    CProjectStorage::RemoveProjectFolders(paths.TempProjectDir());
    return code;
}

} // namespace CEditorApplication
