#pragma once

class CMainWindow;
class CProjectController;

// The one place where the commands whose windows live in the other folders
// (start dialog, About, screen commands, setup and transfer dialogs, the
// screen editor) are plugged into the main window.
namespace EditorCommands {
void Wire(CMainWindow& window, CProjectController& controller);
} // namespace EditorCommands
