// The docked panes: the screen list follows the controller, the Output pane
// turns a double-clicked "[...]" into a window to open, the object list drags
// kind codes and shows their help, the function tree holds its codes.
#include "TestSupport.h"
#include "app/TessanApp.h"
#include "base/ProfileFile.h"
#include "project/ProtocolTables.h"
#include "ui/app/FunctionTreePane.h"
#include "ui/app/ObjectHelpPane.h"
#include "ui/app/ObjectKindList.h"
#include "ui/app/ObjectListPane.h"
#include "ui/app/OutputLineLink.h"
#include "ui/app/OutputPane.h"
#include "ui/document/ProjectController.h"
#include "ui/app/ScreenListPane.h"

#include <QListWidget>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <QTextBrowser>
#include <QTreeWidget>

using namespace TestSupport;

namespace {

const QString kVSeq = QString::fromLatin1(ProtocolTables::kVardoVSequence);

QStringList Row(QTreeWidget* list, int row)
{
    QTreeWidgetItem* item = list->topLevelItem(row);
    return item ? QStringList{item->text(0), item->text(1)} : QStringList();
}

void DoubleClick(QAbstractItemView* view, const QModelIndex& index)
{
    const QPoint at = view->visualRect(index).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
}

} // namespace

class TestUiPanes : public QObject
{
    Q_OBJECT
private slots:
    void screenListFollowsTheProject()
    {
        CTestProgramFolder f;
        CProjectController c(f.App());
        CScreenListPane pane(c);
        pane.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pane));
        QCOMPARE(pane.List()->headerItem()->text(0), QStringLiteral("No."));
        QCOMPARE(pane.List()->headerItem()->text(1), QStringLiteral("Screen Name"));
        QCOMPARE(pane.SelectedRow(), -1);

        QVERIFY(c.NewProject("Line1", f.Dir() + "/P", "RU03", kVSeq));
        QCOMPARE(pane.List()->topLevelItemCount(), 1);
        QCOMPARE(Row(pane.List(), 0), (QStringList{"1", "Screen 1"}));
        QCOMPARE(pane.SelectedRow(), 0);

        // No screens: an empty list and no selection.
        f.App().model.RemoveScreen(1);
        emit c.screenListChanged();
        QCOMPARE(pane.List()->topLevelItemCount(), 0);
        QCOMPARE(pane.SelectedRow(), -1);
        QCOMPARE(pane.SelectedNumber(), 0);

        // Rows in the model's order (descending numbers).
        f.App().model.AddScreen(3, "Alarm");
        f.App().model.AddScreen(12, "Pump");
        f.App().model.AddScreen(7, "Main");
        emit c.screenListChanged();
        QCOMPARE(pane.List()->topLevelItemCount(), 3);
        QCOMPARE(Row(pane.List(), 0), (QStringList{"12", "Pump"}));
        QCOMPARE(Row(pane.List(), 2), (QStringList{"3", "Alarm"}));

        QSignalSpy selection(&pane, &CScreenListPane::selectionChanged);
        pane.SelectByNumber(7);
        QCOMPARE(pane.SelectedRow(), 1);
        QCOMPARE(pane.SelectedNumber(), 7);
        QCOMPARE(pane.SelectedName(), QStringLiteral("Main"));
        QCOMPARE(selection.last().first().toInt(), 1);

        // A refresh keeps the current screen selected, wherever its row went.
        f.App().model.AddScreen(9, "Dose");
        f.App().model.FindScreen(7)->name = "Start";
        emit c.screenListChanged();
        QCOMPARE(pane.SelectedRow(), 2);
        QCOMPARE(pane.SelectedName(), QStringLiteral("Start"));

        // A double-click asks for the screen's window.
        QSignalSpy open(&c, &CProjectController::openScreenRequested);
        DoubleClick(pane.List(), pane.List()->model()->index(3, 1));
        QCOMPARE(open.count(), 1);
        QCOMPARE(open.first().first().toInt(), 3);
        // Enter does the same for the keyboard.
        pane.List()->setFocus();
        pane.SelectByNumber(12);
        QTest::keyClick(pane.List(), Qt::Key_Return);
        QCOMPARE(open.last().first().toInt(), 12);

        c.CloseProject();
        QCOMPARE(pane.List()->topLevelItemCount(), 0);
        QCOMPARE(pane.SelectedRow(), -1);
    }

    void outputLinks()
    {
        QCOMPARE(OutputLineLink::BracketText("no link here"), QString());
        QCOMPARE(OutputLineLink::BracketText("open [but never closed"), QString());
        QCOMPARE(OutputLineLink::BracketText("closed] before [open"), QString());
        QCOMPARE(OutputLineLink::BracketText("a [first] and [second]"), QStringLiteral("first"));

        CTestProgramFolder f;
        CProjectController c(f.App());
        QVERIFY(c.NewProject("Line1", f.Dir() + "/P", "RU03", kVSeq));
        f.App().model.AddScreen(5, "Pump [A]");
        COutputPane pane(c);
        pane.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pane));
        QSignalSpy shown(&pane, &COutputPane::showRequested);
        c.ClearOutput();
        QCOMPARE(shown.count(), 1);
        const QStringList lines = {
            "Warning: nothing to open",        "[Line1.cgp - #1 Screen 1 is never closed",
            "[Title] the panel has no device", "[Line1.cgp - #1 Screen 1] object 2: no register",
            "[Line1.cgp - #4 Gone] object 1",
        };
        for (const QString& line : lines)
            c.AppendOutput(line);
        QCOMPARE(pane.List()->count(), lines.size());

        QSignalSpy open(&c, &CProjectController::openScreenRequested);
        QSignalSpy manager(&pane, &COutputPane::panelManagerRequested);
        for (int row = 0; row < lines.size(); ++row)
            DoubleClick(pane.List(), pane.List()->model()->index(row, 0));
        QCOMPARE(manager.count(), 1);
        QCOMPARE(open.count(), 1);
        QCOMPARE(open.first().first().toInt(), 1);

        c.ClearOutput();
        QCOMPARE(pane.List()->count(), 0);
    }

    void titleLinkInChinese()
    {
        CTestProgramFolder f;
        const QString ini = f.App().settings.Paths().SettingsFile();
        CProfileFile::WriteString(ini, "App", "Language", "1");
        CProfileFile::WriteString(ini, "Language", "1", "chs");
        CProjectController c(f.App());
        COutputPane pane(c);
        QSignalSpy manager(&pane, &COutputPane::panelManagerRequested);
        pane.ActivateLine("[Title]");
        QCOMPARE(manager.count(), 0);
        pane.ActivateLine(QString::fromUtf8("[标题] 没有设备"));
        QCOMPARE(manager.count(), 1);
    }

    void objectListAndHelp()
    {
        CTestProgramFolder f;
        CObjectListPane list(f.App().settings);
        CObjectHelpPane help(f.App().settings);
        QObject::connect(&list, &CObjectListPane::kindSelected, &help, &CObjectHelpPane::ShowKind);
        QStringList names;
        for (int i = 0; i < list.List()->count(); ++i)
            names.append(list.List()->item(i)->text());
        QCOMPARE(names, (QStringList{"Static Text", "Dynamic Text", "Static Bitmap", "Bar Meter",
                                     "Trend Meter", "Indicator Light", "Numeric", "String"}));

        // Dragging carries the kind code as plain text.
        std::unique_ptr<QMimeData> drag(
            list.List()->model()->mimeData({list.List()->model()->index(4, 0)}));
        QVERIFY(drag);
        QCOMPARE(drag->text(), QStringLiteral("4"));

        // The page of the selected kind, from help/ beside the program.
        QCOMPARE(help.PagePath(3), f.Dir() + "/help/BarMeteren.htm");
        WriteFile(f.Dir() + "/help/BarMeteren.htm",
                  "<html><body><h1>Bar meter page</h1></body></html>");
        list.List()->setCurrentRow(3);
        QVERIFY(help.Browser()->toPlainText().contains("Bar meter page"));
        // A missing page says which one is missing.
        list.List()->setCurrentRow(7);
        QVERIFY(help.Browser()->toPlainText().contains("Stringen.htm"));
        // An emptied selection falls back to the first kind.
        list.List()->clearSelection();
        QCOMPARE(list.List()->currentRow(), 0);
        QVERIFY(help.Browser()->toPlainText().contains("StaticTexten.htm"));
    }

    void functionTreeCodes()
    {
        CTestProgramFolder f;
        CFunctionTreePane pane(f.App().settings);
        QTreeWidget* tree = pane.Tree();
        QCOMPARE(tree->topLevelItemCount(), 2);
        QStringList items;
        QList<int> codes;
        for (int t = 0; t < 2; ++t) {
            QTreeWidgetItem* top = tree->topLevelItem(t);
            QVERIFY(top->isExpanded());
            items.append(top->text(0));
            for (int i = 0; i < top->childCount(); ++i) {
                items.append(top->child(i)->text(0));
                codes.append(top->child(i)->data(0, Qt::UserRole).toInt());
            }
        }
        QCOMPARE(items, (QStringList{"Setup", "Panel Manager", "Configure Password",
                                     "PLC <-> Panel", "Alarm Control Setup", "Manual",
                                     "Software Manual", "Hardware Manual"}));
        QCOMPARE(codes, (QList<int>{1, 2, 5, 6, 19, 20}));
        pane.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pane));
        QSignalSpy activated(&pane, &CFunctionTreePane::itemActivated);
        const QModelIndex alarm = tree->model()->index(3, 0, tree->model()->index(0, 0));
        DoubleClick(tree, alarm);
        QCOMPARE(activated.count(), 1);
        QCOMPARE(activated.first().first().toInt(), 6);
        DoubleClick(tree, tree->model()->index(1, 0)); // a branch does nothing
        QCOMPARE(activated.count(), 1);
    }
};

QTEST_MAIN(TestUiPanes)
#include "test_ui_panes.moc"
