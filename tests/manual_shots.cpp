// Draws the screenshots of the user manual (not a test): runs the editor on
// a copy of the example project, opens its windows, dialogs and property
// forms through their commands and saves each as a PNG file.
//
//     manual_shots <folder> [chs]
//
// `make manual` runs it under xvfb-run for both languages (see
// tools/make-manual-shots.sh). Modal dialogs are caught by a timer while
// they run, grabbed and cancelled, so nothing of the project changes.
#include "TestSupport.h"
#include "base/LanguageSection.h"
#include "base/ProfileFile.h"
#include "screen/DiagramEntityContainer.h"
#include "screen/DiagramEntity.h"
#include "ui/app/CommandId.h"
#include "ui/app/EditorCommands.h"
#include "ui/app/MainCommands.h"
#include "ui/app/MainWindow.h"
#include "ui/app/QtTranslations.h"
#include "ui/document/ProjectController.h"
#include "ui/document/ScreenDocument.h"
#include "ui/screen/ObjectEditor.h"
#include "ui/screen/PropertyFormDialog.h"
#include "ui/screen/TessanView.h"
#include "ui/transfer/DlgProgress.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QDockWidget>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <cstdio>
#include <functional>
#include <map>

namespace {

QString gOut;
int gSaved = 0;

// A screenshot of few colours (most are) is kept with a palette of exactly
// its colours, which makes the file several times smaller and loses nothing.
QImage Compact(const QImage& shot)
{
    const QImage rgb = shot.convertToFormat(QImage::Format_RGB32);
    QSet<QRgb> colours;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            colours.insert(line[x]);
            if (colours.size() > 256)
                return rgb.convertToFormat(QImage::Format_RGB888);
        }
    }
    return rgb.convertToFormat(QImage::Format_Indexed8, QList<QRgb>(colours.begin(), colours.end()),
                               Qt::ThresholdDither | Qt::AvoidDither);
}

void Save(QWidget* w, const QString& name)
{
    QApplication::processEvents();
    const QString path = gOut + QLatin1Char('/') + name;
    if (Compact(w->grab().toImage()).save(path, "PNG", 9))
        ++gSaved;
    else
        std::fprintf(stderr, "manual_shots: %s could not be written\n", qPrintable(path));
}

void CopyTree(const QString& from, const QString& to)
{
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString target = to + file.mid(from.size());
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile::copy(file, target);
    }
}

// The folders of the start dialog show a tidy example path instead of the
// driver's temporary folder.
void ShowTidyFolders(QWidget* d)
{
    for (const char* name : {"savePath", "locationPath"})
        if (auto* edit = d->findChild<QLineEdit*>(QLatin1String(name)))
            edit->setText(QDir::toNativeSeparators(QStringLiteral("/home/user/Corvel/Project")));
}

template <class T>
T* Child(QWidget* w, const char* name)
{
    return w->findChild<T*>(QLatin1String(name));
}

// What is done with a modal dialog of a class once it runs: by default it is
// grabbed under the name and cancelled.
struct ModalPlan
{
    QString name;
    std::function<void(QDialog*)> act;
};

// Watches for modal dialogs while a command runs them.
class ModalCatcher : public QObject
{
public:
    std::map<QString, ModalPlan> plans;

    ModalCatcher()
    {
        timer_.setInterval(30);
        connect(&timer_, &QTimer::timeout, this, [this] { poll(); });
        timer_.start();
    }

private:
    void poll()
    {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || seen_.contains(dialog) || !dialog->isVisible())
            return;
        seen_.insert(dialog);
        // A later dialog may come at the same address.
        connect(dialog, &QObject::destroyed, this, [this, dialog] { seen_.remove(dialog); });
        const QString cls = QString::fromLatin1(dialog->metaObject()->className());
        const auto plan = plans.find(cls);
        if (plan == plans.end()) {
            if (!qobject_cast<CDlgProgress*>(dialog)) // a compilation runs to its end
                QTimer::singleShot(0, dialog, &QDialog::reject);
            return;
        }
        const ModalPlan p = plan->second;
        QPointer<QDialog> guard(dialog);
        QTimer::singleShot(0, dialog, [p, guard] {
            if (!guard)
                return;
            if (p.act)
                p.act(guard);
            else if (!p.name.isEmpty())
                Save(guard, p.name);
            if (guard)
                guard->reject();
        });
    }

    QTimer timer_;
    QSet<QDialog*> seen_;
};

