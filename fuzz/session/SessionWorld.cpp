#include "SessionWorld.h"
#include "SessionFields.h"
#include "app/CompileJob.h"
#include "app/ScreenCommands.h"
#include "app/CrashRecovery.h"
#include "app/ProjectStorage.h"
#include "app/WorkingFolderLock.h"
#include "app/TessanApp.h"
#include "app/TransferOperations.h"
#include "base/CoreLimits.h"
#include "compiler/Compilation.h"
#include "compiler/CompileReporter.h"
#include "app/Compiler.h"
#include "project/ProtocolTables.h"
#include "project/ScreenObject.h"
#include "screen/DiagramEntity.h"
#include "screen/ObjectKind.h"
#include "screen/DiagramEntityContainer.h"
#include "screen/TessanDoc.h"
#include "ui/document/AutoSaveTimer.h"
#include "ui/document/ProjectController.h"
#include "ui/document/ScreenClipboard.h"
#include "ui/document/ScreenDocument.h"
#include "ui/project/DlgAlarm.h"
#include "ui/project/DlgScreenFunKey.h"
#include "ui/screen/ObjectEditor.h"
#include "ui/screen/PropertyFormDialog.h"
#include "ui/screen/TessanView.h"
#include "ui/transfer/DlgPanelManager.h"
#include "ui_DlgPanelManager.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QSysInfo>
#include <QTest>
#include <QTreeWidget>

#include <array>
#include <atomic>
#include <cstdio>

namespace {

std::array<std::atomic<long long>, CSessionWorld::OpCount> gRuns{};

const char* const kOpNames[] = {
    "new project",   "new screen",     "copy screen",   "paste screen",
    "rename screen", "delete screen",  "add object",    "insert object",
    "move objects",  "resize object",  "nudge",         "key resize",
    "select",        "delete objects", "cut",           "copy",
    "paste",         "group",          "ungroup",       "align",
    "z-order",       "property form",  "function keys", "alarm list",
    "undo",          "redo",           "add device",    "rename device",
    "delete device", "panel settings", "save",          "save as",
    "close",         "reopen",         "compile",       "project transfer",
    "upload",        "restore",        "autosave",      "kill and recover"};
static_assert(std::size(kOpNames) == CSessionWorld::OpCount);

// The program's data files beside the session's program folder: the
// language files and the bitmap library of the build.
QString BinDir()
{
    return QStringLiteral(QV_BIN_DIR);
}

QString ShmRoot()
{
    return QFileInfo(QStringLiteral("/dev/shm")).isWritable() ? QStringLiteral("/dev/shm")
                                                              : QDir::tempPath();
}

// A screen name that the New Screen dialog takes.
QString ScreenName(CFuzzBytes& in)
{
    static const char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QString name;
    const int length = 1 + in.Below(8);
    for (int i = 0; i < length; ++i)
        name.append(QLatin1Char(kLetters[in.Below(int(sizeof kLetters - 1))]));
    return name;
}

// Runs a compilation to its end on the caller's event loop.
bool Follow(CCompileJob& job)
{
    job.SetFinalPause(0);
    bool ended = false, completed = false;
    QEventLoop wait;
    QObject::connect(&job, &CCompileJob::finished, &wait, [&](bool done, int) {
        ended = true;
        completed = done;
        wait.quit();
    });
    if (!job.Start())
        return false;
    if (!ended)
        wait.exec();
    return completed;
}

QPointF Centre(const CDiagramEntity& object)
{
    const PaperRect r = object.GetRect().Normalized();
    return QPointF((r.left + r.right) / 2.0, (r.top + r.bottom) / 2.0);
}

} // namespace

const char* CSessionWorld::OpName(int op)
{
    return op >= 0 && op < OpCount ? kOpNames[op] : "?";
}

long long CSessionWorld::RunCount(int op)
{
    return gRuns[size_t(op)].load();
}

CSessionWorld::CSessionWorld(CFuzzBytes& in)
    : in_(in),
      sink_(in),
      dir_(ShmRoot() + QStringLiteral("/qv-session-XXXXXX"))
{
    for (const char* f : {"QV_Str.en", "QV_Str.chs"})
        QFile::link(BinDir() + QLatin1Char('/') + QLatin1String(f),
                    dir_.path() + QLatin1Char('/') + QLatin1String(f));
    QFile::link(BinDir() + QStringLiteral("/BMP_Files"),
                dir_.path() + QStringLiteral("/BMP_Files"));
    SharedScreenClipboard().Clear();
    startProgram();
}

