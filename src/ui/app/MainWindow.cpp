#include "MainWindow.h"
#include "CommandEnabling.h"
#include "FunctionTreePane.h"
#include "HelpKeyRouter.h"
#include "IconPainter.h"
#include "MainCommands.h"
#include "ManualOpener.h"
#include "ManualPages.h"
#include "MinimisedWindowRow.h"
#include "ObjectHelpPane.h"
#include "ObjectListPane.h"
#include "OutputPane.h"
#include "CrossReferencePane.h"
#include "PanelTreePane.h"
#include "PrjView.h"
#include "ui/document/ProjectController.h"
#include "ui/document/ScreenDocument.h"
#include "screen/DiagramEntityContainer.h"
#include "ScreenListPane.h"
#include "ScreenStandInView.h"
#include "ui/screen/ScreenViewCommands.h"
#include "ViewSettingsStore.h"
#include "DlgGridSize.h"
#include "DlgZoom.h"
#include "app/TessanApp.h"
#include "base/LanguageSection.h"
#include "base/ProfileFile.h"
#include "project/ScreenObject.h"
#include "ui/project/DlgProjectInfo.h"
#include "ui/widgets/UiText.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDockWidget>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolBar>
#include <QTreeWidget>
#include <QUrl>

#include <algorithm>

namespace {

const QString kPackageFilter = QStringLiteral("RU03 Project Flies(*.cgp);;All Files (*)");
const QString kLayoutSection = QStringLiteral("Window");
constexpr int kLayoutVersion = 1;

// Commands whose work lives in other windows: disabled until plugged in.
constexpr CommandId kPluggedCommands[] = {
    CommandId::StartProject,      CommandId::ProjectTransfer, CommandId::NewScreen,
    CommandId::DeleteScreen,      CommandId::RenameScreen,    CommandId::CopyScreen,
    CommandId::PasteScreen,       CommandId::ScreenOption,    CommandId::PanelManager,
    CommandId::ConfigurePassword, CommandId::PlcPanel,        CommandId::AlarmSetup,
    CommandId::PanelInformation,  CommandId::Simulate,        CommandId::About,
    CommandId::ExportReport,      CommandId::PrintPreview,    CommandId::Print,
};

} // namespace

CMainWindow::CMainWindow(CProjectController& controller, QWidget* parent)
    : QMainWindow(parent),
      controller_(controller),
      commands_(new CMainCommands(this)),
      mdi_(new QMdiArea(this))
{
    const CTessanApp& app = controller.App();
    const VersionNumber& v = app.programVersion;
    setWindowTitle(
        QStringLiteral("Corvel (Ver%1.%2.%3.%4)").arg(v.hh).arg(v.hl).arg(v.lh).arg(v.ll));
    setWindowIcon(IconPainter::AppIcon());
    setObjectName(QStringLiteral("MainFrame"));
    setDockOptions(QMainWindow::AnimatedDocks | QMainWindow::AllowTabbedDocks);

    mdi_->setObjectName(QStringLiteral("DocumentArea"));
    mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdi_);
    mdi_->viewport()->installEventFilter(this);

    commands_->ApplyTexts(app.settings);
    addActions(commands_->findChildren<QAction*>()); // accelerators whatever the menu bar
    connect(commands_, &CMainCommands::triggered, this, &CMainWindow::onCommand);

    buildPanes();
    buildMenus();
    buildToolBars();
    buildStatusBar();

    view_ = ViewSettingsStore::Load(app.settings);
    commands_->Action(CommandId::DisplayGrid)->setChecked(view_.showGrid);
    // The Object command of the kind being inserted shows a check mark.
    for (int i = 0; i < kCommandCount; ++i)
        if (ObjectKindOfCommand(CommandId(i)) >= 0)
            commands_->Action(CommandId(i))->setCheckable(true);

    resize(1100, 760);
    defaultState_ = saveState(kLayoutVersion);
    restoreLayout();

    connect(mdi_, &QMdiArea::subWindowActivated, this, &CMainWindow::onSubWindowActivated);
    connect(&controller, &CProjectController::projectOpened, this, &CMainWindow::onProjectOpened);
    connect(&controller, &CProjectController::projectClosed, this, &CMainWindow::onProjectClosed);
    // A renamed screen keeps its windows (and the edits in them) under its new number.
    connect(&controller, &CProjectController::screenRenumbered, this,
            [this](int oldNumber, int newNumber) {
                for (QMdiSubWindow* sub : std::as_const(screenWindows_))
                    if (ScreenOfWindow(sub) == oldNumber)
                        sub->setProperty("screenNumber", newNumber);
            });
    connect(&controller, &CProjectController::currentScreenChanged, this,
            &CMainWindow::UpdateCommands);
    connect(&controller, &CProjectController::screenListChanged, this,
            &CMainWindow::onScreenListChanged);
    connect(&controller, &CProjectController::modifiedChanged, this, &CMainWindow::UpdateCommands);
    connect(&controller, &CProjectController::openScreenRequested, this,
            &CMainWindow::OpenScreenWindow);
    // F1 opens the manual's page of the window in front: here the screen
    // editor's while a screen window is active, in a dialog the dialog's.
    new CHelpKeyRouter(
        this,
        [this] {
            return ManualPages::MainWindowPage(ScreenOfWindow(mdi_->currentSubWindow()) > 0);
        },
        [this](const QString& page) { openManual(false, page); });
    UpdateCommands();
}

CMainWindow::~CMainWindow()
{
    // The windows go with the document area after this object's members:
    // nothing of theirs may call back into it.
    disconnect(mdi_, nullptr, this, nullptr);
    for (QMdiSubWindow* sub : std::as_const(screenWindows_))
        disconnect(sub, nullptr, this, nullptr);
}

