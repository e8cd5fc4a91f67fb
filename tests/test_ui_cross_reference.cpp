// The Cross Reference pane in the editor: it follows the controller and the
// screen documents (unsaved edits included), filters by register text, goes
// to a use on a double-click, and Find Uses (command and the canvas's
// context menus) lists the uses of the selected object's register.
#include "TestSupport.h"
#include "app/TessanApp.h"
#include "project/ProtocolTables.h"
#include "project/ScreenObject.h"
#include "screen/DiagramEntityContainer.h"
#include "screen/ObjectFactory.h"
#include "screen/ObjectNumeric.h"
#include "app/CrossReference.h"
#include "app/ProjectScreenObjects.h"
#include "ui/app/CommandEnabling.h"
#include "ui/app/CrossReferenceModel.h"
#include "ui/app/CrossReferencePane.h"
#include "ui/app/EditorCommands.h"
#include "ui/app/MainCommands.h"
#include "ui/app/MainWindow.h"
#include "ui/document/ProjectController.h"
#include "ui/document/ScreenDocument.h"
#include "ui/screen/ObjectEditor.h"
#include "ui/screen/TessanView.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QDockWidget>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

namespace {

const QString kVSeq = QString::fromLatin1(ProtocolTables::kVardoVSequence);

std::unique_ptr<CDiagramEntity> Numeric(const QString& name, int address, int count, int x)
{
    auto o = CreateObjectOfKind(OBJ_NUMERIC);
    o->SetName(name);
    o->SetRect(x, 8, x + 32, 24);
    auto& n = static_cast<CObjectNumeric&>(*o);
    n.reg = {"DEV001", "R", address, 0, 1, 0};
    n.registerCount = count;
    return o;
}

// The shown rows as "device.area.address|use|place|finding".
QStringList Shown(const CCrossReferencePane& pane)
{
    QStringList out;
    const CCrossReferenceModel* m = pane.Model();
    for (int r = 0; r < m->rowCount(); ++r) {
        const CrossReferenceRow& row = m->Row(r);
        out << QStringLiteral("%1.%2.%3|%4|%5|%6")
                   .arg(row.device, row.area, row.address, row.use, row.place, row.finding);
    }
    return out;
}

void DoubleClick(QAbstractItemView* view, int row)
{
    const QPoint at = view->visualRect(view->model()->index(row, 4)).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
}

// The main window with its commands on a new project "Line1" whose screen 1
// holds two numerics that share the word R2000, edited and not saved; the
// Cross Reference pane is raised.
struct Editor
{
    Editor() : c(f.App()), w(c), commands(w, c)
    {
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QVERIFY(c.NewProject("Line1", f.Dir() + "/P", "RU03", kVSeq));
        f.App().model.FindScreen(1)->screenChange = {1, 1};
        c.RequestOpenScreen(1);
        doc = c.ScreenDocument(1);
        QVERIFY(doc);
        doc->Edit([](CDiagramEntityContainer& o) {
            o.Add(Numeric("WIDE", 01777, 2, 8));
            o.Add(Numeric("NARROW", 02000, 1, 80));
        });
        dock = w.findChild<QDockWidget*>("DockCrossReference");
        QVERIFY(dock);
        dock->raise();
        w.resizeDocks({dock}, {300}, Qt::Vertical);
        settle();
    }
    void settle() { QCoreApplication::sendPostedEvents(); }
    CCrossReferencePane& pane() { return *w.CrossReference(); }
    CTessanView* view() { return dynamic_cast<CTessanView*>(w.ActiveScreenView()); }

    CTestProgramFolder f;
    CProjectController c;
    CMainWindow w;
    CEditorCommands commands;
    CScreenDocument* doc = nullptr;
    QDockWidget* dock = nullptr;
};

} // namespace

