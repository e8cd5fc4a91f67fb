#include "MainCommands.h"
#include "IconPainter.h"
#include "base/AppSettings.h"
#include "base/LanguageSection.h"
#include "screen/ObjectFactory.h"
#include "ui/screen/EditorObjectKinds.h"

#include <QAction>
#include <QKeySequence>

#include <vector>

namespace {

struct CommandEntry
{
    CommandId id;
    const char* key;    // English text, the language files' key
    const char* text;   // built-in text with its mnemonic
    const char* prompt; // built-in status-bar prompt
    QList<QKeySequence> keys;
    bool checkable = false;
};

// The commands other than the object kinds, in the order of their ids.
const std::vector<CommandEntry>& FixedEntries()
{
    using K = QKeySequence;
    // clang-format off
    static const std::vector<CommandEntry> entries = {
        {CommandId::StartProject, "Start Project...", "&Start Project...", "Create a new project or open an existing one", {}},
        {CommandId::OpenProject, "Open Project...", "&Open Project...", "Open an existing project", {K(Qt::CTRL | Qt::Key_O)}},
        {CommandId::CloseProject, "Close Project", "&Close Project", "Close the open project", {}},
        {CommandId::SaveProject, "Save Project", "&Save Project", "Save the open project", {K(Qt::CTRL | Qt::Key_S)}},
        {CommandId::SaveProjectAs, "Save Project As...", "Save Project &As...", "Save the open project under a new name", {}},
        {CommandId::ProjectTransfer, "Project Transfer...", "Project &Transfer...", "Compile the project and send it to the panel", {K(Qt::CTRL | Qt::Key_T)}},
        {CommandId::ProjectInformation, "Project Information...", "Project &Information...", "Show and edit the project information", {}},
        {CommandId::ExportReport, "Export Report...", "Export &Report...", "Write the project report as a PDF file", {}},
        {CommandId::PrintPreview, "Print Preview...", "Print Pre&view...", "Show the project report's pages as they will be printed", {}},
        {CommandId::Print, "Print...", "&Print...", "Print the project report", {K(Qt::CTRL | Qt::Key_P)}},
        {CommandId::Exit, "Exit", "E&xit", "Quit the application; asks to save the project", {}},
        {CommandId::Undo, "Undo", "&Undo", "Undo the last action", {K(Qt::CTRL | Qt::Key_Z), K(Qt::ALT | Qt::Key_Backspace)}},
        {CommandId::Redo, "Redo", "&Redo", "Redo the action last undone", {K(Qt::CTRL | Qt::Key_Y), K(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}},
        {CommandId::Cut, "Cut", "Cu&t", "Cut the selection and put it on the Clipboard", {K(Qt::CTRL | Qt::Key_X), K(Qt::SHIFT | Qt::Key_Delete)}},
        {CommandId::Copy, "Copy", "&Copy", "Copy the selection and put it on the Clipboard", {K(Qt::CTRL | Qt::Key_C), K(Qt::CTRL | Qt::Key_Insert)}},
        {CommandId::Paste, "Paste", "&Paste", "Insert Clipboard contents", {K(Qt::CTRL | Qt::Key_V), K(Qt::SHIFT | Qt::Key_Insert)}},
        {CommandId::SelectAll, "Select all", "Select &all", "Select every object of the screen", {K(Qt::CTRL | Qt::Key_A)}},
        {CommandId::FindUses, "Find Uses", "Find &Uses", "List every use of the selected object's register in the Cross Reference pane", {K(Qt::SHIFT | Qt::Key_F12)}},
        {CommandId::GridSize, "Grid Size", "&Grid Size", "Set the grid steps of the screen editors", {}},
        {CommandId::DisplayGrid, "Display Grid", "Display G&rid", "Show or hide the grid in the screen editors", {}, true},
        {CommandId::DisplayObjectLabel, "Display Object Label", "Display Object &Label", "Show or hide the object numbers in the screen editors", {}, true},
        {CommandId::DisplayPanelPixels, "Display Panel Pixels", "Display &Panel Pixels", "Show texts and bitmaps in the screen editors as the panel shows them", {}, true},
        {CommandId::Zoom, "Zoom...", "&Zoom...", "Set the zoom of the screen editors", {}},
        {CommandId::ToolbarFile, "File", "&File", "Show or hide the File toolbar", {}, true},
        {CommandId::ToolbarWindowsControl, "Windows Control", "&Windows Control", "Show or hide the Windows Control toolbar", {}, true},
        {CommandId::ToolbarSteps, "Start/Open/Send Steps", "&Start/Open/Send Steps", "Show or hide the Start/Open/Send Steps toolbar", {}, true},
        {CommandId::PaneNavigation, "Navigation", "&Navigation", "Show or hide the navigation pane", {}, true},
        {CommandId::PaneObjectList, "Object List", "Object &List", "Show or hide the object list", {}, true},
        {CommandId::PaneObjectHelp, "Object Help", "Object &Help", "Show or hide the object help", {}, true},
        {CommandId::PaneOutput, "Output", "&Output", "Show or hide the output pane", {}, true},
        {CommandId::PaneCrossReference, "Cross Reference", "C&ross Reference", "Show or hide the cross reference of registers, coils and findings", {}, true},
        {CommandId::RestorePanes, "Restore Default Layout", "&Restore Default Layout", "Put the toolbars and panes back where they started", {}},
        {CommandId::StatusBar, "Status Bar", "&Status Bar", "Show or hide the status bar", {}, true},
        {CommandId::LanguageEnglish, "English", "&English", "Show the program in English from its next start", {}, true},
        {CommandId::LanguageChinese, "Chinese", "&Chinese", "Show the program in Chinese from its next start", {}, true},
        {CommandId::NewScreen, "New Screen", "&New Screen", "Add a screen to the project", {K(Qt::CTRL | Qt::Key_N)}},
        {CommandId::DeleteScreen, "Delete Screen...", "&Delete Screen...", "Delete the selected screen", {}},
        {CommandId::RenameScreen, "Rename Screen...", "&Rename Screen...", "Rename the selected screen", {}},
        {CommandId::CopyScreen, "Copy Screen", "&Copy Screen", "Copy the selected screen", {}},
        {CommandId::PasteScreen, "Paste Screen", "&Paste Screen", "Add a copy of the copied screen", {}},
        {CommandId::ScreenOption, "Screen Option", "Screen &Option", "Set the screen change and function keys of the selected screen", {}},
        {CommandId::PanelManager, "Panel Manager...", "Panel &Manager...", "Set the panel and the PLC link", {}},
        {CommandId::ConfigurePassword, "Configuree Password...", "Configuree &Password...", "Set the panel passwords", {}},
        {CommandId::PlcPanel, "PLC <-> Panel", "PLC <-> Pane&l", "Set the areas that the panel and the PLC exchange", {}},
        {CommandId::AlarmSetup, "Alarm Control Setup", "&Alarm Control Setup", "Set the alarm list", {}},
        {CommandId::PanelInformation, "Panel Information", "Panel &Information", "Read the information of the connected panel", {}},
        {CommandId::Simulate, "Simulate", "&Simulate", "Run the project as it stands on a simulated panel", {K(Qt::CTRL | Qt::Key_F5)}},
        {CommandId::NewWindow, "New Window", "&New Window", "Open another window for the active document", {}},
        {CommandId::Cascade, "Cascade", "&Cascade", "Arrange the windows so they overlap", {}},
        {CommandId::Tile, "Tile", "&Tile", "Arrange the windows as tiles that do not overlap", {}},
        {CommandId::ArrangeIcons, "Arrange Icons", "&Arrange Icons", "Arrange the minimised windows", {}},
        {CommandId::WindowList, "Windows...", "&Windows...", "Choose one of the open windows", {}},
        {CommandId::HelpTopics, "Help", "&Help", "Open the software manual", {K(Qt::Key_F1)}},
        {CommandId::About, "About...", "&About...", "Show the program's name and version", {}},
        {CommandId::NextPane, "Next Pane", "Ne&xt Pane", "Move to the next pane", {K(Qt::Key_F6)}},
        {CommandId::PreviousPane, "Previous Pane", "Pre&vious Pane", "Move to the previous pane", {K(Qt::SHIFT | Qt::Key_F6)}},
    };
    // clang-format on
    return entries;
}

// Every command, index = id: the fixed ones with one command per object kind
// from the editor's table of kinds in their place.
const std::vector<CommandEntry>& Entries()
{
    static const std::vector<CommandEntry> entries = [] {
        std::vector<CommandEntry> all = FixedEntries();
        auto at = all.begin() + int(CommandId::ObjectFirst);
        for (const EditorObjectKind& kind : EditorObjectKinds())
            at = all.insert(at, CommandEntry{ObjectCommand(kind.code),
                                             ObjectKinds()[size_t(kind.code)].storedName,
                                             kind.menuText,
                                             kind.statusTip,
                                             {}})
                 + 1;
        Q_ASSERT(int(all.size()) == kCommandCount);
        for (size_t i = 0; i < all.size(); ++i)
            Q_ASSERT(int(all[i].id) == int(i));
        return all;
    }();
    return entries;
}

// A text of the language file, or the built-in one when the file has none.
QString Lookup(const CAppSettings& settings, int section, const QString& key,
               const QString& builtIn)
{
    const QString text = settings.LookupText(section, key);
    return text.isEmpty() || text == key ? builtIn : text;
}

} // namespace

CMainCommands::CMainCommands(QObject* parent) : QObject(parent)
{
    for (const CommandEntry& entry : Entries()) {
        auto* action = new QAction(QString::fromUtf8(entry.text), this);
        action->setObjectName(QString::fromUtf8(entry.key));
        action->setData(int(entry.id));
        action->setShortcuts(entry.keys);
        action->setCheckable(entry.checkable);
        action->setStatusTip(QString::fromUtf8(entry.prompt));
        const QIcon icon = IconPainter::Icon(entry.id);
        if (!icon.isNull())
            action->setIcon(icon);
        const CommandId id = entry.id;
        connect(action, &QAction::triggered, this, [this, id] { emit triggered(id); });
        actions_[size_t(entry.id)] = action;
    }
}

QString CMainCommands::Key(CommandId id)
{
    return QString::fromUtf8(Entries()[size_t(id)].key);
}

QString CMainCommands::MenuText(const CAppSettings& settings, const QString& key)
{
    QString builtIn = key;
    builtIn.prepend(QLatin1Char('&'));
    return Lookup(settings, LS_MENU, key, builtIn);
}

void CMainCommands::ApplyTexts(const CAppSettings& settings)
{
    for (const CommandEntry& entry : Entries()) {
        QAction* action = actions_[size_t(entry.id)];
        const QString key = QString::fromUtf8(entry.key);
        action->setText(Lookup(settings, LS_MENU, key, QString::fromUtf8(entry.text)));
        const QString prompt =
            Lookup(settings, LS_MENU_PROMPT, key, QString::fromUtf8(entry.prompt));
        action->setStatusTip(prompt);
        QString tip = action->text();
        tip.remove(QLatin1Char('&'));
        if (!action->shortcut().isEmpty())
            tip +=
                QStringLiteral(" (%1)").arg(action->shortcut().toString(QKeySequence::NativeText));
        action->setToolTip(tip);
    }
}