CSessionWorld::~CSessionWorld()
{
    dropViews();
    controller_.reset();
    app_.reset();
    SharedScreenClipboard().Clear();
}

void CSessionWorld::startProgram()
{
    AppPaths paths = AppPaths::ForProgramDir(dir_.path());
    paths.CreateWorkFolders();
    app_ = std::make_unique<CTessanApp>(paths, paths.TempProjectDir());
    app_->messages = &sink_;
    controller_ = std::make_unique<CProjectController>(*app_);
    panel_.SetApp(app_.get());
    baseline_.reset();
    autosaved_.reset();
    portChanged_ = false;
}

[[noreturn]] void CSessionWorld::finding(const QString& what) const
{
    std::fprintf(stderr, "fuzz_session: step %d: %s\n", steps_, qPrintable(what));
    std::fflush(stderr);
    __builtin_trap();
}

void CSessionWorld::dropViews()
{
    for (auto& [doc, v] : views_)
        delete v.data();
    views_.clear();
}

CTessanView* CSessionWorld::view(int number)
{
    CScreenDocument* doc = controller_->ScreenDocument(number);
    if (!doc)
        return nullptr;
    QPointer<CTessanView>& v = views_[doc];
    if (!v) {
        v = new CTessanView(*controller_, doc, number);
        v->resize(800, 600);
        v->show();
    }
    lastScreen_ = number;
    return v;
}

int CSessionWorld::pickScreen()
{
    const auto& screens = app_->model.screens;
    if (!controller_->HasProject() || screens.empty())
        return 0;
    return screens[size_t(in_.Below(int(screens.size())))]->number;
}

CTessanView* CSessionWorld::currentView()
{
    if (!controller_->HasProject())
        return nullptr;
    // Mostly the screen edited last, sometimes another.
    if (lastScreen_ && app_->model.FindScreen(lastScreen_) && in_.Below(4) != 0)
        return view(lastScreen_);
    const int number = pickScreen();
    return number ? view(number) : nullptr;
}

void CSessionWorld::pickSelection(CTessanView& v)
{
    const CDiagramEntityContainer* objects = v.Editor()->Container();
    if (!objects || objects->GetSize() == 0)
        return;
    CObjectEditor* editor = v.Editor();
    switch (in_.Below(3)) {
    case 0: v.SelectAll(); break;
    default: {
        // A click on an object, with Ctrl now and then.
        const CDiagramEntity* o = objects->GetAt(in_.Below(objects->GetSize()));
        const QPoint at = editor->ToWindow(Centre(*o));
        QTest::mouseClick(editor->viewport(), Qt::LeftButton,
                          in_.Flag() ? Qt::ControlModifier : Qt::NoModifier, at);
        break;
    }
    }
}

