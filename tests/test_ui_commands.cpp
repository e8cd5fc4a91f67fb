// Which commands the main window offers in which state, and which menu bar
// it shows; computed from the state alone, without a window. The command
// table is held to invariants that catch slips when a command is added: a
// mnemonic, a status tip and an enabling rule for each, no accelerator bound
// twice, and the main window's accelerators bound to their commands.
#include "screen/ObjectKind.h"
#include "ui/app/CommandEnabling.h"
#include "ui/app/MainCommands.h"

#include <QAction>
#include <QHash>
#include <QRegularExpression>
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
    s.canUndo = s.canRedo = s.hasSelection = s.canPaste = s.selectionHasRegister = true;
    return s;
}

bool On(CommandId id, const CommandState& s)
{
    return CommandEnabling::IsEnabled(id, s);
}

QList<CommandId> AllCommands()
{
    QList<CommandId> out;
    for (int i = 0; i < kCommandCount; ++i)
        out.append(CommandId(i));
    return out;
}

// The letter after the single "&" of a menu text; none without one.
QChar Mnemonic(const QString& text)
{
    static const QRegularExpression one(QStringLiteral("(?<!&)&([^&\\s])"));
    const QRegularExpressionMatch m = one.match(text);
    return m.hasMatch() ? m.captured(1).at(0).toLower() : QChar();
}

} // namespace

class TestUiCommands : public QObject
{
    Q_OBJECT
private slots:
    void everyCommandHasAMnemonicAStatusTipAndAnEnablingRule()
    {
        CMainCommands commands;
        for (CommandId id : AllCommands()) {
            const QString key = CMainCommands::Key(id);
            QAction* a = commands.Action(id);
            QVERIFY2(a, qPrintable(key));
            QCOMPARE(a->data().toInt(), int(id));
            QVERIFY2(!key.isEmpty(), qPrintable(QString::number(int(id))));
            QVERIFY2(!Mnemonic(a->text()).isNull(), qPrintable(a->text()));
            QVERIFY2(!a->statusTip().isEmpty(), qPrintable(key));
            QVERIFY2(CommandEnabling::RuleOf(id) != EnablingRule::None, qPrintable(key));
        }
        // The language files' keys name one command each.
        QSet<QString> keys;
        for (CommandId id : AllCommands())
            keys.insert(CMainCommands::Key(id));
        QCOMPARE(keys.size(), kCommandCount);
        // The Object menu: one command per kind, each with a letter of its own.
        QSet<QChar> letters;
        for (int kind = 0; kind < kObjectKindCount; ++kind) {
            QCOMPARE(ObjectKindOfCommand(ObjectCommand(kind)), kind);
            letters.insert(Mnemonic(commands.Action(ObjectCommand(kind))->text()));
        }
        QCOMPARE(letters.size(), kObjectKindCount);
        QCOMPARE(ObjectKindOfCommand(CommandId::NewScreen), -1);
        QCOMPARE(commands.Action(CommandId::ConfigurePassword)->text(),
                 QStringLiteral("Configuree &Password..."));
    }

    void noAcceleratorIsBoundTwice()
    {
        CMainCommands commands;
        QHash<QString, QString> boundTo;
        for (CommandId id : AllCommands()) {
            for (const QKeySequence& k : commands.Action(id)->shortcuts()) {
                const QString key = k.toString(QKeySequence::PortableText);
                QVERIFY2(!boundTo.contains(key),
                         qPrintable(key + " is bound to " + boundTo.value(key) + " and "
                                    + CMainCommands::Key(id)));
                boundTo.insert(key, CMainCommands::Key(id));
            }
        }
        // Simulate has one too.
        QCOMPARE(boundTo.value("Ctrl+F5"), CMainCommands::Key(CommandId::Simulate));
    }

    void theMainWindowsAcceleratorsAreBoundToTheirCommands()
    {
        CMainCommands commands;
        const QList<QPair<CommandId, QStringList>> table = {
            {CommandId::OpenProject, {"Ctrl+O"}},
            {CommandId::SaveProject, {"Ctrl+S"}},
            {CommandId::ProjectTransfer, {"Ctrl+T"}},
            {CommandId::Undo, {"Ctrl+Z", "Alt+Backspace"}},
            {CommandId::Cut, {"Ctrl+X", "Shift+Del"}},
            {CommandId::Copy, {"Ctrl+C", "Ctrl+Ins"}},
            {CommandId::Paste, {"Ctrl+V", "Shift+Ins"}},
            {CommandId::SelectAll, {"Ctrl+A"}},
            {CommandId::NewScreen, {"Ctrl+N"}},
            {CommandId::HelpTopics, {"F1"}},
            {CommandId::Print, {"Ctrl+P"}},
            {CommandId::NextPane, {"F6"}},
            {CommandId::PreviousPane, {"Shift+F6"}},
        };
        for (const auto& [id, keys] : table) {
            QStringList bound;
            for (const QKeySequence& k : commands.Action(id)->shortcuts())
                bound.append(k.toString(QKeySequence::PortableText));
            for (const QString& key : keys)
                QVERIFY2(bound.contains(key), qPrintable(CMainCommands::Key(id) + ": " + key));
        }
    }

