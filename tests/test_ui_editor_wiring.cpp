// The editor as a whole: the main window with every command plugged in.
// Screen windows hold the screen editor, the Edit and Object commands reach
// it, the view settings follow, and a renamed screen keeps its window.
#include "EditorFixture.h"
#include "TestSupport.h"
#include "app/ScreenCommands.h"
#include "app/TessanApp.h"
#include "project/ProtocolTables.h"
#include "screen/DiagramEntityContainer.h"
#include "screen/ObjectFactory.h"
#include "screen/TessanDoc.h"
#include "ui/app/EditorCommands.h"
#include "ui/app/MainWindow.h"
#include "ui/document/ProjectController.h"
#include "ui/document/ScreenDocument.h"
#include "ui/screen/TessanView.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>

namespace {
const QString kVSeq = QString::fromLatin1(ProtocolTables::kVardoVSequence);

CTessanView* activeView(CMainWindow& w)
{
    return dynamic_cast<CTessanView*>(w.ActiveScreenView());
}

// A new project "Line1" with its screen 1.
struct Editor : CEditorFixture
{
    bool NewProject() { return c.NewProject("Line1", f.Dir() + "/P", "RU03", kVSeq); }
};
} // namespace

class TestUiEditorWiring : public QObject
{
    Q_OBJECT
private slots:
    void screenWindowsHoldTheEditor()
    {
        Editor e;
        QVERIFY(e.NewProject());
        CTestProgramFolder& f = e.f;
        CProjectController& c = e.c;
        CMainWindow& w = e.w;
        c.RequestOpenScreen(1);
        CTessanView* view = activeView(w);
        QVERIFY(view);
        QCOMPARE(view->windowTitle(), QStringLiteral("Line1.cgp - #1 Screen 1"));

        // Object > Static Text puts the view into insert mode.
        w.Execute(ObjectCommand(OBJ_STATIC_TEXT));
        QCOMPARE(view->InsertKind(), 0);

        // Edit commands reach the document through the view.
        CScreenDocument* doc = c.ScreenDocument(1);
        QVERIFY(doc);
        doc->Edit([&](CDiagramEntityContainer& o) {
            o.Add(CreateObjectOfKind(OBJ_NUMERIC, &f.App().model));
        });
        w.Execute(CommandId::SelectAll);
        QCOMPARE(doc->Container().GetSelectCount(), 1);
        w.Execute(CommandId::Cut);
        QCOMPARE(doc->Container().GetSize(), 0);
        w.Execute(CommandId::Undo);
        QCOMPARE(doc->Container().GetSize(), 1);
    }

    void renamedScreenKeepsItsWindowAndEdits()
    {
        Editor e;
        QVERIFY(e.NewProject());
        CTestProgramFolder& f = e.f;
        CProjectController& c = e.c;
        CMainWindow& w = e.w;
        c.RequestOpenScreen(1);
        QMdiSubWindow* sub = w.ScreenWindow(1);
        QVERIFY(sub);
        c.ScreenDocument(1)->Edit([&](CDiagramEntityContainer& o) {
            o.Add(CreateObjectOfKind(OBJ_STRING, &f.App().model));
        });

        QCOMPARE(c.RenameScreen(1, 7, "Pumps"), ScreenCommands::RenameResult::Renamed);
        QCOMPARE(w.ScreenWindow(7), sub);
        QVERIFY(!w.ScreenWindow(1));
        QCOMPARE(sub->windowTitle(), QStringLiteral("Line1.cgp - #7 Pumps"));
        QCOMPARE(c.ScreenDocument(7)->Container().GetSize(), 1);

        // Closing the window later forgets it under its new number.
        delete sub;
        QVERIFY(!w.ScreenWindow(7));
        c.RequestOpenScreen(7);
        QVERIFY(w.ScreenWindow(7));
    }

    void closingTheProjectWithScreenWindowsOpen()
    {
        // Each screen's window in front once: while the project's documents
        // go one after the other, the enabling asks the window in front about
        // its selection, and its screen must still be there to answer.
        for (int front : {1, 2}) {
            Editor e;
            QVERIFY(e.NewProject());
            CProjectController& c = e.c;
            CMainWindow& w = e.w;
            QVERIFY(c.NewScreen(2, "Two"));
            for (int screen : {1, 2}) {
                c.RequestOpenScreen(screen);
                c.ScreenDocument(screen)->Edit([&](CDiagramEntityContainer& o) {
                    for (int i = 0; i < 40; ++i)
                        o.Add(CreateObjectOfKind(OBJ_NUMERIC, &e.f.App().model));
                });
                w.Execute(CommandId::SelectAll);
            }
            w.ScreenWindow(front)->setFocus();
            c.RequestOpenScreen(front);
            QVERIFY(activeView(w)->HasSelection());
            c.CloseProject();
            QVERIFY(!activeView(w) || !activeView(w)->HasSelection());
            QVERIFY(!w.CurrentState().hasSelection);
        }
    }
};

QTEST_MAIN(TestUiEditorWiring)
#include "test_ui_editor_wiring.moc"
