#pragma once
#include "screen/ObjectKind.h"

// Every command of the main window. The order is the order of the menus.
enum class CommandId : int {
    // File
    StartProject,
    OpenProject,
    CloseProject,
    SaveProject,
    SaveProjectAs,
    ProjectTransfer,
    ProjectInformation,
    ExportReport,
    PrintPreview,
    Print,
    Exit,
    // Edit
    Undo,
    Redo,
    Cut,
    Copy,
    Paste,
    SelectAll,
    FindUses,
    // View
    GridSize,
    DisplayGrid,
    DisplayObjectLabel,
    DisplayPanelPixels,
    Zoom,
    ToolbarFile,
    ToolbarWindowsControl,
    ToolbarSteps,
    PaneNavigation,
    PaneObjectList,
    PaneObjectHelp,
    PaneOutput,
    PaneCrossReference,
    RestorePanes,
    StatusBar,
    LanguageEnglish,
    LanguageChinese,
    // Object: one command per kind, in the order of their kind codes
    ObjectFirst,
    ObjectLast = ObjectFirst + kObjectKindCount - 1,
    // Screen
    NewScreen,
    DeleteScreen,
    RenameScreen,
    CopyScreen,
    PasteScreen,
    ScreenOption,
    // Setup
    PanelManager,
    ConfigurePassword,
    PlcPanel,
    AlarmSetup,
    // Panel
    PanelInformation,
    Simulate,
    // Window
    NewWindow,
    Cascade,
    Tile,
    ArrangeIcons,
    WindowList,
    // Help
    HelpTopics,
    About,
    // Keyboard only
    NextPane,
    PreviousPane,
};
inline constexpr int kCommandCount = int(CommandId::PreviousPane) + 1;

// The kind code of an object-creation command, or -1.
constexpr int ObjectKindOfCommand(CommandId id)
{
    const int k = int(id) - int(CommandId::ObjectFirst);
    return k >= 0 && k < kObjectKindCount ? k : -1;
}

// The object-creation command of a kind code (0 .. kObjectKindCount - 1).
constexpr CommandId ObjectCommand(int kind)
{
    return CommandId(int(CommandId::ObjectFirst) + kind);
}
