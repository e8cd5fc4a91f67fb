#include "EditorCommands.h"
#include "DlgAbout.h"
#include "MainWindow.h"
#include "ui/document/ProjectController.h"
#include "ScreenListPane.h"
#include "StartProjectCommand.h"
#include "app/TessanApp.h"
#include "project/ProtocolTables.h"
#include "ui/project/ProjectReportCommands.h"
#include "ui/project/ScreenCommandsUi.h"
#include "ui/runtime/SimulationLauncher.h"
#include "ui/screen/TessanView.h"
#include "ui/transfer/DlgProtocol.h"
#include "ui/transfer/ProjectTransferCommand.h"
#include "ui/transfer/SetupCommands.h"

CEditorCommands::CEditorCommands(CMainWindow& window, CProjectController& controller)
    : window_(window),
      controller_(controller),
      screens_(std::make_unique<CScreenCommandsUi>(controller))
{
    CMainWindow* w = &window;
    CProjectController* c = &controller;
    CScreenCommandsUi* s = screens_.get();
    // The screen commands act on the current screen.
    auto selected = [c] { return c->CurrentScreen(); };

    w->SetCommandHandler(CommandId::StartProject, [this, w] { StartProject(w); });
    w->SetCommandHandler(CommandId::About, [w, c] {
        CDlgAbout about(c->App().settings, c->App().programVersion, w);
        about.exec();
    });
    w->SetCommandHandler(CommandId::ProjectTransfer,
                         [w, c] { CProjectTransferCommand(*c).Run(w); });

    w->SetCommandHandler(CommandId::NewScreen, [w, s] { s->NewScreen(w); });
    w->SetCommandHandler(CommandId::CopyScreen, [w, s, selected] { s->CopyScreen(w, selected()); });
    w->SetCommandHandler(CommandId::PasteScreen, [w, s] { s->PasteScreen(w); });
    w->SetCommandHandler(CommandId::RenameScreen,
                         [w, s, selected] { s->RenameScreen(w, selected()); });
    w->SetCommandHandler(CommandId::DeleteScreen,
                         [w, s, selected] { s->DeleteScreen(w, selected()); });
    w->SetCommandHandler(CommandId::ScreenOption,
                         [w, s, selected] { s->ScreenOption(w, selected()); });
    w->SetCommandHandler(CommandId::AlarmSetup, [w, s] { s->AlarmSetup(w); });
    w->SetCopiedScreenQuery([s] { return s->HasCopiedScreen(); });

    w->SetCommandHandler(CommandId::PanelManager, [w, c] { SetupCommands::PanelManager(w, *c); });
    w->SetCommandHandler(CommandId::ConfigurePassword,
                         [w, c] { SetupCommands::ConfigurePassword(w, *c); });
    w->SetCommandHandler(CommandId::PlcPanel, [w, c] { SetupCommands::PlcAndPanel(w, *c); });
    w->SetCommandHandler(CommandId::PanelInformation,
                         [w, c] { SetupCommands::PanelInformation(w, *c); });
    simulation_ = new CSimulationLauncher(controller, w);
    CSimulationLauncher* sim = simulation_;
    w->SetCommandHandler(CommandId::Simulate, [sim] { sim->Simulate(); });
    w->SetSimulationCompilingQuery([sim] { return sim->IsCompiling(); });
    QObject::connect(sim, &CSimulationLauncher::compilingChanged, w, &CMainWindow::UpdateCommands);

    report_ = new CProjectReportCommands(controller, w);
    CProjectReportCommands* report = report_;
    w->SetCommandHandler(CommandId::ExportReport, [w, report] { report->ExportReport(w); });
    w->SetCommandHandler(CommandId::PrintPreview, [w, report] { report->PrintPreview(w); });
    w->SetCommandHandler(CommandId::Print, [w, report] { report->Print(w); });

    w->SetScreenViewFactory([w, c](CScreenDocument* doc, int number, QWidget* parent) -> QWidget* {
        auto* view = new CTessanView(*c, doc, number, parent);
        QObject::connect(view, &CTessanView::objectHelpRequested, w, &CMainWindow::ShowObjectHelp);
        QObject::connect(view, &CTessanView::commandStateChanged, w, &CMainWindow::UpdateCommands);
        QObject::connect(view, &CTessanView::findUsesRequested, w,
                         [w] { w->Execute(CommandId::FindUses); });
        return view;
    });
}

CEditorCommands::~CEditorCommands() = default;

void CEditorCommands::StartProject(QWidget* parent)
{
    const CAppSettings& settings = controller_.App().settings;
    const auto started = StartProjectCommand::Run(
        controller_, parent, [&settings](QWidget* owner, CDeviceInfo* info) {
            return CDlgProtocol::Edit(owner, settings,
                                      QString::fromLatin1(ProtocolTables::kVardoVSequence), *info);
        });
    // A new project goes on with its first screen: the New Screen command
    // and its dialog (Cancel leaves a project without screens).
    if (started && started->GoesOnWithNewScreen() && controller_.HasProject())
        window_.Execute(CommandId::NewScreen);
}
