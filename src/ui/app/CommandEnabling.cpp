#include "CommandEnabling.h"

namespace CommandEnabling {

bool IsEnabled(CommandId id, const CommandState& s)
{
    if (s.unhandled.contains(id))
        return false;
    const bool screenActive = s.hasProject && s.active == ActiveDocument::Screen;
    const bool screenCurrent = s.hasProject && s.currentScreen > 0;
    if (ObjectKindOfCommand(id) >= 0)
        return screenActive && s.screenEditorReady;
    switch (id) {
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
    case CommandId::PanelInformation:
        return s.hasProject;
    case CommandId::Simulate:
        return s.hasProject && !s.simulationCompiling;
    case CommandId::Undo:
        return screenActive && s.canUndo;
    case CommandId::Redo:
        return screenActive && s.canRedo;
    case CommandId::Cut:
    case CommandId::Copy:
        return screenActive && s.hasSelection;
    case CommandId::Paste:
        return screenActive && s.canPaste;
    case CommandId::SelectAll:
    case CommandId::DisplayObjectLabel:
    case CommandId::DisplayPanelPixels:
        return screenActive;
    case CommandId::DeleteScreen:
    case CommandId::RenameScreen:
    case CommandId::CopyScreen:
    case CommandId::ScreenOption:
        return screenCurrent;
    case CommandId::PasteScreen:
        return s.hasProject && s.copiedScreenHeld;
    case CommandId::NewWindow:
        // Another view of the screen in front.
        return screenActive;
    case CommandId::Cascade:
    case CommandId::Tile:
    case CommandId::ArrangeIcons:
    case CommandId::WindowList:
        return s.documentWindows > 0;
    default:
        return true;
    }
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
