#pragma once
#include "CommandId.h"
#include "CommandState.h"
#include "ui/screen/ViewSettings.h"

#include <QMainWindow>
#include <QMap>
#include <functional>
#include <map>

class CMainCommands;
class CProjectController;
class CScreenDocument;
class CScreenListPane;
class CFunctionTreePane;
class CPanelTreePane;
class CObjectListPane;
class CObjectHelpPane;
class COutputPane;
class CCrossReferencePane;
class IScreenViewCommands;
class QDockWidget;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QTabWidget;
class QToolBar;
struct ProjectInfo;

// The editor's main window: the document area with the project window and
// one window per open screen, the menus chosen by the active window, the
// toolbars, the status bar and the four docked panes. Project commands go
// through the project controller; Edit and Object commands go to the
// active screen view; the commands of other windows (setup dialogs, screen
// commands, transfer, start dialog, About) are plugged in as handlers.
class CMainWindow : public QMainWindow
{
    Q_OBJECT
public:
    using ScreenViewFactory =
        std::function<QWidget*(CScreenDocument* doc, int screenNumber, QWidget* parent)>;
    using FileChooser = std::function<QString()>;

    explicit CMainWindow(CProjectController& controller, QWidget* parent = nullptr);
    ~CMainWindow() override;

    // The work of a command that another window does. A command without a
    // handler stays disabled; the main window's own commands (Open, Save,
    // view settings, ...) need none.
    void SetCommandHandler(CommandId id, std::function<void()> handler);
    // Creates the view of a screen window; without one a stand-in is shown.
    void SetScreenViewFactory(ScreenViewFactory factory) { viewFactory_ = std::move(factory); }
    // Paste Screen is available while this says a copied screen is held.
    void SetCopiedScreenQuery(std::function<bool()> query) { copiedScreenHeld_ = std::move(query); }
    void SetSimulationCompilingQuery(std::function<bool()> query)
    {
        simulationCompiling_ = std::move(query);
    }
    // The file dialogs of Open and Save As (replaced by the tests).
    void SetFileChoosers(FileChooser open, FileChooser saveAs);

    // File > Open Project with a chosen path (also for a file named on the
    // command line or handed over by a second start): the save question,
    // then the package is opened; a failed open leaves the open project.
    bool OpenProjectFile(const QString& path);
    // Runs a command as its menu item would (nothing when it is disabled).
    void Execute(CommandId id);

    CMainCommands& Commands() const { return *commands_; }
    CommandState CurrentState() const;
    MenuBarKind CurrentMenuBar() const { return menuBarKind_; }
    const CViewSettings& ViewSettings() const { return view_; }
    // Stores the view settings and pushes them to every screen window; the
    // zoom reaches them only when it changed (a window may have zoomed on its
    // own: keypad + and -, Ctrl+wheel).
    void SetViewSettings(const CViewSettings& settings);
    QLabel* ZoomStatus() const { return statusZoom_; }
    // Takes the edits of the Project Information dialog; marks the project
    // modified only when a field changed.
    void ApplyProjectInfo(const ProjectInfo& edited);

