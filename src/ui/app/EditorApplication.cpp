#include "EditorApplication.h"
#include "MainWindow.h"
#include "ProjectController.h"
#include "app/ProjectStorage.h"
#include "app/TessanApp.h"
#include "base/AppPaths.h"
#include "ui/widgets/MessageBoxSink.h"

#include <QApplication>

namespace CEditorApplication {

int Run(int argc, char** argv)
{
    QApplication qapp(argc, argv);
    const AppPaths paths = AppPaths::ForRunningProgram();
    paths.CreateWorkFolders();
    CTessanApp app(paths, paths.TempProjectDir());
    CMessageBoxSink messages;
    app.messages = &messages;
    CProjectController controller(app);

    CMainWindow window(controller);
    messages.SetParent(&window);
    window.show();
    const int code = qapp.exec();
    controller.CloseProject();
    CProjectStorage::RemoveProjectFolders(paths.TempProjectDir());
    return code;
}

} // namespace CEditorApplication
