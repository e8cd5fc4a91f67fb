#pragma once

class CProjectController;
class QWidget;

// The editor's panel and communication commands, for the main window's
// menus. Each does nothing while no project is open, opens its dialog on a
// copy and, on OK, hands the copy to the project controller, which takes it
// over and marks the project modified only when something changed.
namespace SetupCommands {
// Setup > Panel Manager...
void PanelManager(QWidget* parent, CProjectController& controller);
// Setup > Configure Password...
void ConfigurePassword(QWidget* parent, CProjectController& controller);
// Setup > PLC <-> Panel
void PlcAndPanel(QWidget* parent, CProjectController& controller);
// Panel > Panel Information (the port from COMPORT).
void PanelInformation(QWidget* parent, CProjectController& controller);
} // namespace SetupCommands
