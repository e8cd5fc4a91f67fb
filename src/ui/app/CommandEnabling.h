#pragma once
#include "CommandState.h"

// What a command's enabling depends on. Every command has exactly one rule.
enum class EnablingRule {
    None,              // no rule given: a slip, never enabled
    Always,            // the program's own commands: start, open, view, help, panes
    Project,           // a project is open
    Simulation,        // a project is open and no simulation image is being compiled
    ScreenView,        // a screen view is active
    ScreenEditorReady, // a screen view is active and its editor takes new objects
    Undo,              // the active screen view has a snapshot to undo
    Redo,              // ... an undone change to redo
    Selection,         // ... a selection
    ClipboardObjects,  // ... objects on the clipboard
    SelectionRegister, // ... a selected object bound to a register
    CurrentScreen,     // a screen is selected in the screen list
    CopiedScreen,      // a copied screen is held
    DocumentWindows,   // a window is open in the document area
};

// Which commands are available in which state, and which menu bar shows.
namespace CommandEnabling {
EnablingRule RuleOf(CommandId id);
bool IsEnabled(CommandId id, const CommandState& state);
MenuBarKind ChooseMenuBar(const CommandState& state);
// The Object command of the kind being inserted shows a check mark.
bool IsChecked(CommandId id, const CommandState& state);
} // namespace CommandEnabling