QString CMainWindow::frameText(const QString& english) const
{
    return UiText(controller_.App().settings, LS_FRAME, english);
}

// ---------------------------------------------------------------- building

void CMainWindow::buildPanes()
{
    const CAppSettings& s = controller_.App().settings;
    screenList_ = new CScreenListPane(controller_, this);
    functionTree_ = new CFunctionTreePane(s, this);
    panelTree_ = new CPanelTreePane(s, this);
    objectList_ = new CObjectListPane(s, this);
    objectHelp_ = new CObjectHelpPane(s, this);
    output_ = new COutputPane(controller_, this);
    crossReference_ = new CCrossReferencePane(controller_, this);

    // Navigation: three pages; the bar's caption is the page's caption and
    // each tab shows the part after "-".
    navigation_ = new QTabWidget(this);
    navigation_->setTabPosition(QTabWidget::South);
    navigation_->setDocumentMode(true);
    for (QWidget* page : {static_cast<QWidget*>(screenList_), static_cast<QWidget*>(functionTree_),
                          static_cast<QWidget*>(panelTree_)}) {
        const QString caption = page->windowTitle();
        const int dash = caption.indexOf(QLatin1Char('-'));
        const int index = navigation_->addTab(page, dash >= 0 ? caption.mid(dash + 1) : caption);
        navigation_->setTabToolTip(index, caption);
    }

    auto dock = [this](const QString& name, const QString& title, QWidget* content) {
        auto* d = new QDockWidget(title, this);
        d->setObjectName(name);
        d->setWidget(content);
        d->setAllowedAreas(Qt::AllDockWidgetAreas);
        return d;
    };
    dockNavigation_ =
        dock(QStringLiteral("DockScreenList"), screenList_->windowTitle(), navigation_);
    dockObjectList_ =
        dock(QStringLiteral("DockObjectList"), objectList_->windowTitle(), objectList_);
    dockObjectHelp_ =
        dock(QStringLiteral("DockObjectHelp"), objectHelp_->windowTitle(), objectHelp_);
    dockOutput_ = dock(QStringLiteral("DockOutput"), output_->windowTitle(), output_);
    dockCrossReference_ =
        dock(QStringLiteral("DockCrossReference"), crossReference_->windowTitle(), crossReference_);
    connect(navigation_, &QTabWidget::currentChanged, this, [this](int index) {
        dockNavigation_->setWindowTitle(navigation_->widget(index)->windowTitle());
    });

    addDockWidget(Qt::LeftDockWidgetArea, dockNavigation_);
    addDockWidget(Qt::RightDockWidgetArea, dockObjectList_);
    splitDockWidget(dockObjectList_, dockObjectHelp_, Qt::Vertical);
    addDockWidget(Qt::BottomDockWidgetArea, dockOutput_);
    tabifyDockWidget(dockOutput_, dockCrossReference_);
    dockOutput_->raise();
    setCorner(Qt::BottomLeftCorner, Qt::LeftDockWidgetArea);
    setCorner(Qt::BottomRightCorner, Qt::RightDockWidgetArea);
    resizeDocks({dockNavigation_, dockObjectList_}, {230, 230}, Qt::Horizontal);
    resizeDocks({dockObjectList_, dockObjectHelp_}, {260, 260}, Qt::Vertical);
    resizeDocks({dockOutput_}, {100}, Qt::Vertical);

    const std::pair<CommandId, QDockWidget*> toggles[] = {
        {CommandId::PaneNavigation, dockNavigation_},
        {CommandId::PaneObjectList, dockObjectList_},
        {CommandId::PaneObjectHelp, dockObjectHelp_},
        {CommandId::PaneOutput, dockOutput_},
        {CommandId::PaneCrossReference, dockCrossReference_},
    };
    for (const auto& toggle : toggles) {
        QDockWidget* d = toggle.second;
        QAction* action = commands_->Action(toggle.first);
        action->setChecked(true);
        connect(d->toggleViewAction(), &QAction::toggled, action, &QAction::setChecked);
        connect(action, &QAction::triggered, d, [d](bool on) {
            d->setVisible(on);
            if (on)
                d->raise();
        });
    }

    screenList_->SetContextMenus(nullptr, commands_->Action(CommandId::NewScreen),
                                 commands_->Action(CommandId::PasteScreen));
    connect(screenList_, &CScreenListPane::selectionChanged, this, &CMainWindow::UpdateCommands);
    connect(functionTree_, &CFunctionTreePane::itemActivated, this, [this](int code) {
        switch (code) {
        case CFunctionTreePane::PanelManager: Execute(CommandId::PanelManager); break;
        case CFunctionTreePane::Password: Execute(CommandId::ConfigurePassword); break;
        case CFunctionTreePane::PlcPanel: Execute(CommandId::PlcPanel); break;
        case CFunctionTreePane::AlarmSetup: Execute(CommandId::AlarmSetup); break;
        case CFunctionTreePane::SoftwareManual: openManual(false); break;
        case CFunctionTreePane::HardwareManual: openManual(true); break;
        default: break;
        }
    });
    connect(panelTree_, &CPanelTreePane::itemActivated, this, [this](int code) {
        if (code == CPanelTreePane::PanelInformation)
            Execute(CommandId::PanelInformation);
    });
    connect(objectList_, &CObjectListPane::kindSelected, this, &CMainWindow::ShowObjectHelp);
    connect(output_, &COutputPane::panelManagerRequested, this,
            [this] { Execute(CommandId::PanelManager); });
    connect(output_, &COutputPane::alarmSetupRequested, this,
            [this] { Execute(CommandId::AlarmSetup); });
    connect(output_, &COutputPane::plcAndPanelRequested, this,
            [this] { Execute(CommandId::PlcPanel); });
    connect(output_, &COutputPane::screenOptionRequested, this, [this](int number) {
        controller_.SetCurrentScreen(number);
        Execute(CommandId::ScreenOption);
    });
    connect(output_, &COutputPane::showRequested, this, [this] {
        dockOutput_->show();
        dockOutput_->raise();
    });
    connectCrossReference();
}