class TestUiCrossReference : public QObject
{
    Q_OBJECT
private slots:
    void followsTheDocumentsAndTheController()
    {
        Editor e;
        QVERIFY(e.dock->isVisible());
        QCOMPARE(e.dock->windowTitle(), QStringLiteral("Cross Reference"));
        // Beside Output: one tab group.
        QVERIFY(
            e.w.tabifiedDockWidgets(e.dock).contains(e.w.findChild<QDockWidget*>("DockOutput")));
        QCOMPARE(Shown(e.pane()),
                 QStringList({"DEV001.R.1777|object|#1 Screen 1 'WIDE' (Numeric)|overlap",
                              "DEV001.R.2000|object|#1 Screen 1 'NARROW' (Numeric)|overlap"}));
        QCOMPARE(e.pane().Table()->model()->headerData(5, Qt::Horizontal).toString(),
                 QStringLiteral("Finding"));

        // An edit of the open document, not saved: the pane follows it.
        e.doc->Edit([](CDiagramEntityContainer& o) { o.GetAt(0)->SetName("BOTH"); });
        e.settle();
        QCOMPARE(Shown(e.pane()).first(),
                 QStringLiteral("DEV001.R.1777|object|#1 Screen 1 'BOTH' (Numeric)|overlap"));
        e.doc->Undo();
        e.settle();
        QVERIFY(Shown(e.pane()).first().contains("'WIDE'"));

        // A controller edit: the alarm list.
        CAlarmObjList alarms;
        CAlarmObject alarm;
        alarm.coil = {"DEV001", "M", 7, 0, 1, 0};
        alarms.items.push_back(alarm);
        QVERIFY(e.c.SetAlarms(alarms));
        e.settle();
        QCOMPARE(Shown(e.pane()).first(), QStringLiteral("DEV001.M.7|alarm|Alarm 1|"));

        // A new screen nothing reaches.
        QVERIFY(e.c.NewScreen(5, "Spare"));
        e.settle();
        QVERIFY(Shown(e.pane()).contains("..|screen|#5 Spare|unreached"));

        // The project goes: so do the rows.
        e.c.CloseProject();
        e.settle();
        QVERIFY(Shown(e.pane()).isEmpty());
    }

    // The pane in Chinese: its titles, the uses' kinds, places and findings
    // with their tips.
    void chineseWords()
    {
        Editor e;
        CAlarmObjList alarms;
        CAlarmObject alarm;
        alarm.coil = {"DEV001", "M", 7, 0, 1, 0};
        alarms.items.push_back(alarm);
        QVERIFY(e.c.SetAlarms(alarms));
        QVERIFY(e.c.NewScreen(5, "Spare"));
        QVERIFY(e.f.App().settings.SetLanguageCode(QStringLiteral("chs")));
        CCrossReferencePane pane(e.c);
        pane.Rebuild();
        QCOMPARE(pane.windowTitle(), QString::fromUtf8("交叉引用"));
        QCOMPARE(pane.Table()->model()->headerData(5, Qt::Horizontal).toString(),
                 QString::fromUtf8("检查结果"));
        QCOMPARE(
            Shown(pane),
            QStringList({QString::fromUtf8("DEV001.M.7|报警|报警 1|"),
                         QString::fromUtf8("DEV001.R.1777|对象|#1 Screen 1 'WIDE' (数值)|重叠"),
                         QString::fromUtf8("DEV001.R.2000|对象|#1 Screen 1 'NARROW' (数值)|重叠"),
                         QString::fromUtf8("..|画面|#5 Spare|不可到达")}));
        const QAbstractItemModel* m = pane.Table()->model();
        QCOMPARE(m->data(m->index(1, 5), Qt::ToolTipRole).toString(),
                 QString::fromUtf8("占用了另一引用的部分字"));
        QCOMPARE(pane.findChild<QLabel*>("summary")->text(),
                 QString::fromUtf8("显示 4 / 4 行，3 项检查结果"));
    }

