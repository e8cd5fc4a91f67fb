#pragma once
#include "CommandId.h"

#include <QSet>

// The window that is active in the main window's document area.
enum class ActiveDocument { None, Project, Screen };

// The three menu bars, chosen by the active document.
enum class MenuBarKind { Bare, Project, Screen };

// What the enabling of the commands depends on, gathered by the main window
// (and made up freely by the tests).
struct CommandState
{
    bool hasProject = false;
    ActiveDocument active = ActiveDocument::None;
    // The current screen (the screen commands act on it); 0: none.
    int currentScreen = 0;
    bool copiedScreenHeld = false;
    // Simulate is compiling its image.
    bool simulationCompiling = false;
    // The active screen view can take new objects.
    bool screenEditorReady = false;
    // What the Edit commands of the active screen view can do.
    bool canUndo = false;
    bool canRedo = false;
    bool hasSelection = false;
    bool canPaste = false;
    // The topmost selected object has a register or coil (Find Uses).
    bool selectionHasRegister = false;
    // The kind that the active screen view is inserting; -1: none.
    int insertKind = -1;
    // Windows open in the document area.
    int documentWindows = 0;
    // Commands whose work is not plugged in yet.
    QSet<CommandId> unhandled;
};
