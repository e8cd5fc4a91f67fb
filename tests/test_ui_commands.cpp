// Which commands the main window offers in which state, and which menu bar
// it shows; computed from the state alone, without a window.
#include "ui/app/CommandEnabling.h"
#include "ui/app/MainCommands.h"

#include <QAction>
#include <QTest>

namespace {

CommandState NoProject()
{
    return CommandState{};
}

CommandState ProjectActive()
{
    CommandState s;
    s.hasProject = true;
    s.active = ActiveDocument::Project;
    s.documentWindows = 1;
    return s;
}

CommandState ScreenActive()
{
    CommandState s = ProjectActive();
    s.active = ActiveDocument::Screen;
    s.screenEditorReady = true;
    s.documentWindows = 2;
    s.currentScreen = 1;
    s.canUndo = s.canRedo = s.hasSelection = s.canPaste = true;
    return s;
}

bool On(CommandId id, const CommandState& s)
{
    return CommandEnabling::IsEnabled(id, s);
}

} // namespace

class TestUiCommands : public QObject
{
    Q_OBJECT
private slots:
    void withoutProjectOnlyStartOpenExitAndTheViewWork()
    {
        const CommandState s = NoProject();
        for (CommandId id : {CommandId::StartProject, CommandId::OpenProject, CommandId::Exit,
                             CommandId::PaneOutput, CommandId::StatusBar, CommandId::HelpTopics,
                             CommandId::About, CommandId::NextPane})
            QVERIFY2(On(id, s), qPrintable(CMainCommands::Key(id)));
        for (CommandId id : {CommandId::CloseProject, CommandId::SaveProject, CommandId::SaveProjectAs,
                             CommandId::ProjectTransfer, CommandId::ProjectInformation, CommandId::Undo,
                             CommandId::Paste, CommandId::SelectAll, CommandId::ObjectStaticText,
                             CommandId::NewScreen, CommandId::DeleteScreen, CommandId::PasteScreen,
                             CommandId::PanelManager, CommandId::AlarmSetup, CommandId::Cascade,
                             CommandId::DisplayObjectLabel, CommandId::PanelInformation,
                             CommandId::ExportReport, CommandId::PrintPreview, CommandId::Print})
            QVERIFY2(!On(id, s), qPrintable(CMainCommands::Key(id)));
        QCOMPARE(CommandEnabling::ChooseMenuBar(s), MenuBarKind::Bare);
        // A current screen left over from a closed project enables nothing.
        CommandState stale = s;
        stale.currentScreen = 3;
        QVERIFY(!On(CommandId::DeleteScreen, stale));
    }

    void projectWindowActive()
    {
        CommandState s = ProjectActive();
        QCOMPARE(CommandEnabling::ChooseMenuBar(s), MenuBarKind::Project);
        for (CommandId id : {CommandId::CloseProject, CommandId::SaveProject, CommandId::ProjectTransfer,
                             CommandId::ProjectInformation, CommandId::NewScreen, CommandId::PanelManager,
                             CommandId::ConfigurePassword, CommandId::PlcPanel, CommandId::AlarmSetup,
                             CommandId::Cascade, CommandId::PanelInformation, CommandId::ExportReport,
                             CommandId::PrintPreview, CommandId::Print})
            QVERIFY2(On(id, s), qPrintable(CMainCommands::Key(id)));
        // Edit and Object commands belong to a screen view.
        for (CommandId id : {CommandId::Undo, CommandId::Cut, CommandId::Copy, CommandId::Paste,
                             CommandId::SelectAll, CommandId::ObjectNumeric, CommandId::DisplayObjectLabel})
            QVERIFY2(!On(id, s), qPrintable(CMainCommands::Key(id)));
        // The screen commands follow the current screen and the copy.
        QVERIFY(!On(CommandId::DeleteScreen, s));
        QVERIFY(!On(CommandId::ScreenOption, s));
        QVERIFY(!On(CommandId::PasteScreen, s));
        s.currentScreen = 4;
        for (CommandId id : {CommandId::DeleteScreen, CommandId::RenameScreen, CommandId::CopyScreen,
                             CommandId::ScreenOption})
            QVERIFY2(On(id, s), qPrintable(CMainCommands::Key(id)));
        QVERIFY(!On(CommandId::PasteScreen, s));
        s.copiedScreenHeld = true;
        QVERIFY(On(CommandId::PasteScreen, s));
    }