    void withoutProjectOnlyTheProgramsOwnCommandsWork()
    {
        // Whatever else the state says, without a project only the commands
        // that need nothing are on.
        CommandState s = NoProject();
        CommandState stale = ScreenActive();
        stale.hasProject = false; // a screen left over from a closed project
        for (CommandId id : AllCommands()) {
            const bool always = CommandEnabling::RuleOf(id) == EnablingRule::Always
                                || (CommandEnabling::RuleOf(id) == EnablingRule::DocumentWindows);
            QVERIFY2(On(id, s) == (CommandEnabling::RuleOf(id) == EnablingRule::Always),
                     qPrintable(CMainCommands::Key(id)));
            QVERIFY2(On(id, stale) == always, qPrintable(CMainCommands::Key(id)));
        }
        QCOMPARE(CommandEnabling::ChooseMenuBar(s), MenuBarKind::Bare);
        QVERIFY(On(CommandId::StartProject, s));
        QVERIFY(On(CommandId::OpenProject, s));
        QVERIFY(On(CommandId::Exit, s));
    }

    void projectWindowActive()
    {
        CommandState s = ProjectActive();
        QCOMPARE(CommandEnabling::ChooseMenuBar(s), MenuBarKind::Project);
        // New Screen and Project Transfer once a project is open.
        QVERIFY(On(CommandId::NewScreen, s));
        QVERIFY(On(CommandId::ProjectTransfer, s));
        // Edit and Object commands belong to a screen view.
        for (CommandId id : AllCommands()) {
            const EnablingRule rule = CommandEnabling::RuleOf(id);
            if (rule == EnablingRule::ScreenView || rule == EnablingRule::ScreenEditorReady
                || rule == EnablingRule::Undo || rule == EnablingRule::Redo
                || rule == EnablingRule::Selection || rule == EnablingRule::ClipboardObjects
                || rule == EnablingRule::SelectionRegister)
                QVERIFY2(!On(id, s), qPrintable(CMainCommands::Key(id)));
        }
        // The screen commands follow the current screen and the copy.
        QVERIFY(!On(CommandId::DeleteScreen, s));
        QVERIFY(!On(CommandId::ScreenOption, s));
        QVERIFY(!On(CommandId::PasteScreen, s));
        s.currentScreen = 4;
        for (CommandId id : {CommandId::DeleteScreen, CommandId::RenameScreen,
                             CommandId::CopyScreen, CommandId::ScreenOption})
            QVERIFY2(On(id, s), qPrintable(CMainCommands::Key(id)));
        QVERIFY(!On(CommandId::PasteScreen, s));
        s.copiedScreenHeld = true;
        QVERIFY(On(CommandId::PasteScreen, s));
        // Simulate waits for its image.
        QVERIFY(On(CommandId::Simulate, s));
        s.simulationCompiling = true;
        QVERIFY(!On(CommandId::Simulate, s));
    }

    void screenViewActive()
    {
        CommandState s = ScreenActive();
        QCOMPARE(CommandEnabling::ChooseMenuBar(s), MenuBarKind::Screen);
        // With everything the view can do, every command of a project is on.
        for (CommandId id : AllCommands())
            if (CommandEnabling::RuleOf(id) != EnablingRule::CopiedScreen)
                QVERIFY2(On(id, s), qPrintable(CMainCommands::Key(id)));
        // An editor that is not ready takes no new objects, but still edits.
        s.screenEditorReady = false;
        for (int kind = 0; kind < kObjectKindCount; ++kind)
            QVERIFY(!On(ObjectCommand(kind), s));
        QVERIFY(On(CommandId::Copy, s));
        // The Edit commands follow what the view can do: Cut and Copy need a
        // selection, Paste objects on the clipboard, Undo and Redo a snapshot.
        s.hasSelection = false;
        QVERIFY(!On(CommandId::Cut, s));
        QVERIFY(!On(CommandId::Copy, s));
        QVERIFY(On(CommandId::SelectAll, s));
        s.canPaste = false;
        QVERIFY(!On(CommandId::Paste, s));
        // Find Uses needs a selected object bound to a register.
        QVERIFY(On(CommandId::FindUses, s));
        s.selectionHasRegister = false;
        QVERIFY(!On(CommandId::FindUses, s));
        s.canUndo = false;
        QVERIFY(!On(CommandId::Undo, s));
        QVERIFY(On(CommandId::Redo, s));
        s.canRedo = false;
        QVERIFY(!On(CommandId::Redo, s));
        // A command whose work is not plugged in stays off in every state.
        s.unhandled.insert(CommandId::NewScreen);
        QVERIFY(!On(CommandId::NewScreen, s));
        // The kind being inserted shows its check mark.
        s.screenEditorReady = true;
        s.insertKind = OBJ_TREND_METER;
        QVERIFY(CommandEnabling::IsChecked(ObjectCommand(OBJ_TREND_METER), s));
        QVERIFY(!CommandEnabling::IsChecked(ObjectCommand(OBJ_BAR_METER), s));
    }
};

QTEST_MAIN(TestUiCommands)
#include "test_ui_commands.moc"