bool CSessionWorld::Step()
{
    if (in_.AtEnd() || steps_ >= kMaxSteps)
        return false;
    ++steps_;
    const int op = in_.Below(OpCount);
    ++gRuns[size_t(op)];
    static const bool trace = qEnvironmentVariableIsSet("FUZZ_SESSION_TRACE");
    if (trace)
        std::fprintf(stderr, "step %d: %s\n", steps_, OpName(op));
    switch (op) {
    case NewProject: newProject(); break;
    case NewScreen: newScreen(); break;
    case CopyScreen:
        if (const int n = pickScreen()) {
            controller_->CopyScreen(n);
            filesWrittenSince_.insert(n);
        }
        break;
    case PasteScreen:
        if (controller_->HasProject()) {
            dropViews();
            // A screen copied before a device changed brings its names back.
            QFile copied(ScreenCommands::CopyTempPath(*app_));
            if (copied.open(QIODevice::ReadOnly))
                allowDevicesOf(copied.readAll());
            filesWrittenSince_.insert(controller_->PasteScreen());
        }
        break;
    case RenameScreen: renameScreen(); break;
    case DeleteScreen:
        if (const int n = pickScreen()) {
            dropViews();
            controller_->DeleteScreen(n);
        }
        break;
    case AddObject: addObject(true); break;
    case InsertObject: addObject(false); break;
    case MoveObjects: dragSelection(false); break;
    case ResizeObject: dragSelection(true); break;
    case Nudge:
    case KeyResize:
        if (CTessanView* v = currentView()) {
            static const Qt::Key kKeys[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down};
            const int times = 1 + in_.Below(4);
            for (int i = 0; i < times; ++i)
                QTest::keyClick(v->Editor(), kKeys[in_.Below(4)],
                                op == KeyResize ? Qt::ShiftModifier : Qt::NoModifier);
        }
        break;
    case SelectObjects:
        if (CTessanView* v = currentView())
            pickSelection(*v);
        break;
    case DeleteObjects:
        if (CTessanView* v = currentView())
            v->Delete();
        break;
    case CutObjects:
        if (CTessanView* v = currentView())
            v->Cut();
        break;
    case CopyObjects:
        if (CTessanView* v = currentView())
            v->Copy();
        break;
    case PasteObjects:
        if (CTessanView* v = currentView()) {
            allowPastedDevices();
            v->Paste();
        }
        break;
    case GroupObjects:
        if (CTessanView* v = currentView())
            v->Group();
        break;
    case UngroupObjects:
        if (CTessanView* v = currentView())
            v->Ungroup();
        break;
    case AlignObjects:
        if (CTessanView* v = currentView())
            v->Align(ObjectAlignment::Mode(in_.Below(ObjectAlignment::DistributeVertically + 1)));
        break;
    case ZOrder:
        if (CTessanView* v = currentView()) {
            switch (in_.Below(4)) {
            case 0: v->BringUp(); break;
            case 1: v->SendDown(); break;
            case 2: v->BringToFront(); break;
            default: v->SendToBack(); break;
            }
        }
        break;
    case PropertyForm: propertyForm(); break;
    case FunctionKeys: functionKeys(); break;
    case AlarmList: alarmList(); break;
    case Undo:
        if (CTessanView* v = currentView())
            v->Undo();
        break;
    case Redo:
        if (CTessanView* v = currentView())
            v->Redo();
        break;
    case AddDevice: panelManager(0); break;
    case RenameDevice: panelManager(1); break;
    case DeleteDevice: panelManager(2); break;
    case PanelSettings: panelManager(3); break;
    case Save: save(); break;
    case SaveAs: saveAs(); break;
    case Close:
        if (controller_->AskToSave()) {
            dropViews();
            controller_->CloseProject();
            baseline_.reset();
            autosaved_.reset();
            portChanged_ = false;
        }
        break;
    case Reopen: reopen(); break;
    case Compile: compile(); break;
    case ProjectTransfer: projectTransfer(); break;
    case Upload: upload(); break;
    case Restore: restore(); break;
    case AutoSave: autoSave(); break;
    case KillAndRecover: killAndRecover(); break;
    default: break;
    }
    checkAll();
    return true;
}

// ---- operations ----

void CSessionWorld::newProject()
{
    if (!controller_->AskToSave())
        return;
    dropViews();
    const QString name = QStringLiteral("P%1").arg(in_.Below(3));
    const QString location = dir_.path() + QStringLiteral("/Project");
    controller_->NewProject(name, location, QString::fromLatin1(ProtocolTables::kPanelRU03),
                            QString::fromLatin1(ProtocolTables::kVardoVSequence), nullptr,
                            in_.Flag());
    baseline_.reset();
    autosaved_.reset();
    portChanged_ = false;
    allowedMissing_.clear();
    lastPackage_ = location + QLatin1Char('/') + name + QStringLiteral(".cgp");
    lastScreen_ = 0;
}

void CSessionWorld::newScreen()
{
    if (!controller_->HasProject())
        return;
    int number = 1 + in_.Below(999);
    if (app_->model.IsScreenNumberUsed(number))
        number = app_->model.FirstFreeScreenNumber();
    const QString name = ScreenName(in_);
    if (number <= 0 || ScreenCommands::CheckName(name) != ScreenCommands::NameProblem::None)
        return;
    dropViews();
    controller_->NewScreen(number, name);
    filesWrittenSince_.insert(number);
}

void CSessionWorld::renameScreen()
{
    const int from = pickScreen();
    if (!from)
        return;
    int to = in_.Flag() ? from : 1 + in_.Below(999);
    if (ScreenCommands::CheckNumber(app_->model, QString::number(to), from)
        != ScreenCommands::NumberProblem::None)
        to = from;
    dropViews();
    controller_->RenameScreen(from, to, ScreenName(in_));
    filesWrittenSince_ << from << to;
}

