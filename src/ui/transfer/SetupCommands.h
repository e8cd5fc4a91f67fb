#pragma once

class CPanelManager;
class CPLCAndPanelAlternation;
class CProjectController;
class QString;
class QWidget;

// The editor's panel and communication commands, for the main window's
// menus. Each does nothing while no project is open, opens its dialog on a
// copy and, on OK, takes the copy over and marks the project modified only
// when something changed.
namespace SetupCommands {
// Setup > Panel Manager...
void PanelManager(QWidget* parent, CProjectController& controller);
// Setup > Configure Password...
void ConfigurePassword(QWidget* parent, CProjectController& controller);
// Setup > PLC <-> Panel
void PlcAndPanel(QWidget* parent, CProjectController& controller);
// Panel > Panel Information (the port from COMPORT).
void PanelInformation(QWidget* parent, CProjectController& controller);

// Taking a dialog's copy over: true when it differed (and the project is
// then marked modified).
bool TakePanelManager(CProjectController& controller, const CPanelManager& copy);
bool TakePlcAndPanel(CProjectController& controller, const CPLCAndPanelAlternation& copy);
bool TakeOptionPassword(CProjectController& controller, const QString& password);
} // namespace SetupCommands
