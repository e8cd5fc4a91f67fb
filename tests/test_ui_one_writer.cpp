// The editor's state has one writer: an edit made anywhere (a property
// form, the canvas, a second window) marks the project and reaches every
// view; the screen commands act on the screen in front; Start Project goes
// on with New Screen. Driven through the main window with every command
// plugged in, as the user drives it.
#include "ModalDriver.h"
#include "TestSupport.h"
#include "app/TessanApp.h"
#include "base/LanguageSection.h"
#include "project/ProtocolTables.h"
#include "project/ScreenObject.h"
#include "screen/DiagramEntityContainer.h"
#include "screen/ObjectFactory.h"
#include "screen/ObjectStaticText.h"
#include "ui/app/EditorCommands.h"
#include "ui/app/MainCommands.h"
#include "ui/app/MainWindow.h"
#include "ui/app/OutputPane.h"
#include "ui/app/ScreenListPane.h"
#include "ui/document/ProjectController.h"
#include "ui/document/ScreenDocument.h"
#include "ui/project/DlgScreenNew.h"
#include "ui/project/DlgScreenOption.h"
#include "ui/project/DlgScreenRename.h"
#include "ui/app/DlgStartProject.h"
#include "ui/screen/ObjectEditor.h"
#include "ui/screen/PropertyFormDialog.h"
#include "ui/screen/TessanView.h"
#include "ui_DlgScreenNew.h"
#include "ui_DlgScreenOption.h"
#include "ui_DlgScreenRename.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

namespace {

const QString kVSeq = QString::fromLatin1(ProtocolTables::kVardoVSequence);
const QString kSaveQuestion = QStringLiteral("Project data has been modified, save it?");

// The main window with every command plugged in, over a new project.
struct Editor
{
    CTestProgramFolder f;
    CProjectController c{f.App()};
    CMainWindow w{c};
    CEditorCommands commands{w, c};

    explicit Editor(bool withProject = true)
    {
        f.App().messages = &f;
        w.resize(1100, 760);
        w.show();
        if (withProject)
            c.NewProject("Line1", f.Dir() + "/P", "RU03", kVSeq);
    }
    CTessanView* view(QMdiSubWindow* sub)
    {
        return sub ? qobject_cast<CTessanView*>(sub->widget()) : nullptr;
    }
    CTessanView* active() { return dynamic_cast<CTessanView*>(w.ActiveScreenView()); }
    bool enabled(CommandId id)
    {
        w.UpdateCommands();
        return w.Commands().Action(id)->isEnabled();
    }
    const CDiagramEntity* addText(int number, int l, int t)
    {
        auto o = CreateObjectOfKind(OBJ_STATIC_TEXT, &f.App().model);
        o->SetRect(l, t, l + 40, t + 16);
        const CDiagramEntity* p = o.get();
        c.ScreenDocument(number)->Edit(
            [&](CDiagramEntityContainer& objects) { objects.Add(std::move(o)); });
        return p;
    }
};

CPropertyFormDialog* shownForm()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* d = qobject_cast<CPropertyFormDialog*>(w); d && d->isVisible())
            return d;
    return nullptr;
}

void retype(QLineEdit* field, const QString& text)
{
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
}

void clickOk(QDialog* dialog)
{
    auto* box = dialog->findChild<QDialogButtonBox*>();
    QTest::mouseClick(box->button(QDialogButtonBox::Ok), Qt::LeftButton);
}

} // namespace

class TestUiOneWriter : public QObject
{
    Q_OBJECT
private slots:
    void okOnAFormIsAnEditThatCloseAsksToSave()
    {
        Editor e;
        e.c.RequestOpenScreen(1);
        e.addText(1, 16, 16);
        QVERIFY(e.c.SaveProject());
        QVERIFY(!e.c.IsModified());

        // The form changes the object's name; OK stores it as one edit.
        e.active()->SelectAll();
        QTest::keyClick(e.active()->Editor(), Qt::Key_Return, Qt::ControlModifier);
        CPropertyFormDialog* form = shownForm();
        QVERIFY(form);
        retype(form->findChild<QLineEdit*>("editName"), "Level");
        clickOk(form);
        QCOMPARE(e.c.ScreenDocument(1)->Container().GetAt(0)->GetName(), QString("Level"));
        QVERIFY(e.c.IsModified());
        QVERIFY(e.enabled(CommandId::Undo));

        // Close Project asks; Cancel keeps the project and the edit.
        e.f.answers = {MessageAnswer::Cancel};
        e.w.Execute(CommandId::CloseProject);
        QVERIFY(e.f.MessageTexts().contains(kSaveQuestion));
        QVERIFY(e.c.HasProject());

        // OK with nothing changed is no edit.
        QVERIFY(e.c.SaveProject());
        const int undo = e.c.ScreenDocument(1)->Container().UndoCount();
        QTest::keyClick(e.active()->Editor(), Qt::Key_Return, Qt::ControlModifier);
        clickOk(shownForm());
        QVERIFY(!e.c.IsModified());
        QCOMPARE(e.c.ScreenDocument(1)->Container().UndoCount(), undo);
    }