void CMainWindow::connectCrossReference()
{
    connect(crossReference_, &CCrossReferencePane::objectRequested, this, &CMainWindow::showObject);
    connect(crossReference_, &CCrossReferencePane::screenRequested, this,
            &CMainWindow::OpenScreenWindow);
    connect(crossReference_, &CCrossReferencePane::keyRequested, this, [this](int screen, int) {
        controller_.SetCurrentScreen(screen);
        Execute(CommandId::ScreenOption);
    });
    connect(crossReference_, &CCrossReferencePane::alarmsRequested, this,
            [this] { Execute(CommandId::AlarmSetup); });
    connect(crossReference_, &CCrossReferencePane::plcAndPanelRequested, this,
            [this] { Execute(CommandId::PlcPanel); });
}

void CMainWindow::showObject(int screenNumber, int objectIndex)
{
    OpenScreenWindow(screenNumber);
    CScreenDocument* doc = controller_.LoadedScreenDocument(screenNumber);
    if (!doc)
        return;
    doc->Select([objectIndex](CDiagramEntityContainer& objects) {
        objects.UnselectAll();
        if (objectIndex >= 0 && objectIndex < objects.GetSize())
            objects.GetAt(objectIndex)->Select(true);
    });
    if (QMdiSubWindow* sub = ScreenWindow(screenNumber))
        sub->widget()->setFocus();
}

void CMainWindow::buildMenus()
{
    const CAppSettings& s = controller_.App().settings;
    auto act = [this](CommandId id) { return commands_->Action(id); };
    auto menu = [&](const char* key, std::initializer_list<CommandId> ids) {
        auto* m = new QMenu(CMainCommands::MenuText(s, QString::fromUtf8(key)), this);
        connect(m, &QMenu::aboutToShow, this, &CMainWindow::UpdateCommands);
        for (CommandId id : ids)
            m->addAction(act(id));
        return m;
    };
    auto sep = [](QMenu* m) { m->addSeparator(); };

    QMenu* file =
        menu("File", {CommandId::StartProject, CommandId::OpenProject, CommandId::CloseProject,
                      CommandId::SaveProject, CommandId::SaveProjectAs});
    sep(file);
    file->addAction(act(CommandId::ProjectTransfer));
    sep(file);
    file->addAction(act(CommandId::ProjectInformation));
    sep(file);
    file->addActions(
        {act(CommandId::ExportReport), act(CommandId::PrintPreview), act(CommandId::Print)});
    sep(file);
    file->addAction(act(CommandId::Exit));
    QMenu* bareFile = menu("File", {CommandId::StartProject, CommandId::OpenProject});
    sep(bareFile);
    bareFile->addAction(act(CommandId::Exit));

    QMenu* edit = menu("Edit", {CommandId::Undo, CommandId::Redo});
    sep(edit);
    for (CommandId id : {CommandId::Cut, CommandId::Copy, CommandId::Paste})
        edit->addAction(act(id));
    sep(edit);
    edit->addAction(act(CommandId::SelectAll));
    sep(edit);
    edit->addAction(act(CommandId::FindUses));

    auto viewTail = [&](QMenu* view) {
        QMenu* toolbars = view->addMenu(CMainCommands::MenuText(s, QStringLiteral("Toolbar")));
        toolbars->addActions({act(CommandId::ToolbarFile), act(CommandId::ToolbarWindowsControl),
                              act(CommandId::ToolbarSteps)});
        QMenu* panes = view->addMenu(CMainCommands::MenuText(s, QStringLiteral("Windows")));
        panes->addActions({act(CommandId::PaneNavigation), act(CommandId::PaneObjectList),
                           act(CommandId::PaneObjectHelp), act(CommandId::PaneOutput),
                           act(CommandId::PaneCrossReference)});
        panes->addSeparator();
        panes->addAction(act(CommandId::RestorePanes));
        view->addAction(act(CommandId::StatusBar));
        QMenu* languages = view->addMenu(CMainCommands::MenuText(s, QStringLiteral("Language")));
        languages->addActions({act(CommandId::LanguageEnglish), act(CommandId::LanguageChinese)});
    };
    QMenu* projectView =
        menu("View", {CommandId::GridSize, CommandId::DisplayGrid, CommandId::Zoom});
    sep(projectView);
    viewTail(projectView);
    QMenu* screenView =
        menu("View", {CommandId::GridSize, CommandId::DisplayGrid, CommandId::DisplayObjectLabel,
                      CommandId::DisplayPanelPixels, CommandId::Zoom});
    sep(screenView);
    viewTail(screenView);
    QMenu* bareView = menu("View", {});
    viewTail(bareView);

    QMenu* object = menu("Object", {});
    for (int kind = 0; kind < kObjectKindCount; ++kind)
        object->addAction(act(ObjectCommand(kind)));
    screenMenu_ =
        menu("Screen", {CommandId::NewScreen, CommandId::DeleteScreen, CommandId::RenameScreen,
                        CommandId::CopyScreen, CommandId::PasteScreen});
    sep(screenMenu_);
    screenMenu_->addAction(act(CommandId::ScreenOption));
    QMenu* setup = menu("Setup", {CommandId::PanelManager, CommandId::ConfigurePassword,
                                  CommandId::PlcPanel, CommandId::AlarmSetup});
    QMenu* panel = menu("Panel", {CommandId::PanelInformation, CommandId::Simulate});
    QMenu* window = menu("Window", {CommandId::NewWindow, CommandId::Cascade, CommandId::Tile,
                                    CommandId::ArrangeIcons});
    sep(window);
    window->addActions({act(CommandId::NextPane), act(CommandId::PreviousPane)});
    sep(window);
    window->addAction(act(CommandId::WindowList));
    QMenu* help = menu("Help", {CommandId::HelpTopics});
    sep(help);
    help->addAction(act(CommandId::About));

    bareMenus_ = {bareFile, bareView, panel, help};
    projectMenus_ = {file, edit, projectView, object, screenMenu_, setup, panel, window, help};
    screenMenus_ = {file, edit, screenView, object, screenMenu_, setup, panel, window, help};
    screenList_->SetContextMenus(screenMenu_, act(CommandId::NewScreen),
                                 act(CommandId::PasteScreen));
}

