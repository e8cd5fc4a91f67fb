#pragma once
#include <memory>

class CMainWindow;
class CProjectController;
class CProjectReportCommands;
class CScreenCommandsUi;
class CSimulationLauncher;
class QWidget;

// The one place where the commands whose windows live in the other folders
// (start dialog, About, screen commands, setup and transfer dialogs, the
// screen editor) are plugged into the main window.
class CEditorCommands
{
public:
    CEditorCommands(CMainWindow& window, CProjectController& controller);
    ~CEditorCommands();

    // File > Start Project..., also the start dialog at start-up.
    void StartProject(QWidget* parent);
    // Panel > Simulate.
    CSimulationLauncher& Simulation() { return *simulation_; }
    // File > Export Report..., Print Preview... and Print....
    CProjectReportCommands& Report() { return *report_; }

private:
    CMainWindow& window_;
    CProjectController& controller_;
    std::unique_ptr<CScreenCommandsUi> screens_;
    CSimulationLauncher* simulation_ = nullptr; // a child of the main window
    CProjectReportCommands* report_ = nullptr;  // a child of the main window
};