void CSessionWorld::addObject(bool byDrop)
{
    CTessanView* v = currentView();
    if (!v)
        return;
    CObjectEditor* editor = v->Editor();
    const int kind = in_.Below(kObjectKindCount);
    const QPoint at = editor->ToWindow(QPointF(in_.Below(200) - 4, in_.Below(72) - 4));
    if (byDrop) {
        editor->DropObject(kind, at);
        // The form of the dropped object is open: OK, or Cancel (which takes
        // the object away again).
        for (CPropertyFormDialog* form : v->findChildren<CPropertyFormDialog*>())
            if (form->isVisible()) {
                if (in_.Flag())
                    form->accept();
                else
                    form->reject();
            }
        return;
    }
    v->InsertObject(kind);
    const QPoint to = at + QPoint(in_.Below(120) - 20, in_.Below(60) - 10);
    QTest::mousePress(editor->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseMove(editor->viewport(), to);
    QTest::mouseRelease(editor->viewport(), Qt::LeftButton, {}, to);
}

void CSessionWorld::dragSelection(bool resize)
{
    CTessanView* v = currentView();
    if (!v)
        return;
    pickSelection(*v);
    const CDiagramEntityContainer* objects = v->Editor()->Container();
    if (!objects)
        return;
    const CDiagramEntity* grabbed = nullptr;
    for (const CDiagramEntity* o : objects->Objects())
        if (o->IsSelected())
            grabbed = o;
    if (!grabbed)
        return;
    CObjectEditor* editor = v->Editor();
    const PaperRect r = grabbed->GetRect().Normalized();
    const QPoint from = editor->ToWindow(resize ? QPointF(r.right, r.bottom) : Centre(*grabbed));
    const QPoint to = from + QPoint(in_.Below(81) - 40, in_.Below(41) - 20) * 4;
    QTest::mousePress(editor->viewport(), Qt::LeftButton, {}, from);
    QTest::mouseMove(editor->viewport(), (from + to) / 2);
    QTest::mouseMove(editor->viewport(), to);
    QTest::mouseRelease(editor->viewport(), Qt::LeftButton, {}, to);
}

void CSessionWorld::propertyForm()
{
    CTessanView* v = currentView();
    if (!v)
        return;
    const CDiagramEntityContainer* objects = v->Editor()->Container();
    if (!objects || objects->GetSize() == 0)
        return;
    // One object selected, its form opened, its fields typed, then OK.
    const CDiagramEntity* o = objects->GetAt(in_.Below(objects->GetSize()));
    CObjectEditor* editor = v->Editor();
    QTest::mouseClick(editor->viewport(), Qt::LeftButton, {}, editor->ToWindow(Centre(*o)));
    v->Properties();
    for (CPropertyFormDialog* form : v->findChildren<CPropertyFormDialog*>()) {
        if (!form->isVisible())
            continue;
        SessionFields::Type(*form, in_, *app_);
        form->accept();
        // A refused check leaves the form open: Cancel it.
        if (form->isVisible())
            form->reject();
    }
}

void CSessionWorld::functionKeys()
{
    const int number = pickScreen();
    if (!number)
        return;
    const CScreenObject* screen = app_->model.FindScreen(number);
    const int index = in_.Below(5);
    auto picker = [this](QWidget*, int, RegisterRef& ref) {
        SessionFields::PickRegister(*app_, in_, ref);
        return true;
    };
    CDlgScreenFunKey dialog(*controller_, screen->keys, index, picker);
    dialog.show();
    SessionFields::Type(dialog, in_, *app_);
    dialog.accept();
    if (dialog.result() != QDialog::Accepted)
        return;
    CScreenObject options(&app_->model);
    CProjectModel::CopyScreenObject(*screen, options);
    options.keys = dialog.Keys();
    controller_->SetScreenOptions(number, options);
}

void CSessionWorld::alarmList()
{
    if (!controller_->HasProject())
        return;
    auto picker = [this](QWidget*, int, RegisterRef& ref) {
        SessionFields::PickRegister(*app_, in_, ref);
        return true;
    };
    auto none = [](QWidget*) { return QString(); };
    CDlgAlarm dialog(*controller_, picker, none, none);
    dialog.show();
    SessionFields::Type(dialog, in_, *app_);
    dialog.accept();
    if (dialog.result() == QDialog::Accepted)
        controller_->SetAlarms(dialog.Result());
}

void CSessionWorld::panelManager(int what)
{
    if (!controller_->HasProject())
        return;
    CDlgPanelManager dialog(app_->settings, sink_, app_->model.panelManager);
    dialog.deviceUses = [this](const QString& name) {
        return std::as_const(*controller_).DeviceUses(name);
    };
    dialog.show();
    const int count = int(app_->model.Devices().devices.size());
    switch (what) {
    case 0: dialog.AddDevice(); break;
    case 1: {
        static const char* const kNames[] = {"DEV001", "DEV002", "DEV003", "PLC", "P2"};
        dialog.RenameDevice(in_.Below(count), QString::fromLatin1(kNames[in_.Below(5)]));
        break;
    }
    case 2: {
        const int index = in_.Below(count);
        const QString name = app_->model.Devices().devices[size_t(index)].name;
        dialog.Fields().tree->setCurrentItem(dialog.DeviceItem(index));
        const int before = int(dialog.Result().deviceInfo.devices.size());
        dialog.DeleteDevice();
        // Deleted at the user's word: its references keep the name.
        if (int(dialog.Result().deviceInfo.devices.size()) < before)
            allowedMissing_.insert(name);
        break;
    }
    default:
        dialog.Fields().tree->setCurrentItem(in_.Flag() ? dialog.RootItem() : dialog.PortItem());
        SessionFields::Type(dialog, in_, *app_);
        break;
    }
    dialog.accept();
    if (dialog.result() == QDialog::Accepted)
        controller_->RenameDevices(dialog.Result(), dialog.Renames());
}

void CSessionWorld::save()
{
    if (controller_->SaveProject())
        afterSave();
}

void CSessionWorld::saveAs()
{
    if (!controller_->HasProject())
        return;
    const QString path =
        dir_.path() + QStringLiteral("/As%1/Q%2.cgp").arg(in_.Below(2)).arg(in_.Below(3));
    QDir().mkpath(QFileInfo(path).absolutePath());
    dropViews();
    if (controller_->SaveProjectAs(path))
        afterSave();
}

void CSessionWorld::reopen()
{
    if (lastPackage_.isEmpty() || !QFileInfo::exists(lastPackage_))
        return;
    if (!controller_->AskToSave())
        return;
    dropViews();
    QString location, name;
    CProjectStorage::SplitPackagePath(lastPackage_, &location, &name);
    if (controller_->OpenProject(location, name))
        takeBaseline();
}

bool CSessionWorld::compile()
{
    if (!controller_->HasProject())
        return false;
    return controller_->CompileProject(Follow);
}

void CSessionWorld::projectTransfer()
{
    if (!controller_->HasProject())
        return;
    // As File > Project Transfer: a modified project goes on only once saved.
    if (controller_->IsModified()) {
        const MessageAnswer answer =
            sink_.Ask(QStringLiteral("Project data has been modified, save it?"),
                      QStringLiteral("Warning"), MessageButtons::YesNoCancel);
        if (answer != MessageAnswer::Yes || !controller_->SaveProject())
            return;
        afterSave();
    }
    TransferOperations::ProjectTransferSteps steps;
    steps.compile = [this] { return compile(); };
    bool portOnly = false;
    steps.choose = [&](const TransferChoice& stored, qsizetype, TransferChoice* chosen) {
        *chosen = stored;
        if (in_.Flag())
            chosen->port = QStringLiteral("mem%1").arg(in_.Below(2));
        if (in_.Flag())
            chosen->enableUpdateRuntimeFile = !chosen->enableUpdateRuntimeFile;
        portOnly = chosen->port != stored.port
                   && chosen->enableUpdateRuntimeFile == stored.enableUpdateRuntimeFile
                   && chosen->uploadPassword == stored.uploadPassword;
        return true;
    };
    const int downloads = panel_.Downloads();
    const int result = controller_->ProjectTransfer(steps, panel_);
    if (portOnly)
        portChanged_ = true;
    if (result != 0 || panel_.Downloads() == downloads)
        return;
    // What the panel got is what the package on disk compiles to.
    const CTessanApp& app = *app_;
    QTemporaryDir scratch(app.settings.Paths().workDir + QStringLiteral("/.fresh-XXXXXX"));
    CTessanApp fresh(app.settings.Paths(), scratch.path());
    QString location, name;
    CProjectStorage::SplitPackagePath(app.model.info.location + QLatin1Char('/')
                                          + app.model.info.name + QStringLiteral(".cgp"),
                                      &location, &name);
    if (!CProjectStorage(fresh).OpenProject(location, name))
        finding(QStringLiteral("the package just transferred does not open"));
    CompileInput input = CCompiler::InputFrom(fresh);
    input.writeDebugFiles = false;
    input.hzLib = app.hzLib;
    CSilentCompileReporter reporter;
    CCompilation compilation(std::move(input), reporter);
    compilation.SetFinalPause(0);
    if (!compilation.Run())
        finding(QStringLiteral("the package on disk does not compile"));
    const QByteArray& compiled = compilation.Output().images.runtime;
    if (compiled != panel_.Image(compiled.size()))
        finding(QStringLiteral("the panel got an image other than the saved project's "
                               "(%1 bytes held, %2 bytes compiled from the package)")
                    .arg(panel_.Image(compiled.size()).size())
                    .arg(compiled.size()));
}

void CSessionWorld::upload()
{
    if (!controller_->HasProject())
        return;
    backupFile_ = dir_.path() + QStringLiteral("/panel.rtfbak");
    controller_->UploadToBackup(QStringLiteral("mem0"), QStringLiteral("52815281"), backupFile_,
                                panel_);
}

void CSessionWorld::restore()
{
    if (!controller_->HasProject() || backupFile_.isEmpty())
        return;
    const TransferOperations::RestoreCheck check =
        TransferOperations::CheckRestore(backupFile_, QStringLiteral("mem0"), {1, 0, 0, 4});
    if (!check.error.isEmpty())
        return;
    const QByteArray image = app_->runtimeImage;
    controller_->RestoreBackup(check, QStringLiteral("mem0"), check.password, panel_);
    if (app_->runtimeImage != image)
        finding(QStringLiteral("a restore changed the project's runtime image"));
}

void CSessionWorld::autoSave()
{
    if (!controller_->HasProject())
        return;
    CAutoSaveTimer timer(*controller_);
    if (timer.SaveNow() && controller_->IsModified()) {
        autosaved_ = SessionStates::Now(*controller_, true, true);
        filesWrittenSince_.clear();
    }
}

void CSessionWorld::killAndRecover()
{
    if (!controller_->HasProject())
        return;
    // What recovery must bring back: the last autosave's edits, else the
    // folder as the last save or open left it.
    std::optional<SessionState> expected = autosaved_;
    if (!expected && baseline_ && !controller_->IsModified())
        expected = SessionStates::Now(*controller_, true, true);
    const QString folder = QFileInfo(app_->ProjectFolder()).absoluteFilePath();
    // The program ends without closing anything: its folder stays.
    dropViews();
    // (Destroying them closes nothing: only closing a project removes its
    // folder.) A killed editor leaves its lock naming a process that is gone.
    controller_.reset();
    app_.reset();
    QFile lock(folder + QLatin1Char('/') + CWorkingFolderLock::FileName());
    if (lock.open(QIODevice::WriteOnly | QIODevice::Truncate))
        lock.write("2147483646\nqv\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    startProgram();
    CCrashRecovery recovery(app_->settings.Paths(), app_->projectsRoot);
    const QList<LeftoverFolder> leftovers = recovery.FindLeftovers();
    for (const LeftoverFolder& leftover : leftovers) {
        const QString package = recovery.Recover(leftover, &sink_);
        if (package.isEmpty() || !expected
            || QFileInfo(leftover.folder).absoluteFilePath() != folder)
            continue;
        SessionState recovered;
        if (!SessionStates::OfPackage(app_->settings.Paths(), package, &recovered, true))
            finding(QStringLiteral("a recovered package does not open"));
        const QString difference = recovered.Lacks(*expected, filesWrittenSince_);
        if (!difference.isEmpty())
            finding(QStringLiteral("recovery lost edits made before the last autosave: ")
                    + difference);
        expected.reset();
    }
    autosaved_.reset();
}

// ---- checks ----

void CSessionWorld::takeBaseline()
{
    baseline_ = SessionStates::Now(*controller_);
    portChanged_ = false;
    autosaved_.reset();
    for (const auto& [number, bytes] : baseline_->screens)
        allowDevicesOf(bytes);
    for (const QString& name : SessionStates::MissingDevices(*controller_))
        allowedMissing_.insert(name);
}

void CSessionWorld::allowDevicesOf(const QByteArray& screenBytes)
{
    for (const QString& name : SessionStates::DeviceNamesIn(screenBytes))
        allowedMissing_.insert(name);
}

void CSessionWorld::allowPastedDevices()
{
    CDiagramEntityContainer pasted;
    pasted.SetClipboard(&SharedScreenClipboard());
    pasted.Paste();
    allowDevicesOf(CTessanDoc::WriteBytes(pasted));
}

void CSessionWorld::afterSave()
{
    // Whatever was saved is what the package holds from now on.
    SessionState onDisk;
    const QString package = app_->model.info.location + QLatin1Char('/') + app_->model.info.name
                            + QStringLiteral(".cgp");
    if (!SessionStates::OfPackage(app_->settings.Paths(), package, &onDisk))
        finding(QStringLiteral("a saved package does not open"));
    const QString difference = onDisk.DifferenceFrom(SessionStates::Now(*controller_, false, true));
    if (!difference.isEmpty())
        finding(QStringLiteral("the saved package differs from the project: ") + difference);
    baseline_ = SessionStates::Now(*controller_);
    portChanged_ = false;
    autosaved_.reset();
    lastPackage_ = package;
}

void CSessionWorld::checkAll()
{
    if (!controller_->HasProject())
        return;
    const SessionState now = SessionStates::Now(*controller_);
    checkModified(now);
    if (steps_ % 8 == 0)
        checkRoundTrip();
    checkUndoRedo();
    checkDevices();
}

void CSessionWorld::checkModified(const SessionState& now)
{
    const bool differs = !baseline_ || !(now == *baseline_) || portChanged_;
    if (controller_->IsModified() != differs)
        finding(QStringLiteral("the project counts as %1 but %2")
                    .arg(controller_->IsModified() ? QStringLiteral("modified")
                                                   : QStringLiteral("unmodified"),
                         baseline_ ? (differs ? baseline_->DifferenceFrom(now)
                                              : QStringLiteral("it equals the saved package"))
                                   : QStringLiteral("it was never saved")));
}

void CSessionWorld::checkRoundTrip()
{
    QTemporaryDir scratch(app_->settings.Paths().workDir + QStringLiteral("/.pack-XXXXXX"));
    const QString package = SessionStates::PackToScratch(*controller_, scratch.path());
    if (package.isEmpty())
        return; // a name that a save refuses
    SessionState read;
    if (!SessionStates::OfPackage(app_->settings.Paths(), package, &read, true))
        finding(QStringLiteral("a package written from the project does not open"));
    const SessionState expected = SessionStates::Now(*controller_, true, true);
    const QString difference = read.DifferenceFrom(expected);
    if (!difference.isEmpty())
        finding(QStringLiteral("the project does not read back as written: ") + difference);
}

void CSessionWorld::checkUndoRedo()
{
    CTessanView* v =
        lastScreen_ && app_->model.FindScreen(lastScreen_) ? view(lastScreen_) : nullptr;
    if (!v)
        return;
    CScreenDocument* doc = v->Document();
    const QByteArray before = CTessanDoc::WriteBytes(doc->Container());
    const bool modified = controller_->IsModified();
    int k = 0;
    for (; k < 10 && doc->CanUndo() && in_.Flag(); ++k)
        doc->Undo();
    for (int i = 0; i < k; ++i)
        doc->Redo();
    if (CTessanDoc::WriteBytes(doc->Container()) != before)
        finding(QStringLiteral("%1 undos and redos did not give the screen back").arg(k));
    if (controller_->IsModified() != modified)
        finding(QStringLiteral("undo and redo changed whether the project counts as modified"));
}

void CSessionWorld::checkDevices()
{
    for (const QString& name : SessionStates::MissingDevices(*controller_))
        if (!allowedMissing_.contains(name))
            finding(QStringLiteral("a reference names the device '%1' that the project does "
                                   "not have")
                        .arg(name));
}
