// The main window: the menu bar chosen by the active window, commands routed
// to the screen view, the save question on Exit, the view settings written
// and pushed, Open that fails, and the layout kept for the next start.
#include "TestSupport.h"
#include "app/TessanApp.h"
#include "base/ProfileFile.h"
#include "project/ProtocolTables.h"
#include "ui/app/DlgGridSize.h"
#include "ui/app/DlgZoom.h"
#include "ui/app/MainCommands.h"
#include "ui/app/MainWindow.h"
#include "ui/app/ObjectKindList.h"
#include "ui/app/ObjectListPane.h"
#include "ui/document/ProjectController.h"
#include "ui/app/ScreenListPane.h"
#include "ui/app/ScreenStandInView.h"
#include "ui/project/DlgProjectInfo.h"
#include "ui_DlgGridSize.h"
#include "ui_DlgProjectInfo.h"
#include "ui_DlgZoom.h"

#include <QAction>
#include <QApplication>
#include <QDockWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QRadioButton>
#include <QSignalSpy>
#include <QToolBar>
#include <QTreeWidget>
#include <QTest>

using namespace TestSupport;

namespace {

const QString kVSeq = QString::fromLatin1(ProtocolTables::kVardoVSequence);
const QString kSaveQuestion = QStringLiteral("Project data has been modified, save it?");

QStringList MenuTitles(QMainWindow& w)
{
    QStringList out;
    for (QAction* a : w.menuBar()->actions())
        out.append(a->text());
    return out;
}

QMenu* Menu(QMainWindow& w, const QString& title)
{
    for (QAction* a : w.menuBar()->actions())
        if (a->text() == title)
            return a->menu();
    return nullptr;
}

QString AppSetting(CTestProgramFolder& f, const char* key)
{
    return CProfileFile::ReadString(f.App().settings.Paths().SettingsFile(), "App", key,
                                    "<missing>");
}

// A window over a new project Line1 with screens 1 and 2, shown.
struct Editor
{
    CTestProgramFolder f;
    CProjectController c{f.App()};
    std::unique_ptr<CMainWindow> w;
    bool exposed = false;

    explicit Editor(bool withProject = true)
    {
        w = std::make_unique<CMainWindow>(c);
        if (withProject) {
            QDir().mkpath(f.Dir() + "/P");
            c.NewProject("Line1", f.Dir() + "/P", "RU03", kVSeq);
        }
        w->show();
        exposed = QTest::qWaitForWindowExposed(w.get());
    }
    CScreenStandInView* View(int number)
    {
        QMdiSubWindow* sub = w->ScreenWindow(number);
        return sub ? qobject_cast<CScreenStandInView*>(sub->widget()) : nullptr;
    }
};

} // namespace

class TestUiMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void languageIsChosenForTheNextStart()
    {
        Editor e(false);
        QAction* english = e.w->Commands().Action(CommandId::LanguageEnglish);
        QAction* chinese = e.w->Commands().Action(CommandId::LanguageChinese);
        // Reachable from the View menu, English checked.
        QMenu* languages = nullptr;
        for (QAction* a : Menu(*e.w, "&View")->actions())
            if (a->menu() && a->menu()->actions().contains(chinese))
                languages = a->menu();
        QVERIFY(languages);
        QCOMPARE(languages->title(), QStringLiteral("La&nguage"));
        QVERIFY(english->isChecked());
        QVERIFY(!chinese->isChecked());

        chinese->trigger();
        QCOMPARE(e.f.App().settings.GetLanguageCode(), QStringLiteral("chs"));
        QVERIFY(chinese->isChecked());
        QVERIFY(!english->isChecked());
        // Said in the language chosen.
        QCOMPARE(e.f.messages.size(), 1);
        QCOMPARE(e.f.messages.last(), qMakePair(QStringLiteral("程序再次启动时以所选语言显示。"),
                                                QStringLiteral("信息")));
        // Choosing it again changes nothing and says nothing.
        chinese->trigger();
        QVERIFY(chinese->isChecked());
        QCOMPARE(e.f.messages.size(), 1);
        english->trigger();
        QCOMPARE(e.f.App().settings.GetLanguageCode(), QStringLiteral("en"));
        QCOMPARE(e.f.messages.last().first,
                 QStringLiteral("The program shows the language chosen when it starts again."));
    }

    void titleAndPanes()
    {
        Editor e(false);
        QCOMPARE(e.w->windowTitle(), QStringLiteral("Corvel (Ver1.0.0.4)"));
        const std::pair<const char*, Qt::DockWidgetArea> docks[] = {
            {"DockScreenList", Qt::LeftDockWidgetArea},
            {"DockObjectList", Qt::RightDockWidgetArea},
            {"DockObjectHelp", Qt::RightDockWidgetArea},
            {"DockOutput", Qt::BottomDockWidgetArea},
        };
        for (const auto& [name, area] : docks) {
            auto* d = e.w->findChild<QDockWidget*>(name);
            QVERIFY2(d, name);
            QCOMPARE(e.w->dockWidgetArea(d), area);
            QVERIFY(d->isVisible());
        }
        QCOMPARE(e.w->findChild<QDockWidget*>("DockScreenList")->windowTitle(),
                 QStringLiteral("Navigation-Screen List"));
        auto* help = e.w->findChild<QDockWidget*>("DockObjectHelp");
        auto* list = e.w->findChild<QDockWidget*>("DockObjectList");
        QVERIFY(help->y() > list->y()); // directly under the object list
        QStringList bars;
        for (QToolBar* t : e.w->findChildren<QToolBar*>())
            bars.append(t->windowTitle());
        QCOMPARE(bars, (QStringList{"File", "Windows Control", "Start/Open/Send Setps"}));

        // View > Windows hides a pane and shows it again.
        QAction* output = e.w->Commands().Action(CommandId::PaneOutput);
        output->trigger();
        QVERIFY(!e.w->findChild<QDockWidget*>("DockOutput")->isVisible());
        QVERIFY(!output->isChecked());
        output->trigger();
        QVERIFY(e.w->findChild<QDockWidget*>("DockOutput")->isVisible());
    }

    void menuBarFollowsTheActiveWindow()
    {
        Editor e(false);
        QCOMPARE(e.w->CurrentMenuBar(), MenuBarKind::Bare);
        QCOMPARE(MenuTitles(*e.w), (QStringList{"&File", "&View", "&Panel", "&Help"}));
        QVERIFY(!Menu(*e.w, "&File")
                     ->actions()
                     .contains(e.w->Commands().Action(CommandId::SaveProject)));

        QDir().mkpath(e.f.Dir() + "/P");
        QVERIFY(e.c.NewProject("Line1", e.f.Dir() + "/P", "RU03", kVSeq));
        QCOMPARE(e.w->CurrentMenuBar(), MenuBarKind::Project);
        QCOMPARE(MenuTitles(*e.w), (QStringList{"&File", "&Edit", "&View", "&Object", "&Screen",
                                                "Se&tup", "&Panel", "&Window", "&Help"}));
        QAction* labels = e.w->Commands().Action(CommandId::DisplayObjectLabel);
        QVERIFY(!Menu(*e.w, "&View")->actions().contains(labels));
        QVERIFY(!e.w->Commands().Action(CommandId::Copy)->isEnabled());

        e.c.RequestOpenScreen(1);
        QMdiSubWindow* screen = e.w->ScreenWindow(1);
        QVERIFY(screen);
        QCOMPARE(screen->windowTitle(), QStringLiteral("Line1.cgp - #1 Screen 1"));
        QCOMPARE(e.w->CurrentMenuBar(), MenuBarKind::Screen);
        QVERIFY(Menu(*e.w, "&View")->actions().contains(labels));
        QVERIFY(e.w->Commands().Action(CommandId::Copy)->isEnabled());

        // The project window active again: the project bar.
        e.w->DocumentArea()->setActiveSubWindow(e.w->ProjectWindow());
        QCOMPARE(e.w->CurrentMenuBar(), MenuBarKind::Project);
        QVERIFY(!e.w->Commands().Action(CommandId::Copy)->isEnabled());

        // A second request raises the open window; no second one.
        const auto windows = e.w->DocumentArea()->subWindowList().size();
        e.c.RequestOpenScreen(1);
        QCOMPARE(e.w->DocumentArea()->subWindowList().size(), windows);
        QCOMPARE(e.w->DocumentArea()->currentSubWindow(), screen);

        // Closing the project closes its windows and brings the bare bar back.
        e.c.CloseProject();
        QVERIFY(e.w->DocumentArea()->subWindowList().isEmpty());
        QCOMPARE(e.w->CurrentMenuBar(), MenuBarKind::Bare);
    }

    void editAndObjectCommandsGoToTheActiveView()
    {
        Editor e;
        e.c.RequestOpenScreen(1);
        CScreenStandInView* view = e.View(1);
        QVERIFY(view);
        view->setFocus();
        QTest::keyClick(view, Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(view, Qt::Key_Backspace, Qt::AltModifier);
        QTest::keyClick(view, Qt::Key_Insert, Qt::ControlModifier);
        QTest::keyClick(view, Qt::Key_Insert, Qt::ShiftModifier);
        QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier);
        e.w->Execute(CommandId::Cut);
        e.w->Execute(ObjectCommand(OBJ_BAR_METER));
        QCOMPARE(view->received,
                 (QStringList{"Undo", "Undo", "Copy", "Paste", "SelectAll", "Cut", "Insert 3"}));
        // With the project window active nothing reaches the view.
        e.w->DocumentArea()->setActiveSubWindow(e.w->ProjectWindow());
        e.w->Execute(CommandId::Paste);
        QCOMPARE(view->received.size(), 7);
    }

    void f6MovesBetweenThePanes()
    {
        Editor e;
        e.c.RequestOpenScreen(1);
        QApplication::setActiveWindow(e.w.get());
        CScreenStandInView* view = e.View(1);
        view->setFocus();
        QVERIFY(view->hasFocus());
        QTest::keyClick(view, Qt::Key_F6);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(e.w->ScreenList()->List()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(e.w->ObjectList()->List()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(e.w->ScreenList()->List()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(view));
    }

    void pluggedCommandsWaitForTheirHandlers()
    {
        Editor e;
        QAction* start = e.w->Commands().Action(CommandId::StartProject);
        QVERIFY(!start->isEnabled());
        int started = 0;
        e.w->SetCommandHandler(CommandId::StartProject, [&] { ++started; });
        QVERIFY(start->isEnabled());
        e.w->Execute(CommandId::StartProject);
        QCOMPARE(started, 1);

        // Paste Screen also needs a copied screen.
        e.w->SetCommandHandler(CommandId::PasteScreen, [] {});
        e.w->UpdateCommands();
        QVERIFY(!e.w->Commands().Action(CommandId::PasteScreen)->isEnabled());
        e.w->SetCopiedScreenQuery([] { return true; });
        e.w->UpdateCommands();
        QVERIFY(e.w->Commands().Action(CommandId::PasteScreen)->isEnabled());
    }

    void exitAsksToSaveOnlyWhenModified()
    {
        // Cancel keeps the window open and saves nothing.
        Editor e;
        const QString package = e.f.Dir() + "/P/Line1.cgp";
        e.f.answers = {MessageAnswer::Cancel};
        QVERIFY(!e.w->close());
        QVERIFY(e.w->isVisible());
        QCOMPARE(e.f.messages.last().first, kSaveQuestion);
        QCOMPARE(e.f.kinds.last(), MessageKind::Question);
        QVERIFY(!QFile::exists(package));
        // No closes without saving.
        e.f.answers = {MessageAnswer::No};
        QVERIFY(e.w->close());
        QVERIFY(!QFile::exists(package));

        // Yes saves, then closes.
        Editor y;
        y.f.answers = {MessageAnswer::Yes};
        QVERIFY(y.w->close());
        QVERIFY(QFile::exists(y.f.Dir() + "/P/Line1.cgp"));
        QVERIFY(ZipEntries(y.f.Dir() + "/P/Line1.cgp").contains("Line1.cgp - #1 Screen 1"));

        // Nothing changed since the save: no question at all.
        Editor n;
        QVERIFY(n.c.SaveProject());
        const auto asked = n.f.messages.size();
        QVERIFY(n.w->close());
        QCOMPARE(n.f.messages.size(), asked);
    }

    void viewSettingsAreWrittenAndPushed()
    {
        Editor e;
        e.c.RequestOpenScreen(1);
        CScreenStandInView* view = e.View(1);
        QVERIFY(view);
        QCOMPARE(view->Settings(), e.w->ViewSettings()); // a new window starts with them
        QAction* grid = e.w->Commands().Action(CommandId::DisplayGrid);

        grid->trigger();
        QCOMPARE(AppSetting(e.f, "ShowGrid"), QStringLiteral("1"));
        QVERIFY(view->Settings().showGrid);
        QVERIFY(grid->isChecked());
        grid->trigger();
        QCOMPARE(AppSetting(e.f, "ShowGrid"), QStringLiteral("0"));
        QVERIFY(!view->Settings().showGrid);

        QSignalSpy pushed(e.w.get(), &CMainWindow::viewSettingsChanged);
        CViewSettings v = e.w->ViewSettings();
        v.zoomPercent = 150;
        e.w->SetViewSettings(v);
        QCOMPARE(AppSetting(e.f, "Zoom"), QStringLiteral("150"));
        QCOMPARE(view->Settings().ZoomFactor(), 1.5);
        QCOMPARE(pushed.count(), 1);
        QCOMPARE(pushed.first().first().value<CViewSettings>().zoomPercent, 150);

        // Object labels live in memory only.
        e.w->Commands().Action(CommandId::DisplayObjectLabel)->trigger();
        QVERIFY(view->Settings().showLabels);
        QCOMPARE(AppSetting(e.f, "ShowLabels"), QStringLiteral("<missing>"));
        // The panel-pixel view is kept for the next run.
        QAction* pixels = e.w->Commands().Action(CommandId::DisplayPanelPixels);
        QVERIFY(Menu(*e.w, "&View")->actions().contains(pixels));
        pixels->trigger();
        QVERIFY(view->Settings().panelPixels);
        QVERIFY(pixels->isChecked());
        QCOMPARE(AppSetting(e.f, "PanelPixels"), QStringLiteral("1"));

        // The next window reads them back; a second screen window gets them too.
        v = e.w->ViewSettings();
        v.gridSizeH = 12;
        v.gridSizeV = 5;
        e.w->SetViewSettings(v);
        QCOMPARE(AppSetting(e.f, "GridSizeH"), QStringLiteral("12"));
        QCOMPARE(AppSetting(e.f, "GridSizeV"), QStringLiteral("5"));
        CMainWindow second(e.c);
        QCOMPARE(second.ViewSettings().zoomPercent, 150);
        QCOMPARE(second.ViewSettings().gridSizeH, 12);
        QVERIFY(!second.ViewSettings().showLabels);
        QVERIFY(second.ViewSettings().panelPixels);
    }

    void gridAndZoomDialogs()
    {
        CTestProgramFolder f;
        CDlgGridSize grid(f.App().settings, 20, 30);
        QCOMPARE(grid.GridH(), 20);
        QCOMPARE(grid.Form().spinH->maximum(), 192);
        QCOMPARE(grid.Form().spinV->maximum(), 64);
        QCOMPARE(grid.Form().spinH->minimum(), 1);
        QTest::mouseClick(grid.Form().defaultButton, Qt::LeftButton);
        QCOMPARE(grid.GridH(), 8);
        QCOMPARE(grid.GridV(), 8);
        QCOMPARE(grid.Form().labelH->buddy(), grid.Form().spinH);

        CDlgZoom zoom(f.App().settings, 300);
        QVERIFY(zoom.Level(300)->isChecked());
        QVERIFY(!zoom.Level(100)->isChecked());
        QTest::mouseClick(zoom.Level(600), Qt::LeftButton);
        QCOMPARE(zoom.ZoomPercent(), 600);
        zoom.Form().spinZoom->setValue(950); // held within 100..800
        QCOMPARE(zoom.ZoomPercent(), 800);
        QCOMPARE(zoom.windowTitle(), QStringLiteral("Zoom"));
    }

    void failedOpenKeepsTheOpenProject()
    {
        Editor e;
        e.c.RequestOpenScreen(1);
        WriteFile(e.f.Dir() + "/Broken.cgp", "not a zip at all");
        QVERIFY(e.c.SaveProject());
        e.w->SetFileChoosers([&] { return e.f.Dir() + "/Broken.cgp"; }, {});
        e.w->Execute(CommandId::OpenProject);
        QCOMPARE(e.f.messages.last(),
                 qMakePair(QStringLiteral("Error GUI-004 : This file can't open"),
                           QStringLiteral("Error")));
        QCOMPARE(e.c.ProjectName(), QStringLiteral("Line1"));
        QVERIFY(e.w->ScreenWindow(1));
        QVERIFY(e.w->ProjectWindow());
        QCOMPARE(e.w->CurrentMenuBar(), MenuBarKind::Screen);

        // A name without an extension cannot be a package: the same message,
        // and no save question first.
        e.f.App().ForgetSaved();
        const auto before = e.f.messages.size();
        QVERIFY(!e.w->OpenProjectFile(e.f.Dir() + "/NoExtension"));
        QCOMPARE(e.f.messages.size(), before + 1);
        QCOMPARE(e.f.messages.last().first, QStringLiteral("Error GUI-004 : This file can't open"));

        // Cancel at the save question opens nothing.
        e.f.answers = {MessageAnswer::Cancel};
        QVERIFY(!e.w->OpenProjectFile(e.f.Dir() + "/P/Line1.cgp"));
        QVERIFY(e.w->ScreenWindow(1));
    }

    void openAndSaveAsThroughTheFileDialogs()
    {
        Editor e;
        QVERIFY(e.c.SaveProject());
        e.c.RequestOpenScreen(1);
        const QString copy = e.f.Dir() + "/P/Copy";
        e.w->SetFileChoosers([&] { return e.f.Dir() + "/P/Line1.cgp"; }, [&] { return copy; });
        e.w->Execute(CommandId::SaveProjectAs);
        QVERIFY(QFile::exists(copy + ".cgp"));
        QCOMPARE(e.c.ProjectName(), QStringLiteral("Copy"));
        QCOMPARE(e.w->ScreenWindow(1)->windowTitle(), QStringLiteral("Copy.cgp - #1 Screen 1"));
        QCOMPARE(e.w->ProjectWindow()->windowTitle(), QStringLiteral("Copy.cgp"));

        e.w->Execute(CommandId::OpenProject);
        QCOMPARE(e.c.ProjectName(), QStringLiteral("Line1"));
        QVERIFY(!e.w->ScreenWindow(1)); // the windows of Copy closed with it
        // The package was tried in a scratch folder that moved into place.
        QCOMPARE(QDir(e.f.App().projectsRoot)
                     .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 (QStringList{"Copy", "Line1"}));
        QVERIFY(QFile::exists(e.f.App().ProjectFolder() + "/Line1.cgp - #1 Screen 1"));
        QVERIFY(e.w->ProjectWindow());
        QCOMPARE(e.w->ProjectWindow()->windowTitle(), QStringLiteral("Line1.cgp"));
    }

    void projectInformationEditsACopy()
    {
        Editor e;
        QVERIFY(e.c.SaveProject());
        ProjectInfo info = e.c.App().model.info;
        info.companyName = "ACME";
        CDlgProjectInfo dialog(e.f.App().settings, info);
        QVERIFY(dialog.Form().editName->isReadOnly());
        QVERIFY(dialog.Form().editTarget->isReadOnly());
        QCOMPARE(dialog.Form().editTarget->text(), QStringLiteral("RU03"));
        QCOMPARE(dialog.Form().labelTarget->text(), QStringLiteral("&Target:"));
        QCOMPARE(dialog.Form().labelProgrammer->buddy(), dialog.Form().editProgrammer);

        // Unchanged: the project stays unmodified.
        e.w->ApplyProjectInfo(e.c.App().model.info);
        QVERIFY(!e.c.IsModified());
        dialog.Form().editProgrammer->setText("Li Wei");
        const ProjectInfo edited = dialog.Result();
        QCOMPARE(edited.name, QStringLiteral("Line1"));
        e.w->ApplyProjectInfo(edited);
        QVERIFY(e.c.IsModified());
        QCOMPARE(e.c.App().model.info.programmer, QStringLiteral("Li Wei"));
        QCOMPARE(e.c.App().model.info.companyName, QStringLiteral("ACME"));
    }

    void layoutIsKeptForTheNextStart()
    {
        Editor e(false);
        e.w->Commands().Action(CommandId::PaneObjectHelp)->trigger();
        e.w->resize(900, 640);
        QVERIFY(e.w->close());
        const QString ini = e.f.App().settings.Paths().SettingsFile();
        QVERIFY(!CProfileFile::ReadString(ini, "Window", "State").isEmpty());

        CMainWindow next(e.c);
        next.show();
        QVERIFY(QTest::qWaitForWindowExposed(&next));
        QVERIFY(!next.findChild<QDockWidget*>("DockObjectHelp")->isVisible());
        QVERIFY(!next.Commands().Action(CommandId::PaneObjectHelp)->isChecked());
        QCOMPARE(next.size(), QSize(900, 640));
        next.RestoreDefaultLayout();
        QVERIFY(next.findChild<QDockWidget*>("DockObjectHelp")->isVisible());
    }

    void chineseTexts()
    {
        CTestProgramFolder f;
        const QString ini = f.App().settings.Paths().SettingsFile();
        CProfileFile::WriteString(ini, "App", "Language", "1");
        CProfileFile::WriteString(ini, "Language", "1", "chs");
        CProjectController c(f.App());
        CMainWindow w(c);
        QCOMPARE(MenuTitles(w),
                 (QStringList{QString::fromUtf8("文件(&F)"), QString::fromUtf8("视图(&V)"),
                              QString::fromUtf8("面板(&P)"), QString::fromUtf8("帮助(&H)")}));
        QCOMPARE(w.Commands().Action(CommandId::OpenProject)->text(),
                 QString::fromUtf8("打开工程(&O)..."));
        QCOMPARE(w.findChild<QDockWidget*>("DockScreenList")->windowTitle(),
                 QString::fromUtf8("导航-画面列表"));
        CDlgGridSize grid(f.App().settings, 8, 8);
        QCOMPARE(grid.windowTitle(), QString::fromUtf8("网格大小"));
    }
};

QTEST_MAIN(TestUiMainWindow)
#include "test_ui_main_window.moc"