void CMainWindow::buildToolBars()
{
    auto bar = [this](const QString& name, const QString& caption, CommandId toggle,
                      std::initializer_list<CommandId> ids) {
        QToolBar* t = addToolBar(frameText(caption));
        t->setObjectName(name);
        t->setAllowedAreas(Qt::AllToolBarAreas);
        t->setIconSize(QSize(20, 20));
        for (CommandId id : ids) {
            if (id == CommandId::NextPane) // a separator
                t->addSeparator();
            else
                t->addAction(commands_->Action(id));
        }
        QAction* action = commands_->Action(toggle);
        action->setChecked(true);
        connect(t->toggleViewAction(), &QAction::toggled, action, &QAction::setChecked);
        connect(action, &QAction::triggered, t, &QToolBar::setVisible);
        return t;
    };
    toolFile_ = bar(QStringLiteral("ToolbarFile"), QStringLiteral("File"), CommandId::ToolbarFile,
                    {CommandId::OpenProject, CommandId::SaveProject, CommandId::NextPane,
                     CommandId::Cut, CommandId::Copy, CommandId::Paste, CommandId::Undo,
                     CommandId::Redo, CommandId::NextPane, CommandId::Simulate, CommandId::NextPane,
                     CommandId::HelpTopics, CommandId::About});
    toolWindows_ =
        bar(QStringLiteral("ToolbarWindowsControl"), QStringLiteral("Windows Control"),
            CommandId::ToolbarWindowsControl,
            {CommandId::PaneNavigation, CommandId::PaneObjectList, CommandId::PaneObjectHelp,
             CommandId::PaneOutput, CommandId::NextPane, CommandId::Cascade, CommandId::Tile});
    toolSteps_ = bar(QStringLiteral("ToolbarSteps"), QStringLiteral("Start/Open/Send Setps"),
                     CommandId::ToolbarSteps,
                     {CommandId::StartProject, CommandId::OpenProject, CommandId::ProjectTransfer});
}

void CMainWindow::buildStatusBar()
{
    // Four panes: the prompt, the project, the active screen and the zoom.
    statusProject_ = new QLabel(this);
    statusScreen_ = new QLabel(this);
    statusZoom_ = new QLabel(this);
    for (QLabel* pane : {statusProject_, statusScreen_, statusZoom_}) {
        pane->setMinimumWidth(90);
        pane->setAlignment(Qt::AlignCenter);
        statusBar()->addPermanentWidget(pane);
    }
    statusBar()->showMessage(frameText(QStringLiteral("Ready")));
    QAction* toggle = commands_->Action(CommandId::StatusBar);
    toggle->setChecked(true);
    connect(toggle, &QAction::triggered, statusBar(), &QStatusBar::setVisible);
}

// ---------------------------------------------------------------- hooks

void CMainWindow::SetCommandHandler(CommandId id, std::function<void()> handler)
{
    if (handler)
        handlers_[id] = std::move(handler);
    else
        handlers_.erase(id);
    UpdateCommands();
}

void CMainWindow::SetFileChoosers(FileChooser open, FileChooser saveAs)
{
    openChooser_ = std::move(open);
    saveAsChooser_ = std::move(saveAs);
}

// ---------------------------------------------------------------- state

IScreenViewCommands* CMainWindow::ActiveScreenView() const
{
    QMdiSubWindow* sub = mdi_->currentSubWindow();
    if (!sub || sub == prjWindow_)
        return nullptr;
    return dynamic_cast<IScreenViewCommands*>(sub->widget());
}

CommandState CMainWindow::CurrentState() const
{
    CommandState s;
    s.hasProject = controller_.HasProject();
    QMdiSubWindow* sub = mdi_->currentSubWindow();
    if (sub && sub == prjWindow_)
        s.active = ActiveDocument::Project;
    else if (sub && screenWindows_.contains(sub))
        s.active = ActiveDocument::Screen;
    else if (s.hasProject)
        s.active = ActiveDocument::Project;
    s.currentScreen = controller_.CurrentScreen();
    s.copiedScreenHeld = copiedScreenHeld_ && copiedScreenHeld_();
    s.simulationCompiling = simulationCompiling_ && simulationCompiling_();
    const IScreenViewCommands* view = ActiveScreenView();
    s.screenEditorReady = view && view->IsReadyForEditing();
    if (view) {
        s.canUndo = view->CanUndo();
        s.canRedo = view->CanRedo();
        s.hasSelection = view->HasSelection();
        s.canPaste = view->CanPaste();
        s.insertKind = view->InsertKind();
        s.selectionHasRegister = view->SelectedRegister().has_value();
    }
    s.documentWindows = int(mdi_->subWindowList().size());
    for (CommandId id : kPluggedCommands)
        if (!handlers_.count(id))
            s.unhandled.insert(id);
    return s;
}