    void editsUpdateTheRowsAsAFullBuildWould()
    {
        Editor e;
        // A second screen, on file only, whose numeric shares R2000 too, and
        // a third, open, with a string over R1776.
        QVERIFY(e.c.NewScreen(2, "Other"));
        e.c.ScreenDocument(2)->Edit(
            [](CDiagramEntityContainer& o) { o.Add(Numeric("FAR", 02000, 1, 8)); });
        QVERIFY(e.c.SaveProject());
        QVERIFY(e.c.NewScreen(3, "Third"));
        CScreenDocument* third = e.c.ScreenDocument(3);
        e.settle();
        CCrossReferenceModel* model = e.pane().Model();
        QSignalSpy resets(model, &QAbstractItemModel::modelReset);
        QSignalSpy inserted(model, &QAbstractItemModel::rowsInserted);
        QSignalSpy removed(model, &QAbstractItemModel::rowsRemoved);
        QSignalSpy changed(model, &QAbstractItemModel::dataChanged);
        // The pane's rows against a cross-reference built afresh from the
        // same documents and files.
        const auto same = [&e] {
            e.settle();
            const CProjectController& c = e.c;
            CCrossReference full;
            full.Build(c.App().model, CProjectScreenObjects(
                                          c.App(), [&c](int n) -> const CDiagramEntityContainer* {
                                              const CScreenDocument* d = c.LoadedScreenDocument(n);
                                              return d ? &d->Container() : nullptr;
                                          }));
            QStringList want;
            for (const CrossReferenceRow& row : CrossReferenceTable::Rows(full))
                want << QStringLiteral("%1.%2.%3|%4|%5|%6|%7|%8")
                            .arg(row.device, row.area, row.address, row.use, row.place, row.finding)
                            .arg(row.useIndex)
                            .arg(row.findingIndex);
            QStringList got;
            const CCrossReferenceModel* m = e.pane().Model();
            for (int r = 0; r < m->rowCount(); ++r) {
                const CrossReferenceRow& row = m->Row(r);
                got << QStringLiteral("%1.%2.%3|%4|%5|%6|%7|%8")
                           .arg(row.device, row.area, row.address, row.use, row.place, row.finding)
                           .arg(row.useIndex)
                           .arg(row.findingIndex);
            }
            QCOMPARE(got, want);
            QCOMPARE(e.pane().CrossReference().Findings().size(), full.Findings().size());
        };
        same();
        // A rename: one row changes in place.
        changed.clear();
        e.doc->Edit([](CDiagramEntityContainer& o) { o.GetAt(1)->SetName("SLIM"); });
        same();
        QCOMPARE(inserted.count() + removed.count(), 0);
        QVERIFY(changed.count() >= 1);
        // An object added, overlapping screen 2's use: rows come, findings change.
        third->Edit([](CDiagramEntityContainer& o) { o.Add(Numeric("NEW", 01776, 4, 8)); });
        same();
        QVERIFY(inserted.count() > 0);
        // A register changed, an object moved, one deleted, undone and redone.
        third->Edit([](CDiagramEntityContainer& o) {
            static_cast<CObjectNumeric*>(o.GetAt(0))->reg.address = 0100;
        });
        same();
        e.doc->Edit([](CDiagramEntityContainer& o) { o.GetAt(0)->MoveBy(8, 8); });
        same();
        e.doc->Edit([](CDiagramEntityContainer& o) { o.RemoveAt(0); });
        same();
        QVERIFY(removed.count() > 0);
        e.doc->Undo();
        same();
        e.doc->Redo();
        same();
        // Several objects at once, a device that does not exist, a coil.
        third->Edit([](CDiagramEntityContainer& o) {
            for (int i = 0; i < 5; ++i)
                o.Add(Numeric(QStringLiteral("N%1").arg(i), 01770 + i, 2, 8 * i));
            static_cast<CObjectNumeric*>(o.GetAt(1))->reg.deviceName = "DEV009";
            auto light = CreateObjectOfKind(OBJ_INDICATOR_LIGHT);
            o.Add(std::move(light));
        });
        same();
        third->Edit([](CDiagramEntityContainer& o) { o.RemoveAll(); });
        same();
        // A filter stays on while the rows follow.
        e.pane().Filter()->setText("DEV001.R.2000");
        third->Edit([](CDiagramEntityContainer& o) { o.Add(Numeric("ALSO", 02000, 1, 8)); });
        e.settle();
        QCOMPARE(Shown(e.pane()).size(), 3);
        e.pane().Filter()->clear();
        same();
        // A controller edit builds it all again, as before.
        CAlarmObjList alarms;
        alarms.items.push_back(CAlarmObject());
        QVERIFY(e.c.SetAlarms(alarms));
        same();
        QCOMPARE(resets.count(), 2); // the two filter changes only
    }

