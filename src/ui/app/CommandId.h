#pragma once

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
    RestorePanes,
    StatusBar,
    LanguageEnglish,
    LanguageChinese,
    // Object: the eight kinds in the order of their kind codes
    ObjectStaticText,
    ObjectDynamicText,
    ObjectStaticBitmap,
    ObjectBarMeter,
    ObjectTrendMeter,
    ObjectIndicatorLight,
    ObjectNumeric,
    ObjectString,
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
    const int k = int(id) - int(CommandId::ObjectStaticText);
    return k >= 0 && k < 8 ? k : -1;
}