void CMainWindow::UpdateCommands()
{
    const CommandState state = CurrentState();
    for (int i = 0; i < kCommandCount; ++i) {
        const auto id = CommandId(i);
        commands_->Action(id)->setEnabled(CommandEnabling::IsEnabled(id, state));
        if (ObjectKindOfCommand(id) >= 0)
            commands_->Action(id)->setChecked(CommandEnabling::IsChecked(id, state));
    }
    commands_->Action(CommandId::DisplayObjectLabel)->setChecked(view_.showLabels);
    commands_->Action(CommandId::DisplayPanelPixels)->setChecked(view_.panelPixels);
    commands_->Action(CommandId::DisplayGrid)->setChecked(view_.showGrid);
    // A layout restored before the window was shown hides bars without
    // telling their toggle actions.
    const std::pair<CommandId, QWidget*> bars[] = {
        {CommandId::PaneNavigation, dockNavigation_},
        {CommandId::PaneObjectList, dockObjectList_},
        {CommandId::PaneObjectHelp, dockObjectHelp_},
        {CommandId::PaneOutput, dockOutput_},
        {CommandId::PaneCrossReference, dockCrossReference_},
        {CommandId::ToolbarFile, toolFile_},
        {CommandId::ToolbarWindowsControl, toolWindows_},
        {CommandId::ToolbarSteps, toolSteps_},
    };
    for (const auto& [id, bar] : bars)
        commands_->Action(id)->setChecked(!bar->isHidden());
    commands_->Action(CommandId::StatusBar)->setChecked(!statusBar()->isHidden());
    const QString language = controller_.App().settings.GetLanguageCode();
    commands_->Action(CommandId::LanguageEnglish)->setChecked(language == QLatin1String("en"));
    commands_->Action(CommandId::LanguageChinese)->setChecked(language == QLatin1String("chs"));
    setMenuBarKind(CommandEnabling::ChooseMenuBar(state));
    panelTree_->SetInformationEnabled(commands_->Action(CommandId::PanelInformation)->isEnabled());

    statusProject_->setText(
        state.hasProject ? controller_.ProjectName()
                               + (controller_.IsModified() ? QStringLiteral(" *") : QString())
                         : QString());
    const int screen = ScreenOfWindow(mdi_->currentSubWindow());
    statusScreen_->setText(screen > 0 ? QStringLiteral("#%1").arg(screen) : QString());
    // The zoom of the editor in front, else the main window's.
    const IScreenViewCommands* view = ActiveScreenView();
    const double own = view ? view->ZoomFactor() : 0;
    statusZoom_->setText(
        QStringLiteral("%1%").arg(own > 0 ? qRound(own * 100) : view_.zoomPercent));
}

void CMainWindow::setMenuBarKind(MenuBarKind kind)
{
    if (kind == menuBarKind_)
        return;
    menuBarKind_ = kind;
    const QList<QMenu*>& menus = kind == MenuBarKind::Bare      ? bareMenus_
                                 : kind == MenuBarKind::Project ? projectMenus_
                                                                : screenMenus_;
    QMenuBar* bar = menuBar();
    bar->clear();
    for (QMenu* m : menus)
        bar->addMenu(m);
}

// ---------------------------------------------------------------- commands

void CMainWindow::Execute(CommandId id)
{
    UpdateCommands();
    QAction* action = commands_->Action(id);
    if (action->isEnabled())
        action->trigger();
}

void CMainWindow::onCommand(CommandId id)
{
    if (!commands_->Action(id)->isEnabled())
        return;
    const int kind = ObjectKindOfCommand(id);
    if (kind >= 0) {
        if (IScreenViewCommands* view = ActiveScreenView())
            view->StartInsert(kind);
        return;
    }
    if (auto handler = handlers_.find(id); handler != handlers_.end()) {
        handler->second();
        return;
    }
    IScreenViewCommands* view = ActiveScreenView();
    switch (id) {
    case CommandId::OpenProject: openProjectCommand(); break;
    case CommandId::CloseProject:
        if (controller_.AskToSave())
            controller_.CloseProject();
        break;
    case CommandId::SaveProject: controller_.SaveProject(); break;
    case CommandId::SaveProjectAs: saveAsCommand(); break;
    case CommandId::LanguageEnglish: languageCommand(QStringLiteral("en")); break;
    case CommandId::LanguageChinese: languageCommand(QStringLiteral("chs")); break;
    case CommandId::ProjectInformation: projectInfoCommand(); break;
    case CommandId::Exit: close(); break;
    case CommandId::Undo:
        if (view)
            view->Undo();
        break;
    case CommandId::Redo:
        if (view)
            view->Redo();
        break;
    case CommandId::NewWindow: OpenSecondWindow(); break;
    case CommandId::Cut:
        if (view)
            view->Cut();
        break;
    case CommandId::Copy:
        if (view)
            view->Copy();
        break;
    case CommandId::Paste:
        if (view)
            view->Paste();
        break;
    case CommandId::SelectAll:
        if (view)
            view->SelectAll();
        break;
    case CommandId::FindUses:
        if (const std::optional<RegisterRef> ref = view ? view->SelectedRegister() : std::nullopt) {
            dockCrossReference_->show();
            dockCrossReference_->raise();
            crossReference_->FindUses(*ref);
        }
        break;
    case CommandId::GridSize: gridSizeCommand(); break;
    case CommandId::DisplayGrid: {
        CViewSettings v = view_;
        v.showGrid = !v.showGrid;
        SetViewSettings(v);
        break;
    }
    case CommandId::DisplayObjectLabel: {
        CViewSettings v = view_;
        v.showLabels = !v.showLabels;
        SetViewSettings(v);
        break;
    }
    case CommandId::DisplayPanelPixels: {
        CViewSettings v = view_;
        v.panelPixels = !v.panelPixels;
        SetViewSettings(v);
        break;
    }
    case CommandId::Zoom: zoomCommand(); break;
    case CommandId::RestorePanes: RestoreDefaultLayout(); break;
    case CommandId::Cascade: mdi_->cascadeSubWindows(); break;
    case CommandId::Tile: mdi_->tileSubWindows(); break;
    case CommandId::ArrangeIcons: MinimisedWindowRow::Arrange(*mdi_); break;
    case CommandId::WindowList: windowListCommand(); break;
    case CommandId::HelpTopics: openManual(false); break;
    case CommandId::NextPane: moveFocusToPane(1); break;
    case CommandId::PreviousPane: moveFocusToPane(-1); break;
    default: break; // toggles are connected directly
    }
}