    void filterByRegisterText()
    {
        Editor e;
        QLineEdit* filter = e.pane().Filter();
        QAccessibleInterface* named = QAccessible::queryAccessibleInterface(filter);
        QVERIFY(named);
        QCOMPARE(named->text(QAccessible::Name), QStringLiteral("Filter:"));
        // Part of a register's text: the rows whose register holds it.
        QTest::keyClicks(filter, "R.17");
        QCOMPARE(Shown(e.pane()).size(), 1);
        QVERIFY(Shown(e.pane()).first().contains("'WIDE'"));
        // A whole reference: the uses whose words take it in.
        filter->clear();
        QTest::keyClicks(filter, "DEV001.R.2000");
        QCOMPARE(Shown(e.pane()).size(), 2);
        filter->setText("DEV001.R.1777");
        QCOMPARE(Shown(e.pane()).size(), 1);
        filter->setText("nothing here");
        QVERIFY(Shown(e.pane()).isEmpty());
        filter->clear();
        QCOMPARE(Shown(e.pane()).size(), 2);
    }

    void doubleClickSelectsTheObject()
    {
        Editor e;
        e.doc->Select([](CDiagramEntityContainer& o) { o.UnselectAll(); });
        DoubleClick(e.pane().Table(), 1); // NARROW
        QCOMPARE(e.w.ScreenOfWindow(e.w.DocumentArea()->currentSubWindow()), 1);
        QVERIFY(!e.doc->Container().GetAt(0)->IsSelected());
        QVERIFY(e.doc->Container().GetAt(1)->IsSelected());
    }

    void rowsOfKeysAlarmsAndScreensAskForTheirDialog()
    {
        CTestProgramFolder f;
        CProjectController c(f.App());
        CCrossReferencePane pane(c);
        pane.show();
        QVERIFY(c.NewProject("Line1", f.Dir() + "/P", "RU03", kVSeq));
        CScreenObject options;
        CProjectModel::CopyScreenObject(*f.App().model.FindScreen(1), options);
        options.screenChange = {1, 1};
        options.keys[1].used = 1;
        options.keys[1].functionType = 0;
        QVERIFY(c.SetScreenOptions(1, options));
        CPLCAndPanelAlternation exchange = f.App().model.plcAndPanel;
        exchange.panelToPlcEnabled = 1;
        QVERIFY(c.SetPlcAndPanel(exchange));
        QVERIFY(c.NewScreen(9, "Lost"));
        QCoreApplication::sendPostedEvents();
        QCOMPARE(Shown(pane), QStringList({"DEV001.M.0|key|#1 Screen 1 F2 SET ON|",
                                           "DEV001.R.2000|panel-to-plc|PLC <-> Panel|",
                                           "..|screen|#9 Lost|unreached"}));
        QSignalSpy keys(&pane, &CCrossReferencePane::keyRequested);
        QSignalSpy exchanges(&pane, &CCrossReferencePane::plcAndPanelRequested);
        QSignalSpy screens(&pane, &CCrossReferencePane::screenRequested);
        DoubleClick(pane.Table(), 0);
        DoubleClick(pane.Table(), 1);
        DoubleClick(pane.Table(), 2);
        QCOMPARE(keys.count(), 1);
        QCOMPARE(keys.first(), (QVariantList{1, 1}));
        QCOMPARE(exchanges.count(), 1);
        QCOMPARE(screens.count(), 1);
        QCOMPARE(screens.first().first().toInt(), 9);
    }