    CScreenListPane* ScreenList() const { return screenList_; }
    CFunctionTreePane* FunctionTree() const { return functionTree_; }
    CPanelTreePane* PanelTree() const { return panelTree_; }
    CObjectListPane* ObjectList() const { return objectList_; }
    CObjectHelpPane* ObjectHelp() const { return objectHelp_; }
    COutputPane* Output() const { return output_; }
    CCrossReferencePane* CrossReference() const { return crossReference_; }
    QMdiArea* DocumentArea() const { return mdi_; }
    QMdiSubWindow* ProjectWindow() const { return prjWindow_; }
    // The first window of a screen, and all of them.
    QMdiSubWindow* ScreenWindow(int number) const;
    QList<QMdiSubWindow*> ScreenWindows(int number) const;
    // The screen that a window shows; 0 for the project window or none.
    static int ScreenOfWindow(const QMdiSubWindow* window);
    // The screen view of the active window, or null.
    IScreenViewCommands* ActiveScreenView() const;

public slots:
    // Opens (or raises) the window of a screen; a screen with several
    // windows raises its first.
    void OpenScreenWindow(int number);
    // Window > New Window: another window on the screen in front.
    void OpenSecondWindow();
    // The help page of an object kind (also asked for by the screen editor).
    void ShowObjectHelp(int kind);
    // Recomputes the enabling and the menu bar (a view whose readiness
    // changed calls this).
    void UpdateCommands();
    // Puts the toolbars and panes back where they were at first start.
    void RestoreDefaultLayout();

signals:
    // Every change of the view settings, to every open screen view.
    void viewSettingsChanged(const CViewSettings& settings);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    void buildToolBars();
    void buildStatusBar();
    void buildPanes();
    void connectCrossReference();
    // Opens the screen's window with one object selected.
    void showObject(int screenNumber, int objectIndex);
    void onCommand(CommandId id);
    void onProjectOpened();
    void onProjectClosed();
    void onScreenListChanged();
    void onSubWindowActivated(QMdiSubWindow* window);
    QMdiSubWindow* addScreenWindow(int number, int index);
    // The size that shows the whole paper at the zoom, as far as the
    // document area allows, and the place below and right of the last one.
    void placeScreenWindow(QMdiSubWindow* window);
    void setMenuBarKind(MenuBarKind kind);
    void fitProjectWindow();
    void openProjectCommand();
    void saveAsCommand();
    void projectInfoCommand();
    void gridSizeCommand();
    void zoomCommand();
    void applyViewSettings(const CViewSettings& settings, bool zoomEveryEditor);
    // View > Language: the settings name the language for the next start.
    void languageCommand(const QString& code);
    void windowListCommand();
    // The software manual (at a page of it) or the hardware manual.
    void openManual(bool hardware, const QString& page = QString());
    void moveFocusToPane(int step);
    void saveLayout() const;
    void restoreLayout();
    QString frameText(const QString& english) const;

    CProjectController& controller_;
    CMainCommands* commands_;
    QMdiArea* mdi_;
    QMdiSubWindow* prjWindow_ = nullptr;
    QList<QMdiSubWindow*> screenWindows_;

    QTabWidget* navigation_ = nullptr;
    CScreenListPane* screenList_ = nullptr;
    CFunctionTreePane* functionTree_ = nullptr;
    CPanelTreePane* panelTree_ = nullptr;
    CObjectListPane* objectList_ = nullptr;
    CObjectHelpPane* objectHelp_ = nullptr;
    COutputPane* output_ = nullptr;
    CCrossReferencePane* crossReference_ = nullptr;
    QDockWidget* dockNavigation_ = nullptr;
    QDockWidget* dockObjectList_ = nullptr;
    QDockWidget* dockObjectHelp_ = nullptr;
    QDockWidget* dockOutput_ = nullptr;
    QDockWidget* dockCrossReference_ = nullptr;
    QToolBar* toolFile_ = nullptr;
    QToolBar* toolWindows_ = nullptr;
    QToolBar* toolSteps_ = nullptr;
    QLabel* statusProject_ = nullptr;
    QLabel* statusScreen_ = nullptr;
    QLabel* statusZoom_ = nullptr;

    // The menus of the three bars; the bars share one QMenuBar whose menus
    // are swapped.
    QList<QMenu*> bareMenus_, projectMenus_, screenMenus_;
    QMenu* screenMenu_ = nullptr;
    MenuBarKind menuBarKind_ = MenuBarKind::Screen; // differs from the first choice

    CViewSettings view_;
    // While the view settings go out: the zoom goes to every editor.
    bool zoomEveryEditor_ = false;
    QByteArray defaultState_;
    std::map<CommandId, std::function<void()>> handlers_;
    ScreenViewFactory viewFactory_;
    std::function<bool()> copiedScreenHeld_;
    std::function<bool()> simulationCompiling_;
    FileChooser openChooser_;
    FileChooser saveAsChooser_;
};
