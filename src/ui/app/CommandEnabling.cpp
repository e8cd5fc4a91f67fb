#include "CommandEnabling.h"

namespace CommandEnabling {

EnablingRule RuleOf(CommandId id)
{
    if (ObjectKindOfCommand(id) >= 0)
        return EnablingRule::ScreenEditorReady;
    // No default: a new command without a rule is a compiler warning here.
    switch (id) {
    case CommandId::StartProject:
    case CommandId::OpenProject:
    case CommandId::Exit:
    case CommandId::GridSize:
    case CommandId::DisplayGrid:
    case CommandId::Zoom:
    case CommandId::ToolbarFile:
    case CommandId::ToolbarWindowsControl:
    case CommandId::ToolbarSteps:
    case CommandId::PaneNavigation:
    case CommandId::PaneObjectList:
    case CommandId::PaneObjectHelp:
    case CommandId::PaneOutput:
    case CommandId::PaneCrossReference:
    case CommandId::RestorePanes:
    case CommandId::StatusBar:
    case CommandId::LanguageEnglish:
    case CommandId::LanguageChinese:
    case CommandId::HelpTopics:
    case CommandId::About:
    case CommandId::NextPane:
    case CommandId::PreviousPane: return EnablingRule::Always;
    case CommandId::CloseProject:
    case CommandId::SaveProject:
    case CommandId::SaveProjectAs:
    case CommandId::ProjectTransfer:
    case CommandId::ProjectInformation:
    case CommandId::ExportReport:
    case CommandId::PrintPreview:
    case CommandId::Print:
    case CommandId::NewScreen:
    case CommandId::PanelManager:
    case CommandId::ConfigurePassword:
    case CommandId::PlcPanel:
    case CommandId::AlarmSetup:
    case CommandId::PanelInformation: return EnablingRule::Project;
    case CommandId::Simulate: return EnablingRule::Simulation;
    case CommandId::Undo: return EnablingRule::Undo;
    case CommandId::Redo: return EnablingRule::Redo;
    case CommandId::Cut:
    case CommandId::Copy: return EnablingRule::Selection;
    case CommandId::Paste: return EnablingRule::ClipboardObjects;
    case CommandId::FindUses: return EnablingRule::SelectionRegister;
    case CommandId::SelectAll:
    case CommandId::DisplayObjectLabel:
    case CommandId::DisplayPanelPixels:
    case CommandId::NewWindow: // another view of the screen in front
        return EnablingRule::ScreenView;
    case CommandId::DeleteScreen:
    case CommandId::RenameScreen:
    case CommandId::CopyScreen:
    case CommandId::ScreenOption: return EnablingRule::CurrentScreen;
    case CommandId::PasteScreen: return EnablingRule::CopiedScreen;
    case CommandId::Cascade:
    case CommandId::Tile:
    case CommandId::ArrangeIcons:
    case CommandId::WindowList: return EnablingRule::DocumentWindows;
    case CommandId::ObjectFirst:
    case CommandId::ObjectLast: break; // taken above
    }
    return EnablingRule::None;
}

bool IsEnabled(CommandId id, const CommandState& s)
{
    if (s.unhandled.contains(id))
        return false;
    const bool screenActive = s.hasProject && s.active == ActiveDocument::Screen;
    switch (RuleOf(id)) {
    case EnablingRule::None: return false;
    case EnablingRule::Always: return true;
    case EnablingRule::Project: return s.hasProject;
    case EnablingRule::Simulation: return s.hasProject && !s.simulationCompiling;
    case EnablingRule::ScreenView: return screenActive;
    case EnablingRule::ScreenEditorReady: return screenActive && s.screenEditorReady;
    case EnablingRule::Undo: return screenActive && s.canUndo;
    case EnablingRule::Redo: return screenActive && s.canRedo;
    case EnablingRule::Selection: return screenActive && s.hasSelection;
    case EnablingRule::ClipboardObjects: return screenActive && s.canPaste;
    case EnablingRule::SelectionRegister: return screenActive && s.selectionHasRegister;
    case EnablingRule::CurrentScreen: return s.hasProject && s.currentScreen > 0;
    case EnablingRule::CopiedScreen: return s.hasProject && s.copiedScreenHeld;
    case EnablingRule::DocumentWindows: return s.documentWindows > 0;
    }
    return false;
}

MenuBarKind ChooseMenuBar(const CommandState& s)
{
    if (!s.hasProject)
        return MenuBarKind::Bare;
    return s.active == ActiveDocument::Screen ? MenuBarKind::Screen : MenuBarKind::Project;
}

bool IsChecked(CommandId id, const CommandState& s)
{
    const int kind = ObjectKindOfCommand(id);
    return kind >= 0 && kind == s.insertKind && IsEnabled(id, s);
}

} // namespace CommandEnabling