    void findUsesFromTheCommandAndTheContextMenus()
    {
        Editor e;
        // Enabled only for a selected object with a register.
        e.doc->Select([](CDiagramEntityContainer& o) { o.UnselectAll(); });
        e.w.UpdateCommands();
        QAction* find = e.w.Commands().Action(CommandId::FindUses);
        QVERIFY(!find->isEnabled());
        QVERIFY(find->text().contains('&'));
        QVERIFY(!find->statusTip().isEmpty());
        e.doc->Select([](CDiagramEntityContainer& o) { o.GetAt(1)->Select(true); });
        e.w.UpdateCommands();
        QVERIFY(find->isEnabled());

        e.pane().Filter()->setText("something");
        e.w.Execute(CommandId::FindUses);
        QCOMPARE(e.pane().Filter()->text(), QStringLiteral("DEV001.R.2000"));
        QCOMPARE(Shown(e.pane()).size(), 2); // WIDE's second word is R2000 too

        // The one-object menu of the canvas: a right click on WIDE.
        CObjectEditor* canvas = e.view()->Editor();
        const auto popup = [] { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); };
        const QPoint onWide = canvas->ToWindow(QPointF(20, 16));
        QTest::mouseClick(canvas->viewport(), Qt::RightButton, {}, onWide);
        QMenu* menu = popup();
        QVERIFY(menu);
        QAction* entry = menu->actions().last();
        QCOMPARE(entry->text().remove('&'), QStringLiteral("Find Uses"));
        QVERIFY(entry->isEnabled());
        entry->trigger();
        menu->close();
        QCOMPARE(e.pane().Filter()->text(), QStringLiteral("DEV001.R.1777"));
        QCOMPARE(Shown(e.pane()).size(), 1);

        // The several-objects menu: the topmost selected object's register.
        e.doc->Select([](CDiagramEntityContainer& o) { o.SelectAll(); });
        QContextMenuEvent key(QContextMenuEvent::Keyboard, QPoint(0, 0), QPoint(0, 0));
        QApplication::sendEvent(canvas->viewport(), &key);
        menu = popup();
        QVERIFY(menu);
        entry = menu->actions().last();
        QCOMPARE(entry->text().remove('&'), QStringLiteral("Find Uses"));
        entry->trigger();
        menu->close();
        QCOMPARE(e.pane().Filter()->text(), QStringLiteral("DEV001.R.2000"));
    }

    void theCommandsHaveTheirRules()
    {
        CommandState s;
        s.hasProject = true;
        s.active = ActiveDocument::Screen;
        QVERIFY(!CommandEnabling::IsEnabled(CommandId::FindUses, s));
        s.selectionHasRegister = true;
        QVERIFY(CommandEnabling::IsEnabled(CommandId::FindUses, s));
        s.active = ActiveDocument::Project;
        QVERIFY(!CommandEnabling::IsEnabled(CommandId::FindUses, s));
        CommandState none;
        QVERIFY(CommandEnabling::IsEnabled(CommandId::PaneCrossReference, none));
        CMainCommands commands;
        QCOMPARE(commands.Action(CommandId::PaneCrossReference)->text(),
                 QStringLiteral("C&ross Reference"));
        QVERIFY(commands.Action(CommandId::PaneCrossReference)->isCheckable());
    }
};

QTEST_MAIN(TestUiCrossReference)
#include "test_ui_cross_reference.moc"