// The property form of the object `index` of a screen, grabbed and cancelled.
void ShootForm(CMainWindow& w, CProjectController& c, int screen, int index, const QString& name,
               const std::function<void(CPropertyFormDialog*)>& inside = {})
{
    w.OpenScreenWindow(screen);
    auto* view = dynamic_cast<CTessanView*>(w.ActiveScreenView());
    CScreenDocument* doc = c.ScreenDocument(screen);
    if (!view || !doc)
        return;
    doc->Select([&](CDiagramEntityContainer& objects) {
        objects.UnselectAll();
        objects.GetAt(index)->Select(true);
    });
    view->Editor()->setFocus();
    QTest::keyClick(view->Editor(), Qt::Key_Return, Qt::ControlModifier);
    // The one form the key opened. What is done inside it runs the event
    // loop, where windows listed before may be deleted: the list is not
    // walked past it.
    CPropertyFormDialog* form = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        auto* candidate = qobject_cast<CPropertyFormDialog*>(top);
        if (candidate && candidate->isVisible()) {
            form = candidate;
            break;
        }
    }
    if (!form)
        return;
    form->adjustSize();
    Save(form, name);
    QPointer<CPropertyFormDialog> guard(form);
    if (inside)
        inside(form);
    if (guard)
        guard->reject();
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    gOut = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("shots");
    const bool chs = argc > 2 && QString::fromLocal8Bit(argv[2]) == QLatin1String("chs");
    QDir().mkpath(gOut);

    // A program folder of its own with the data files the editor finds
    // beside it, and the example project in its Project folder.
    CTestProgramFolder f;
    CopyTree(QStringLiteral(QV_BIN_DIR "/BMP_Files"), f.Dir() + QStringLiteral("/BMP_Files"));
    CopyTree(QStringLiteral(QV_BIN_DIR "/help"), f.Dir() + QStringLiteral("/help"));
    const QString projectDir = f.Dir() + QStringLiteral("/Project");
    QDir().mkpath(projectDir);
    QFile::copy(QStringLiteral(QV_SOURCE_DIR "/examples/Example.cgp"),
                projectDir + QStringLiteral("/Example.cgp"));
    const CAppSettings& s = f.App().settings;
    if (chs) {
        s.WriteSetting(QStringLiteral("Language"), QStringLiteral("1"));
        CProfileFile::WriteString(s.Paths().SettingsFile(), QStringLiteral("Language"),
                                  QStringLiteral("1"), QStringLiteral("chs"));
    }
    s.WriteSetting(QStringLiteral("Zoom"), QStringLiteral("300"));
    s.WriteSetting(QStringLiteral("ShowGrid"), QStringLiteral("1"));
    QtTranslations::Install(app, s.GetLanguageCode());

    CProjectController c(f.App());
    CMainWindow w(c);
    CEditorCommands commands(w, c);
    w.resize(1180, 800);
    w.show();
    ModalCatcher catcher;

    if (!w.OpenProjectFile(projectDir + QStringLiteral("/Example.cgp"))) {
        std::fprintf(stderr, "manual_shots: the example project could not be opened\n");
        return 1;
    }

    // The start dialog's three pages, and the protocol setup from its first.
    catcher.plans[QStringLiteral("CDlgProtocol")] = {QStringLiteral("protocol-setup.png"), {}};
    catcher.plans[QStringLiteral("CDlgStartProject")] = {
        QString(), [&](QDialog* d) {
            ShowTidyFolders(d);
            Save(d, QStringLiteral("start-project-new.png"));
            if (auto* b = Child<QAbstractButton>(d, "modeDisk")) {
                b->click();
                if (auto* list = d->findChild<QListWidget*>(QStringLiteral("projects"));
                    list && list->count())
                    list->setCurrentRow(0);
                ShowTidyFolders(d);
                Save(d, QStringLiteral("start-project-disk.png"));
            }
            if (auto* b = Child<QAbstractButton>(d, "modePanel")) {
                b->click();
                Save(d, QStringLiteral("start-project-panel.png"));
            }
            if (auto* b = Child<QAbstractButton>(d, "modeNew"))
                b->click();
            for (QAbstractButton* b : d->findChildren<QAbstractButton*>())
                if (b->property("controlId").toInt() == 1215 && b->isVisible())
                    b->click(); // Protocol Setup...: caught above
        }};
    // The project location of the start dialog is the example's folder.
    w.Execute(CommandId::StartProject);

    // The main window with the first screen open and an object selected.
    w.OpenScreenWindow(1);
    if (CScreenDocument* doc = c.ScreenDocument(1); doc && doc->Container().GetSize() > 0) {
        doc->Select([](CDiagramEntityContainer& objects) { objects.GetAt(0)->Select(true); });
        w.ShowObjectHelp(doc->Container().GetAt(0)->Kind());
    }
    Save(&w, QStringLiteral("main-window.png"));
    if (QMdiSubWindow* sub = w.ScreenWindow(1)) {
        sub->resize(sub->widget()->sizeHint() + QSize(12, 40));
        Save(sub, QStringLiteral("screen-editor.png"));
    }
    for (QDockWidget* dock : w.findChildren<QDockWidget*>()) {
        const QString name = dock->objectName();
        if (name == QLatin1String("DockScreenList"))
            Save(dock, QStringLiteral("pane-navigation.png"));
        else if (name == QLatin1String("DockObjectHelp"))
            Save(dock, QStringLiteral("pane-object-help.png"));
    }

    // Dialogs of the commands, each grabbed and cancelled.
    const std::pair<CommandId, const char*> simple[] = {
        {CommandId::ProjectInformation, "project-information.png"},
        {CommandId::NewScreen, "new-screen.png"},
        {CommandId::RenameScreen, "rename-screen.png"},
        {CommandId::DeleteScreen, "delete-screen.png"},
        {CommandId::AlarmSetup, "alarm-list.png"},
        {CommandId::ConfigurePassword, "password.png"},
        {CommandId::PlcPanel, "plc-panel.png"},
        {CommandId::PanelInformation, "panel-information.png"},
        {CommandId::GridSize, "grid-size.png"},
        {CommandId::Zoom, "zoom.png"},
        {CommandId::About, "about.png"},
    };
    const std::map<CommandId, QString> classes = {
        {CommandId::ProjectInformation, "CDlgProjectInfo"},
        {CommandId::NewScreen, "CDlgScreenNew"},
        {CommandId::RenameScreen, "CDlgScreenRename"},
        {CommandId::DeleteScreen, "CDlgScreenDelete"},
        {CommandId::AlarmSetup, "CDlgAlarm"},
        {CommandId::ConfigurePassword, "CDlgPassword"},
        {CommandId::PlcPanel, "CDlgPanel2Plc"},
        {CommandId::PanelInformation, "CDlgPanelInfo"},
        {CommandId::GridSize, "CDlgGridSize"},
        {CommandId::Zoom, "CDlgZoom"},
        {CommandId::About, "CDlgAbout"},
    };
    for (const auto& [id, name] : simple) {
        catcher.plans[classes.at(id)] = {QString::fromLatin1(name), {}};
        w.Execute(id);
    }

    // Screen Option, and from it the Function Key Configuration.
    catcher.plans[QStringLiteral("CDlgScreenFunKey")] = {QStringLiteral("function-keys.png"), {}};
    catcher.plans[QStringLiteral("CDlgScreenOption")] = {
        QString(), [](QDialog* d) {
            Save(d, QStringLiteral("screen-option.png"));
            for (QAbstractButton* b : d->findChildren<QAbstractButton*>())
                if (b->property("controlId").toInt() == 1058 && b->isEnabled())
                    b->click();
        }};
    w.Execute(CommandId::ScreenOption);

    // The Panel Manager's three kinds of page.
    catcher.plans[QStringLiteral("CDlgPanelManager")] = {
        QString(), [](QDialog* d) {
            d->resize(d->sizeHint().expandedTo(QSize(620, 420)));
            Save(d, QStringLiteral("panel-manager-config.png"));
            auto* tree = d->findChild<QTreeWidget*>(QStringLiteral("tree"));
            if (!tree || !tree->topLevelItemCount())
                return;
            QTreeWidgetItem* port = tree->topLevelItem(0)->child(0);
            if (!port)
                return;
            tree->setCurrentItem(port);
            Save(d, QStringLiteral("panel-manager-general.png"));
            if (port->childCount()) {
                tree->setCurrentItem(port->child(0));
                Save(d, QStringLiteral("panel-manager-device.png"));
            }
        }};
    w.Execute(CommandId::PanelManager);

    // Project Transfer: the compilation fills the Output pane, then the
    // Transfer dialog comes.
    catcher.plans[QStringLiteral("CDlgTransfer")] = {QStringLiteral("transfer.png"), {}};
    w.Execute(CommandId::ProjectTransfer);
    for (QDockWidget* dock : w.findChildren<QDockWidget*>())
        if (dock->objectName() == QLatin1String("DockOutput")) {
            dock->resize(760, 150);
            Save(dock->widget(), QStringLiteral("pane-output.png"));
        }
    {
        CDlgProgress progress(s, f, s.LookupText(LS_MSG, QStringLiteral("Download")), &w);
        progress.SetProgress(45);
        progress.show();
        Save(&progress, QStringLiteral("progress.png"));
    }

    // The panel simulator, where the editor has one (Panel > Simulate): it
    // compiles in the background and then shows its window.
    for (QAction* action : w.Commands().findChildren<QAction*>()) {
        if (action->objectName() != QLatin1String("Simulate"))
            continue;
        w.UpdateCommands();
        if (!action->isEnabled())
            break;
        action->trigger();
        QWidget* simulator = nullptr;
        const bool shown = QTest::qWaitFor(
            [&] {
                for (QWidget* top : QApplication::topLevelWidgets())
                    if (top->isVisible() && top->property("ownsFunctionKeys").toBool())
                        simulator = top;
                return simulator != nullptr;
            },
            30000);
        if (!shown)
            std::fprintf(stderr, "manual_shots: the simulator window did not come\n");
        if (simulator) {
            QTest::qWait(500); // a few frames of the panel
            Save(simulator, QStringLiteral("simulator.png"));
            simulator->close();
        }
    }

    // One property form of each kind, from the example's screens; the
    // register picker from the numeric's form and the bitmap manager from
    // the static bitmap's.
    catcher.plans[QStringLiteral("CDlgRegister")] = {QStringLiteral("register-picker.png"), {}};
    catcher.plans[QStringLiteral("CDlgBitmapManager")] = {
        QString(), [](QDialog* d) {
            d->resize(760, 520);
            Save(d, QStringLiteral("bitmap-manager.png"));
        }};
    const char* formNames[] = {"form-static-text.png",   "form-dynamic-text.png",
                               "form-static-bitmap.png", "form-bar-meter.png",
                               "form-trend-meter.png",   "form-indicator-light.png",
                               "form-numeric.png",       "form-string.png"};
    QSet<int> shot;
    for (const auto& screen : f.App().model.screens) {
        const int number = screen->number;
        CScreenDocument* doc = c.ScreenDocument(number);
        if (!doc)
            continue;
        for (int i = 0; i < doc->Container().GetSize(); ++i) {
            const int kind = doc->Container().GetAt(i)->Kind();
            if (kind < 0 || kind > 7 || shot.contains(kind))
                continue;
            shot.insert(kind);
            ShootForm(w, c, number, i, QString::fromLatin1(formNames[kind]),
                      [kind](CPropertyFormDialog* form) {
                          // "..." beside the register or the bitmap.
                          if (kind != 6 && kind != 2)
                              return;
                          for (QAbstractButton* b : form->findChildren<QAbstractButton*>())
                              if (b->text() == QLatin1String("...") && b->isVisible()) {
                                  b->click();
                                  break;
                              }
                      });
        }
    }

    std::printf("manual_shots: %d pictures in %s\n", gSaved, qPrintable(gOut));
    // Nothing of the example may stay modified: the project is dropped.
    c.CloseProject();
    return shot.size() == 8 ? 0 : 1;
}
