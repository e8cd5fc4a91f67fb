// Panel > Simulate in the editor: the project as it stands (unsaved edits
// included) runs in the simulator window without touching the project; the
// keys act on press and release, the password and the PLC's table work, and
// simulating again keeps the PLC's values and the screen.
#include "EditorFixture.h"
#include "TestSupport.h"
#include "app/TessanApp.h"
#include "project/ScreenObject.h"
#include "runtime/PanelSimulator.h"
#include "screen/DiagramEntityContainer.h"
#include "screen/ObjectStaticText.h"
#include "ui/app/CommandId.h"
#include "ui/app/EditorCommands.h"
#include "ui/app/MainCommands.h"
#include "ui/app/MainWindow.h"
#include "ui/document/ProjectController.h"
#include "ui/document/ScreenDocument.h"
#include "ui/runtime/PanelDisplayView.h"
#include "ui/runtime/PanelRegisterModel.h"
#include "ui/runtime/SimulationLauncher.h"
#include "ui/runtime/SimulatorWindow.h"
#include "ui_SimulatorWindow.h"

#include <QAction>
#include <QDirIterator>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Editor : CEditorFixture
{
    Editor() { OpenExample(); }
    bool enabled(CommandId id) { return Enabled(id); }
    CSimulatorWindow* simulate()
    {
        w.Commands().Action(CommandId::Simulate)->trigger();
        commands.Simulation().WaitForCompile();
        CSimulatorWindow* sim = commands.Simulation().Window();
        if (sim)
            sim->SetClockRunning(false); // the test moves time itself
        return sim;
    }
};

// Every file of a folder with its size and time.
QStringList listing(const QString& folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo fi(it.next());
        files << QStringLiteral("%1 %2 %3")
                     .arg(fi.filePath())
                     .arg(fi.size())
                     .arg(fi.lastModified().toMSecsSinceEpoch());
    }
    files.sort();
    return files;
}

int rowOf(const CPanelRegisterModel& m, const QString& text)
{
    for (int r = 0; r < m.rowCount(); ++r)
        if (m.data(m.index(r, CPanelRegisterModel::RegisterColumn), Qt::DisplayRole).toString()
            == text)
            return r;
    return -1;
}

} // namespace

class TestUiSimulator : public QObject
{
    Q_OBJECT
private slots:
    void simulatesUnsavedEditsWithoutTouchingTheProject()
    {
        Editor e;
        QVERIFY(e.enabled(CommandId::Simulate));
        // An unsaved edit on screen 2.
        CScreenDocument* doc = e.c.ScreenDocument(2);
        const size_t before = doc->Container().Objects().size();
        doc->Edit([](CDiagramEntityContainer& objects) {
            auto text = std::make_unique<CObjectStaticText>();
            text->SetRect(100, 40, 150, 52);
            objects.Add(std::move(text));
        });
        QVERIFY(e.c.IsModified());
        const CTessanApp& app = e.c.App();
        const QByteArray image = app.runtimeImage;
        const quint64 imageState = app.imageState;
        const QStringList files = listing(app.ProjectFolder());
        const QStringList packages = listing(e.out.path());

        CSimulatorWindow* sim = e.simulate();
        QVERIFY(sim && sim->isVisible());
        QCOMPARE(sim->Panel().Image().FindScreen(2)->objects.size(), before + 1);
        QCOMPARE(sim->Panel().CurrentScreen(), 1);
        QCOMPARE(sim->Form().screenValue->text(), QStringLiteral("1"));
        // Nothing of the project moved, and nobody was asked to save.
        QCOMPARE(app.runtimeImage, image);
        QCOMPARE(app.imageState, imageState);
        QCOMPARE(listing(app.ProjectFolder()), files);
        QCOMPARE(listing(e.out.path()), packages);
        QVERIFY(e.f.questions.isEmpty());
        QVERIFY(e.c.IsModified());
        // The display shows the frame at the zoom, 4x to start.
        QCOMPARE(sim->Display().Image().size(), QSize(192 * 4, 64 * 4));

        e.c.CloseProject();
        QTRY_VERIFY(!e.commands.Simulation().Window()
                    || !e.commands.Simulation().Window()->isVisible());
        QVERIFY(!e.enabled(CommandId::Simulate));
    }