    void screenCommandsActOnTheScreenInFront()
    {
        Editor e;
        QVERIFY(e.c.NewScreen(2, "Screen 2"));
        QCOMPARE(e.c.CurrentScreen(), 2);
        e.c.RequestOpenScreen(1);
        e.c.RequestOpenScreen(2);
        QCOMPARE(e.c.CurrentScreen(), 2);
        QCOMPARE(e.w.ScreenList()->SelectedNumber(), 2);

        // The first window comes to the front: its screen is current, and
        // the list follows.
        e.w.DocumentArea()->setActiveSubWindow(e.w.ScreenWindow(1));
        QCOMPARE(e.c.CurrentScreen(), 1);
        QCOMPARE(e.w.ScreenList()->SelectedNumber(), 1);

        // Rename Screen proposes and renames that one.
        CModalDriver driver;
        QString proposed;
        driver.On<CDlgScreenRename>([&](CDlgScreenRename* d) {
            proposed = d->Form().editFromName->text();
            retype(d->Form().editName, "Pumps");
            clickOk(d);
            return true;
        });
        e.w.Execute(CommandId::RenameScreen);
        QCOMPARE(proposed, QString("Screen 1"));
        QCOMPARE(e.f.App().model.FindScreen(1)->name, QString("Pumps"));
        QCOMPARE(e.f.App().model.FindScreen(2)->name, QString("Screen 2"));
        QCOMPARE(e.w.ScreenWindow(1)->windowTitle(), QString("Line1.cgp - #1 Pumps"));
        // The renamed screen stays current and selected in the list.
        QCOMPARE(e.c.CurrentScreen(), 1);
        QCOMPARE(e.w.ScreenList()->SelectedNumber(), 1);

        // A row chosen in the list wins over the window in front.
        QTreeWidget* list = e.w.ScreenList()->List();
        list->setCurrentItem(list->topLevelItem(0)); // screen 2: descending order
        QCOMPARE(e.c.CurrentScreen(), 2);
        QString shown;
        driver.On<CDlgScreenOption>([&](CDlgScreenOption* d) {
            shown = d->Form().editNumber->text();
            d->reject();
            return true;
        });
        e.w.Execute(CommandId::ScreenOption);
        QCOMPARE(shown, QString("2"));

        // Deleting the current screen clears it: the commands on it go off.
        QVERIFY(e.c.DeleteScreen(2));
        QCOMPARE(e.c.CurrentScreen(), 0);
        QCOMPARE(e.w.ScreenList()->SelectedRow(), -1);
        QVERIFY(!e.enabled(CommandId::RenameScreen));
        QVERIFY(!e.enabled(CommandId::CopyScreen));
        QVERIFY(!e.enabled(CommandId::ScreenOption));
        // A new screen is current.
        QVERIFY(e.c.NewScreen(5, "Five"));
        QCOMPARE(e.c.CurrentScreen(), 5);
        QCOMPARE(e.w.ScreenList()->SelectedNumber(), 5);
        e.c.CloseProject();
        QCOMPARE(e.c.CurrentScreen(), 0);
    }

    void startProjectGoesOnWithNewScreen()
    {
        Editor e(false);
        CModalDriver driver;
        driver.On<CDlgStartProject>([](CDlgStartProject* d) {
            d->accept();
            return true;
        });
        QString number, name;
        driver.On<CDlgScreenNew>([&](CDlgScreenNew* d) {
            number = d->Form().editNumber->text();
            name = d->Form().editName->text();
            clickOk(d);
            return true;
        });
        e.commands.StartProject(&e.w);
        QVERIFY(e.c.HasProject());
        QCOMPARE(number, QString("1"));
        QCOMPARE(name, QString("Screen 1"));
        QVERIFY(e.c.App().model.FindScreen(1));
        QVERIFY(e.w.ScreenWindow(1));
        QCOMPARE(e.active()->ScreenNumber(), 1);

        // Cancel there leaves a project without screens; New Screen stays.
        driver.On<CDlgStartProject>([](CDlgStartProject* d) {
            d->accept();
            return true;
        });
        driver.On<CDlgScreenNew>([](CDlgScreenNew* d) {
            d->reject();
            return true;
        });
        e.f.answers = {MessageAnswer::No}; // the new project is not saved
        e.commands.StartProject(&e.w);
        QVERIFY(e.c.HasProject());
        QVERIFY(e.c.App().model.screens.empty());
        QVERIFY(e.enabled(CommandId::NewScreen));
    }