bool CMainWindow::OpenProjectFile(const QString& path)
{
    const QFileInfo file(path);
    const QString name = file.fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot <= 0) {
        controller_.Messages().ShowError(
            controller_.App().settings.LookupText(
                LS_MSG, QStringLiteral("Error GUI-004 : This file can't open")),
            controller_.App().settings.LookupText(LS_MSG, QStringLiteral("Error")));
        return false;
    }
    if (!controller_.AskToSave())
        return false;
    return controller_.OpenProject(file.absolutePath(), name.left(dot));
}

void CMainWindow::openProjectCommand()
{
    QString path;
    if (openChooser_) {
        path = openChooser_();
    } else {
        QString dir = controller_.ProjectLocation();
        if (dir.isEmpty())
            dir = controller_.App().settings.Paths().ProjectDir();
        path = QFileDialog::getOpenFileName(
            this, commands_->Action(CommandId::OpenProject)->text().remove(QLatin1Char('&')), dir,
            kPackageFilter);
    }
    if (!path.isEmpty())
        OpenProjectFile(path);
}

void CMainWindow::saveAsCommand()
{
    QString path;
    if (saveAsChooser_) {
        path = saveAsChooser_();
    } else {
        QFileDialog dialog(
            this, commands_->Action(CommandId::SaveProjectAs)->text().remove(QLatin1Char('&')),
            controller_.ProjectLocation(), kPackageFilter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QStringLiteral("cgp"));
        dialog.selectFile(controller_.ProjectName() + QStringLiteral(".cgp"));
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
            path = dialog.selectedFiles().first();
    }
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".cgp");
    controller_.SaveProjectAs(path);
}

void CMainWindow::projectInfoCommand()
{
    CDlgProjectInfo dialog(controller_.App().settings, controller_.App().model.info, this);
    if (dialog.exec() == QDialog::Accepted)
        ApplyProjectInfo(dialog.Result());
}

void CMainWindow::ApplyProjectInfo(const ProjectInfo& edited)
{
    // Only the three fields the dialog edits are taken over.
    ProjectInfo info = controller_.App().model.info;
    info.companyName = edited.companyName;
    info.programmer = edited.programmer;
    info.description = edited.description;
    controller_.SetProjectInfo(info);
}

