#include "EditorCommands.h"
#include "DlgAbout.h"
#include "MainWindow.h"
#include "ProjectController.h"
#include "StartProjectCommand.h"
#include "app/TessanApp.h"

namespace EditorCommands {

void Wire(CMainWindow& window, CProjectController& controller)
{
    CMainWindow* w = &window;
    CProjectController* c = &controller;
    window.SetCommandHandler(CommandId::StartProject, [w, c] { StartProjectCommand::Run(*c, w); });
    window.SetCommandHandler(CommandId::About, [w, c] {
        CDlgAbout about(c->App().settings, c->App().programVersion, w);
        about.exec();
    });
}

} // namespace EditorCommands