    void editCommandsFollowTheView()
    {
        Editor e;
        e.c.RequestOpenScreen(1);
        QVERIFY(e.active());
        // Nothing to undo, nothing selected, nothing on the clipboard yet.
        QVERIFY(!e.enabled(CommandId::Undo));
        QVERIFY(!e.enabled(CommandId::Redo));
        QVERIFY(!e.enabled(CommandId::Cut));
        QVERIFY(!e.enabled(CommandId::Copy));
        QVERIFY(e.enabled(CommandId::SelectAll));

        e.addText(1, 8, 8);
        QVERIFY(e.enabled(CommandId::Undo));
        QVERIFY(!e.enabled(CommandId::Cut));
        e.w.Execute(CommandId::SelectAll);
        QVERIFY(e.enabled(CommandId::Cut));
        QVERIFY(e.enabled(CommandId::Copy));
        e.w.Execute(CommandId::Copy);
        QVERIFY(e.enabled(CommandId::Paste));
        e.w.Execute(CommandId::Cut);
        QCOMPARE(e.c.ScreenDocument(1)->Container().GetSize(), 0);
        e.w.Execute(CommandId::Undo);
        QCOMPARE(e.c.ScreenDocument(1)->Container().GetSize(), 1);
        QVERIFY(e.enabled(CommandId::Redo));
        QCOMPARE(e.w.Commands().Action(CommandId::Redo)->shortcuts().first(),
                 QKeySequence(Qt::CTRL | Qt::Key_Y));
        e.w.Execute(CommandId::Redo);
        QCOMPARE(e.c.ScreenDocument(1)->Container().GetSize(), 0);
        QVERIFY(!e.enabled(CommandId::Redo));
    }

    void aSecondWindowFollowsTheFirst()
    {
        Editor e;
        e.c.RequestOpenScreen(1);
        QMdiSubWindow* first = e.w.ScreenWindow(1);
        QVERIFY(e.enabled(CommandId::NewWindow));
        e.w.Execute(CommandId::NewWindow);
        const QList<QMdiSubWindow*> windows = e.w.ScreenWindows(1);
        QCOMPARE(windows.size(), 2);
        QCOMPARE(windows.first(), first);
        QMdiSubWindow* second = windows.last();
        QCOMPARE(second->windowTitle(), QString("Line1.cgp - #1 Screen 1:2"));
        QCOMPARE(ScreenNumberFromTitle(second->windowTitle()), 1);
        QCOMPARE(e.view(second)->Document(), e.view(first)->Document());

        // An edit in the first window reaches the second.
        QSignalSpy followed(e.view(second)->Editor(), &CDiagramEditor::contentChanged);
        e.view(first)->Editor()->DropObject(OBJ_NUMERIC,
                                            e.view(first)->Editor()->ToWindow(QPointF(16, 16)));
        if (CPropertyFormDialog* form = shownForm())
            clickOk(form);
        QVERIFY(followed.count() >= 1);
        QCOMPARE(e.view(second)->Editor()->Container()->GetSize(), 1);
        // The selection is the objects' own: both windows show it.
        QVERIFY(e.view(second)->HasSelection());

        // A rename retitles both; the list's double-click raises the first.
        QCOMPARE(e.c.RenameScreen(1, 1, "Main"), ScreenCommands::RenameResult::Renamed);
        QCOMPARE(second->windowTitle(), QString("Line1.cgp - #1 Main:2"));
        e.w.DocumentArea()->setActiveSubWindow(second);
        e.c.RequestOpenScreen(1);
        QCOMPARE(e.w.DocumentArea()->currentSubWindow(), first);
        QCOMPARE(e.w.ScreenWindows(1).size(), 2);
    }

    void screenWindowShowsThePaperAtTheZoom()
    {
        Editor e;
        CViewSettings s = e.w.ViewSettings();
        s.zoomPercent = 200;
        e.w.SetViewSettings(s);
        e.c.RequestOpenScreen(1);
        QCoreApplication::processEvents();
        QWidget* paper = e.active()->Editor()->viewport();
        QVERIFY2(paper->width() >= 384 && paper->height() >= 128,
                 qPrintable(QStringLiteral("%1x%2").arg(paper->width()).arg(paper->height())));
        // The next window opens below and right of the first.
        QVERIFY(e.c.NewScreen(2, "Two"));
        e.c.RequestOpenScreen(2);
        QVERIFY(e.w.ScreenWindow(2)->pos().x() > e.w.ScreenWindow(1)->pos().x());
    }

    void outputLinksOpenTheDialogsTheCompilerNames()
    {
        Editor e;
        // A pane of its own: the main window's would open the dialogs.
        COutputPane own(e.c);
        COutputPane* pane = &own;
        QSignalSpy manager(pane, &COutputPane::panelManagerRequested);
        QSignalSpy alarms(pane, &COutputPane::alarmSetupRequested);
        const CAppSettings& s = e.c.App().settings;
        // As the compiler writes them: the sections' own "Title" texts.
        pane->ActivateLine("  Warning: ["
                           + s.LookupText(IDD_DLG_PANEL_MANAGER, QStringLiteral("Title"))
                           + "] ----> 'Start Screen'9 is not within range");
        QCOMPARE(manager.count(), 1);
        pane->ActivateLine("  Warning: [" + s.LookupText(IDD_DLG_ALARM, QStringLiteral("Title"))
                           + "] ----> 'Alarm 1' is not within range");
        QCOMPARE(alarms.count(), 1);
        pane->ActivateLine("no link here");
        QCOMPARE(manager.count() + alarms.count(), 2);
    }
};

QTEST_MAIN(TestUiOneWriter)
#include "test_ui_one_writer.moc"