    void keysPasswordAndThePlcTable()
    {
        Editor e;
        CSimulatorWindow* sim = e.simulate();
        QVERIFY(sim);
        CPanelSimulator& panel = sim->Panel();
        const QImage home = sim->Display().Image();

        // F1 from the keyboard, whichever child has the focus.
        sim->activateWindow();
        sim->Form().registers->setFocus();
        QTest::keyClick(sim->Form().registers, Qt::Key_F1);
        QCOMPARE(panel.CurrentScreen(), 2);
        QVERIFY(sim->Display().Image() != home);
        // The button works on press and release like the key.
        QTest::mousePress(sim->Form().keyF1, Qt::LeftButton);
        QTest::mouseRelease(sim->Form().keyF1, Qt::LeftButton);
        QCOMPARE(panel.CurrentScreen(), 1);
        QTest::keyClick(sim, Qt::Key_F1);
        QCOMPARE(panel.CurrentScreen(), 2);

        // F2 asks for the option password; a wrong one refuses the key.
        QTest::keyClick(sim, Qt::Key_F2);
        QVERIFY(sim->Form().entryRow->isVisible());
        QTest::keyClicks(sim->Form().entryEdit, QStringLiteral("123"));
        QTest::keyClick(sim->Form().entryEdit, Qt::Key_Return);
        QVERIFY(!panel.PasswordPending());
        QCOMPARE(panel.Log().back().kind, PanelLogEntry::PasswordRefused);
        QVERIFY(sim->Form()
                    .log->item(sim->Form().log->count() - 1)
                    ->text()
                    .contains(QStringLiteral("wrong password")));
        CPanelRegisterModel& table = sim->Registers();
        const int setPoint = rowOf(table, QStringLiteral("DEV001.R2013"));
        QVERIFY(setPoint >= 0);
        const QModelIndex spValue = table.index(setPoint, CPanelRegisterModel::ValueColumn);
        QCOMPARE(table.data(spValue, Qt::DisplayRole).toString(), QStringLiteral("0.0"));
        QTest::keyClick(sim, Qt::Key_F2);
        QTest::keyClicks(sim->Form().entryEdit, e.c.App().model.plcAndPanel.optionPassword);
        QTest::mouseClick(sim->Form().entryOk, Qt::LeftButton);
        QCOMPARE(table.data(spValue, Qt::DisplayRole).toString(), QStringLiteral("75.0"));
        QVERIFY(sim->Form()
                    .log->item(sim->Form().log->count() - 1)
                    ->text()
                    .contains(QStringLiteral("DEV001.R2013")));

        // The engineer writes the level as the PLC, in the register's format
        // (of its first use: the bar meter, without decimal places).
        const int level = rowOf(table, QStringLiteral("DEV001.R2012"));
        const QModelIndex levelValue = table.index(level, CPanelRegisterModel::ValueColumn);
        QCOMPARE(table.data(levelValue, Qt::DisplayRole).toString(), QStringLiteral("0"));
        const QImage before = sim->Display().Image();
        QVERIFY(!table.setData(levelValue, QStringLiteral("50.0"), Qt::EditRole));
        QVERIFY(table.setData(levelValue, QStringLiteral("500"), Qt::EditRole));
        QCOMPARE(panel.Memory().Word({1, quint16(1024 + 10)}), quint16(500));
        QVERIFY(sim->Display().Image() != before);
        QVERIFY(!table.setData(levelValue, QStringLiteral("fifty"), Qt::EditRole));
        QCOMPARE(panel.Memory().Word({1, quint16(1024 + 10)}), quint16(500));

        // Simulate again after an edit: the values and the screen stay.
        e.c.ScreenDocument(2)->Edit([](CDiagramEntityContainer& objects) {
            auto text = std::make_unique<CObjectStaticText>();
            text->SetRect(100, 40, 150, 52);
            objects.Add(std::move(text));
        });
        const size_t objects = panel.Image().FindScreen(2)->objects.size();
        QCOMPARE(e.simulate(), sim);
        QCOMPARE(panel.Image().FindScreen(2)->objects.size(), objects + 1);
        QCOMPARE(panel.CurrentScreen(), 2);
        QCOMPARE(panel.Memory().Word({1, quint16(1024 + 10)}), quint16(500));
        QCOMPARE(table
                     .data(table.index(rowOf(table, QStringLiteral("DEV001.R2013")),
                                       CPanelRegisterModel::ValueColumn),
                           Qt::DisplayRole)
                     .toString(),
                 QStringLiteral("75.0"));

        // The uses are worded in the window's language.
        const QModelIndex uses = table.index(rowOf(table, QStringLiteral("DEV001.R2013")),
                                             CPanelRegisterModel::UsesColumn);
        QCOMPARE(table.data(uses, Qt::DisplayRole).toString(),
                 QStringLiteral("Screen 2: Numeric 5; Screen 2: F2 Set Register"));
        QVERIFY(e.c.App().settings.SetLanguageCode(QStringLiteral("chs")));
        QCOMPARE(table.data(uses, Qt::DisplayRole).toString(),
                 QStringLiteral("画面 2: 数值 5; 画面 2: F2 设置寄存器"));
    }

    void numericTypedOnThePanel()
    {
        Editor e;
        CSimulatorWindow* sim = e.simulate();
        QTest::keyClick(sim, Qt::Key_F1); // the tank screen: the set point at (112, 18)
        const int zoom = sim->Display().Zoom();
        QTest::mouseClick(&sim->Display(), Qt::LeftButton, {},
                          QPoint(1 + 114 * zoom, 1 + 20 * zoom));
        QVERIFY(sim->Form().entryRow->isVisible());
        QTest::keyClicks(sim->Form().entryEdit, QStringLiteral("50.5"));
        QTest::keyClick(sim->Form().entryEdit, Qt::Key_Return);
        QCOMPARE(sim->Panel().Memory().Word({1, quint16(1024 + 11)}), quint16(505));
        // Outside the range 10.0 to 95.0 it is refused.
        QTest::mouseClick(&sim->Display(), Qt::LeftButton, {},
                          QPoint(1 + 114 * zoom, 1 + 20 * zoom));
        QTest::keyClicks(sim->Form().entryEdit, QStringLiteral("99.0"));
        QTest::keyClick(sim->Form().entryEdit, Qt::Key_Return);
        QCOMPARE(sim->Panel().Memory().Word({1, quint16(1024 + 11)}), quint16(505));
        QCOMPARE(sim->Panel().Log().back().kind, PanelLogEntry::NumericRefused);
    }
};

QTEST_MAIN(TestUiSimulator)
#include "test_ui_simulator.moc"