void CMainWindow::gridSizeCommand()
{
    CDlgGridSize dialog(controller_.App().settings, view_.gridSizeH, view_.gridSizeV, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    CViewSettings v = view_;
    v.gridSizeH = dialog.GridH();
    v.gridSizeV = dialog.GridV();
    SetViewSettings(v);
}

void CMainWindow::zoomCommand()
{
    CDlgZoom dialog(controller_.App().settings, view_.zoomPercent, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    CViewSettings v = view_;
    v.zoomPercent = dialog.ZoomPercent();
    // Every editor takes it again, also those zoomed on their own.
    applyViewSettings(v, true);
}

void CMainWindow::languageCommand(const QString& code)
{
    const CAppSettings& s = controller_.App().settings;
    if (s.GetLanguageCode() == code) {
        UpdateCommands();
        return;
    }
    if (!s.SetLanguageCode(code)) {
        controller_.Messages().ShowError(
            s.LookupText(LS_MSG, QStringLiteral("The file %1 can't be written"))
                .arg(s.Paths().SettingsFile()),
            s.LookupText(LS_MSG, QStringLiteral("Error")));
        UpdateCommands();
        return;
    }
    UpdateCommands();
    // Told in the language chosen.
    controller_.Messages().ShowInformation(
        s.LookupText(LS_MSG,
                     QStringLiteral("The program shows the language chosen when it starts again.")),
        s.LookupText(LS_MSG, QStringLiteral("Information")));
}

void CMainWindow::SetViewSettings(const CViewSettings& settings)
{
    applyViewSettings(settings, settings.zoomPercent != view_.zoomPercent);
}

void CMainWindow::applyViewSettings(const CViewSettings& settings, bool zoomEveryEditor)
{
    view_ = settings;
    ViewSettingsStore::Save(controller_.App().settings, view_);
    zoomEveryEditor_ = zoomEveryEditor;
    UpdateCommands();
    emit viewSettingsChanged(view_);
    zoomEveryEditor_ = false;
}

void CMainWindow::windowListCommand()
{
    const QList<QMdiSubWindow*> windows = mdi_->subWindowList();
    QStringList titles;
    for (QMdiSubWindow* sub : windows)
        titles.append(sub->windowTitle());
    bool ok = false;
    const QString caption =
        commands_->Action(CommandId::WindowList)->text().remove(QLatin1Char('&'));
    const QString chosen = QInputDialog::getItem(
        this, caption, caption, titles, int(windows.indexOf(mdi_->currentSubWindow())), false, &ok);
    const int index = int(titles.indexOf(chosen));
    if (ok && index >= 0)
        mdi_->setActiveSubWindow(windows[index]);
}

void CMainWindow::openManual(bool hardware, const QString& page)
{
    const CManualOpener manual(controller_.App().settings, controller_.Messages());
    if (hardware)
        manual.OpenHardwareManual();
    else
        manual.OpenSoftwareManual(page);
}

void CMainWindow::moveFocusToPane(int step)
{
    QList<QWidget*> panes;
    if (QMdiSubWindow* sub = mdi_->currentSubWindow())
        panes.append(sub->widget());
    else
        panes.append(mdi_);
    const std::pair<QDockWidget*, QWidget*> docks[] = {
        {dockNavigation_, navigation_->currentWidget()},
        {dockObjectList_, objectList_},
        {dockObjectHelp_, objectHelp_},
        {dockOutput_, output_},
        {dockCrossReference_, crossReference_},
    };
    for (const auto& [d, w] : docks)
        if (d->isVisible())
            panes.append(w);
    int current = -1;
    QWidget* focus = QApplication::focusWidget();
    for (int i = 0; i < panes.size(); ++i)
        if (focus && (focus == panes[i] || panes[i]->isAncestorOf(focus)))
            current = i;
    const int n = int(panes.size());
    const int next = current < 0 ? 0 : ((current + step) % n + n) % n;
    QWidget* target = panes[next];
    if (QWidget* proxy = target->focusProxy())
        target = proxy;
    if (target->focusPolicy() == Qt::NoFocus)
        if (QWidget* child = target->nextInFocusChain(); child && target->isAncestorOf(child))
            target = child;
    target->setFocus(Qt::OtherFocusReason);
}

void CMainWindow::ShowObjectHelp(int kind)
{
    objectHelp_->ShowKind(kind);
}

// ---------------------------------------------------------------- documents

void CMainWindow::onProjectOpened()
{
    if (!prjWindow_) {
        auto* view = new CPrjView;
        prjWindow_ = mdi_->addSubWindow(view, Qt::SubWindow | Qt::WindowTitleHint
                                                  | Qt::WindowMinMaxButtonsHint);
        prjWindow_->setWindowIcon(IconPainter::AppIcon());
        prjWindow_->setAttribute(Qt::WA_DeleteOnClose, false);
    }
    prjWindow_->setWindowTitle(controller_.ProjectName() + QStringLiteral(".cgp"));
    fitProjectWindow();
    prjWindow_->show();
    mdi_->setActiveSubWindow(prjWindow_);
    UpdateCommands();
}

void CMainWindow::fitProjectWindow()
{
    if (prjWindow_ && !prjWindow_->isMinimized() && !prjWindow_->isMaximized())
        prjWindow_->setGeometry(mdi_->viewport()->rect());
}

bool CMainWindow::eventFilter(QObject* watched, QEvent* event)
{
    // The project window keeps filling the document area.
    if (watched == mdi_->viewport() && event->type() == QEvent::Resize)
        fitProjectWindow();
    return QMainWindow::eventFilter(watched, event);
}

void CMainWindow::onProjectClosed()
{
    const auto windows = screenWindows_;
    screenWindows_.clear();
    for (QMdiSubWindow* sub : windows) {
        mdi_->removeSubWindow(sub);
        delete sub;
    }
    if (prjWindow_) {
        mdi_->removeSubWindow(prjWindow_);
        delete prjWindow_;
        prjWindow_ = nullptr;
    }
    UpdateCommands();
}

int CMainWindow::ScreenOfWindow(const QMdiSubWindow* window)
{
    return window ? window->property("screenNumber").toInt() : 0;
}

QList<QMdiSubWindow*> CMainWindow::ScreenWindows(int number) const
{
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* sub : screenWindows_)
        if (ScreenOfWindow(sub) == number)
            windows.append(sub);
    std::sort(windows.begin(), windows.end(), [](const QMdiSubWindow* a, const QMdiSubWindow* b) {
        return a->property("windowIndex").toInt() < b->property("windowIndex").toInt();
    });
    return windows;
}

QMdiSubWindow* CMainWindow::ScreenWindow(int number) const
{
    const QList<QMdiSubWindow*> windows = ScreenWindows(number);
    return windows.isEmpty() ? nullptr : windows.first();
}

void CMainWindow::onScreenListChanged()
{
    // Windows follow renamed screens and close with deleted ones.
    const auto windows = screenWindows_;
    for (QMdiSubWindow* sub : windows) {
        QString title = controller_.ScreenTitle(ScreenOfWindow(sub));
        if (title.isEmpty()) {
            screenWindows_.removeAll(sub);
            mdi_->removeSubWindow(sub);
            delete sub;
            continue;
        }
        const int index = sub->property("windowIndex").toInt();
        if (index > 1)
            title += QStringLiteral(":%1").arg(index);
        sub->setWindowTitle(title);
    }
    if (prjWindow_)
        prjWindow_->setWindowTitle(controller_.ProjectName() + QStringLiteral(".cgp"));
    UpdateCommands();
}

void CMainWindow::onSubWindowActivated(QMdiSubWindow* window)
{
    // The screen in front is the current screen.
    if (const int number = ScreenOfWindow(window))
        controller_.SetCurrentScreen(number);
    UpdateCommands();
}

void CMainWindow::OpenScreenWindow(int number)
{
    if (QMdiSubWindow* open = ScreenWindow(number)) {
        open->showNormal();
        mdi_->setActiveSubWindow(open);
        return;
    }
    addScreenWindow(number, 1);
}

void CMainWindow::OpenSecondWindow()
{
    const int number = ScreenOfWindow(mdi_->currentSubWindow());
    if (!number)
        return;
    int index = 1;
    for (const QMdiSubWindow* sub : ScreenWindows(number))
        index = std::max(index, sub->property("windowIndex").toInt() + 1);
    addScreenWindow(number, index);
}

QMdiSubWindow* CMainWindow::addScreenWindow(int number, int index)
{
    QString title = controller_.ScreenTitle(number);
    if (title.isEmpty())
        return nullptr;
    CScreenDocument* doc = controller_.ScreenDocument(number);
    if (!doc) {
        const CAppSettings& s = controller_.App().settings;
        controller_.Messages().ShowError(
            s.LookupText(LS_MSG, QStringLiteral("The screen file can't be read:"))
                + QLatin1Char(' ') + title,
            s.LookupText(LS_MSG, QStringLiteral("Error")));
        return nullptr;
    }
    QWidget* view = viewFactory_ ? viewFactory_(doc, number, nullptr) : nullptr;
    if (!view)
        view = new CScreenStandInView(doc);
    if (auto* commands = dynamic_cast<IScreenViewCommands*>(view)) {
        commands->ApplyViewSettings(view_);
        // A window keeps the zoom it was given by its own keys and wheel
        // until the main window's zoom is set again.
        connect(this, &CMainWindow::viewSettingsChanged, view,
                [this, commands](const CViewSettings& settings) {
                    CViewSettings own = settings;
                    if (!zoomEveryEditor_ && commands->ZoomFactor() > 0)
                        own.zoomPercent = qRound(commands->ZoomFactor() * 100);
                    commands->ApplyViewSettings(own);
                });
    }
    if (index > 1) {
        title += QStringLiteral(":%1").arg(index);
        if (auto* commands = dynamic_cast<IScreenViewCommands*>(view))
            commands->SetWindowIndex(index);
    }
    QMdiSubWindow* sub = mdi_->addSubWindow(view);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setProperty("screenNumber", number);
    sub->setProperty("windowIndex", index);
    sub->setWindowTitle(title);
    sub->setWindowIcon(IconPainter::Icon(CommandId::NewScreen));
    connect(sub, &QObject::destroyed, this, [this, sub] {
        screenWindows_.removeAll(sub);
        // Later: the window's view is still being destroyed now, and the
        // enabling asks the active view.
        QMetaObject::invokeMethod(this, &CMainWindow::UpdateCommands, Qt::QueuedConnection);
    });
    sub->show();
    placeScreenWindow(sub);
    screenWindows_.append(sub);
    mdi_->setActiveSubWindow(sub);
    view->setFocus();
    UpdateCommands();
    return sub;
}

void CMainWindow::placeScreenWindow(QMdiSubWindow* sub)
{
    const QSize area = mdi_->viewport()->size();
    // The view's hint is the paper at the zoom with its frame; the window
    // adds its title bar and borders (known once it is shown).
    const QSize decoration = (sub->size() - sub->widget()->size()).expandedTo(QSize(0, 0));
    const QSize wanted = sub->widget()->sizeHint() + decoration;
    // Wide enough for its title and the title bar's buttons.
    const int titleWidth = sub->fontMetrics().horizontalAdvance(sub->windowTitle()) + 96;
    const QSize least(std::max(240, titleWidth), 120);
    const QSize size = wanted.expandedTo(least).boundedTo(area);
    // Cascaded: each window below and right of the one before, back to the
    // corner when it would leave the area.
    const int step = 24;
    int n = 0;
    for (const QMdiSubWindow* other : std::as_const(screenWindows_))
        if (other->isVisible() && !other->isMinimized())
            ++n;
    QPoint at(n * step, n * step);
    if (at.x() + size.width() > area.width() || at.y() + size.height() > area.height())
        at = QPoint(0, 0);
    sub->setGeometry(QRect(at, size));
}

// ---------------------------------------------------------------- closing and layout

void CMainWindow::closeEvent(QCloseEvent* event)
{
    if (!controller_.AskToSave()) {
        event->ignore();
        return;
    }
    saveLayout();
    event->accept();
}

void CMainWindow::saveLayout() const
{
    const QString file = controller_.App().settings.Paths().SettingsFile();
    CProfileFile::WriteString(file, kLayoutSection, QStringLiteral("Geometry"),
                              QString::fromLatin1(saveGeometry().toBase64()));
    CProfileFile::WriteString(file, kLayoutSection, QStringLiteral("State"),
                              QString::fromLatin1(saveState(kLayoutVersion).toBase64()));
}

void CMainWindow::restoreLayout()
{
    const QString file = controller_.App().settings.Paths().SettingsFile();
    const QString geometry =
        CProfileFile::ReadString(file, kLayoutSection, QStringLiteral("Geometry"));
    const QString state = CProfileFile::ReadString(file, kLayoutSection, QStringLiteral("State"));
    if (!geometry.isEmpty())
        restoreGeometry(QByteArray::fromBase64(geometry.toLatin1()));
    if (!state.isEmpty())
        restoreState(QByteArray::fromBase64(state.toLatin1()), kLayoutVersion);
}

void CMainWindow::RestoreDefaultLayout()
{
    restoreState(defaultState_, kLayoutVersion);
    for (QDockWidget* d :
         {dockNavigation_, dockObjectList_, dockObjectHelp_, dockOutput_, dockCrossReference_})
        d->show();
    dockOutput_->raise();
    for (QToolBar* t : {toolFile_, toolWindows_, toolSteps_})
        t->show();
    resizeDocks({dockNavigation_, dockObjectList_}, {230, 230}, Qt::Horizontal);
    resizeDocks({dockObjectList_, dockObjectHelp_}, {260, 260}, Qt::Vertical);
    resizeDocks({dockOutput_}, {100}, Qt::Vertical);
}