    void screenViewActive()
    {
        CommandState s = ScreenActive();
        QCOMPARE(CommandEnabling::ChooseMenuBar(s), MenuBarKind::Screen);
        for (int k = int(CommandId::Undo); k <= int(CommandId::SelectAll); ++k)
            QVERIFY(On(CommandId(k), s));
        for (int k = int(CommandId::ObjectStaticText); k <= int(CommandId::ObjectString); ++k)
            QVERIFY(On(CommandId(k), s));
        QVERIFY(On(CommandId::DisplayObjectLabel, s));
        QVERIFY(On(CommandId::NewWindow, s));
        // An editor that is not ready takes no new objects, but still edits.
        s.screenEditorReady = false;
        QVERIFY(!On(CommandId::ObjectBarMeter, s));
        QVERIFY(On(CommandId::Copy, s));
        // The Edit commands follow what the view can do: Cut and Copy need a
        // selection, Paste objects on the clipboard, Undo and Redo a snapshot.
        s.hasSelection = false;
        QVERIFY(!On(CommandId::Cut, s));
        QVERIFY(!On(CommandId::Copy, s));
        QVERIFY(On(CommandId::SelectAll, s));
        s.canPaste = false;
        QVERIFY(!On(CommandId::Paste, s));
        s.canUndo = false;
        QVERIFY(!On(CommandId::Undo, s));
        QVERIFY(On(CommandId::Redo, s));
        s.canRedo = false;
        QVERIFY(!On(CommandId::Redo, s));
        // A command whose work is not plugged in stays off in every state.
        s.unhandled.insert(CommandId::NewScreen);
        QVERIFY(!On(CommandId::NewScreen, s));
    }

    void everyCommandHasItsTextsAndAccelerators()
    {
        CMainCommands commands;
        for (int i = 0; i < kCommandCount; ++i) {
            QAction* a = commands.Action(CommandId(i));
            QVERIFY(a);
            QCOMPARE(a->data().toInt(), i);
            QVERIFY2(a->text().contains(QLatin1Char('&')), qPrintable(a->text()));
            QVERIFY(!a->statusTip().isEmpty());
        }
        auto keys = [&](CommandId id) {
            QStringList out;
            for (const QKeySequence& k : commands.Action(id)->shortcuts())
                out.append(k.toString(QKeySequence::PortableText));
            return out;
        };
        QCOMPARE(keys(CommandId::OpenProject), QStringList{"Ctrl+O"});
        QCOMPARE(keys(CommandId::SaveProject), QStringList{"Ctrl+S"});
        QCOMPARE(keys(CommandId::ProjectTransfer), QStringList{"Ctrl+T"});
        QCOMPARE(keys(CommandId::NewScreen), QStringList{"Ctrl+N"});
        QCOMPARE(keys(CommandId::Undo), (QStringList{"Ctrl+Z", "Alt+Backspace"}));
        QCOMPARE(keys(CommandId::Redo), (QStringList{"Ctrl+Y", "Ctrl+Shift+Z"}));
        QCOMPARE(keys(CommandId::Cut), (QStringList{"Ctrl+X", "Shift+Del"}));
        QCOMPARE(keys(CommandId::Copy), (QStringList{"Ctrl+C", "Ctrl+Ins"}));
        QCOMPARE(keys(CommandId::Paste), (QStringList{"Ctrl+V", "Shift+Ins"}));
        QCOMPARE(keys(CommandId::SelectAll), QStringList{"Ctrl+A"});
        QCOMPARE(keys(CommandId::HelpTopics), QStringList{"F1"});
        QCOMPARE(keys(CommandId::Print), QStringList{"Ctrl+P"});
        QCOMPARE(keys(CommandId::NextPane), QStringList{"F6"});
        QCOMPARE(keys(CommandId::PreviousPane), QStringList{"Shift+F6"});
        QCOMPARE(commands.Action(CommandId::ConfigurePassword)->text(), QStringLiteral("Configuree &Password..."));
    }
};

QTEST_MAIN(TestUiCommands)
#include "test_ui_commands.moc"
