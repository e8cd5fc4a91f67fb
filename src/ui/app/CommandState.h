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
    // Row of the screen list, -1 when nothing is selected.
    int selectedScreenRow = -1;
    bool copiedScreenHeld = false;
    // The active screen view can take new objects.
    bool screenEditorReady = false;
    // Windows open in the document area.
    int documentWindows = 0;
    // Commands whose work is not plugged in yet.
    QSet<CommandId> unhandled;
};
