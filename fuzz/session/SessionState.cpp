#include "SessionState.h"
#include "app/ObjectRegisters.h"
#include "app/ProjectScreenObjects.h"
#include "app/ProjectStorage.h"
#include "app/TessanApp.h"
#include "base/CoreLimits.h"
#include "base/SafePath.h"
#include "base/Utf16Le.h"
#include "project/PrjDoc.h"
#include "project/RegisterRef.h"
#include "project/ScreenObject.h"
#include "screen/DiagramEntityContainer.h"
#include "screen/TessanDoc.h"
#include "ui/document/ProjectController.h"
#include "ui/document/ScreenDocument.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

const QDate kFixedDate(2000, 1, 1);

// A screen file's bytes as the writer gives them after reading them back,
// on the panel's paper.
QByteArray Normalized(const QByteArray& bytes, bool legacy, const CProjectModel& model)
{
    CDiagramEntityContainer objects;
    CTessanDoc::ReadBytes(bytes, objects, legacy, &model);
    objects.SetPaperSize(QSize(CoreLimits::kPanelWidth, CoreLimits::kPanelHeight));
    return CTessanDoc::WriteBytes(objects);
}

QByteArray FileBytes(const QString& path)
{
    QByteArray bytes;
    return CTessanDoc::ReadFileBytes(path, &bytes) ? bytes : QByteArray("<unreadable>");
}

QString ScreenFile(const CTessanApp& app, const CScreenObject& screen)
{
    QString path;
    SafeJoin(app.ProjectFolder(), ScreenTitle(app.model.info.name, screen.number, screen.name),
             &path);
    return path;
}

// The screens of an application's project folder, none loaded.
void ScreensFromFiles(const CTessanApp& app, SessionState* state)
{
    for (const auto& screen : app.model.screens)
        state->screens[screen->number] = Normalized(FileBytes(ScreenFile(app, *screen)),
                                                    app.model.IsLegacyRangeMode(), app.model);
}

void AddMissing(const CDeviceInfo& devices, const RegisterRef& ref, QSet<QString>* missing)
{
    if (!ReferencedDevice(devices, ref.deviceName))
        missing->insert(ref.deviceName);
}

} // namespace

QString SessionState::DifferenceFrom(const SessionState& other) const
{
    if (records != other.records) {
        if (qEnvironmentVariableIsSet("FUZZ_SESSION_DUMP")) {
            QFile a(QStringLiteral("/tmp/records-a.txt")), b(QStringLiteral("/tmp/records-b.txt"));
            if (a.open(QIODevice::WriteOnly) && b.open(QIODevice::WriteOnly)) {
                a.write(Utf16Le::Decode(records).toUtf8());
                b.write(Utf16Le::Decode(other.records).toUtf8());
            }
        }
        // The first line that differs, of the project document's UTF-16 text.
        const QStringList mine = Utf16Le::Decode(records).split(QLatin1Char('\n'));
        const QStringList theirs = Utf16Le::Decode(other.records).split(QLatin1Char('\n'));
        for (qsizetype i = 0; i < std::max(mine.size(), theirs.size()); ++i) {
            const QString a = i < mine.size() ? mine[i] : QStringLiteral("<end>");
            const QString b = i < theirs.size() ? theirs[i] : QStringLiteral("<end>");
            if (a != b)
                return QStringLiteral("the records differ at line %1 (after '%4'): '%2' / '%3'")
                    .arg(i + 1)
                    .arg(a.trimmed(), b.trimmed(),
                         mine.mid(std::max<qsizetype>(0, i - 4), 4).join(QLatin1Char('|')));
        }
        return QStringLiteral("the records differ");
    }
    for (const auto& [number, bytes] : screens) {
        const auto found = other.screens.find(number);
        if (found == other.screens.end())
            return QStringLiteral("screen %1 is on one side only").arg(number);
        if (found->second != bytes)
            return QStringLiteral("screen %1 differs").arg(number);
    }
    if (screens.size() != other.screens.size())
        return QStringLiteral("the screen lists differ");
    return QString();
}

QString SessionState::Lacks(const SessionState& earlier, const QSet<int>& rewritten) const
{
    // The records up to the screen list.
    const QByteArray screenInfo = Utf16Le::Encode(QStringLiteral("//Screen Info"));
    if (records.left(records.indexOf(screenInfo))
        != earlier.records.left(earlier.records.indexOf(screenInfo))) {
        SessionState mine, theirs;
        mine.records = records;
        theirs.records = earlier.records;
        return mine.DifferenceFrom(theirs);
    }
    for (const auto& [number, bytes] : earlier.screens) {
        const auto found = screens.find(number);
        if (found == screens.end())
            return QStringLiteral("screen %1 is missing").arg(number);
        if (found->second != bytes && !rewritten.contains(number))
            return QStringLiteral("screen %1 differs").arg(number);
    }
    return QString();
}

namespace SessionStates {

QByteArray Records(const CTessanApp& app, bool anyName)
{
    // Storing writes the date into the model's information; nothing else of
    // it changes. The date (and with anyName the identity) is put back.
    auto& model = const_cast<CProjectModel&>(app.model);
    const ProjectInfo kept = model.info;
    if (anyName) {
        model.info.name = QStringLiteral("-");
        model.info.location = QStringLiteral("-");
    }
    CPrjDoc doc;
    const QByteArray bytes = doc.Store(model, kFixedDate);
    model.info = kept;
    return bytes;
}

SessionState Now(const CProjectController& controller, bool anyName, bool asReadBack)
{
    const CTessanApp& app = controller.App();
    SessionState state;
    state.records = Records(app, anyName);
    for (const auto& screen : app.model.screens) {
        QByteArray& bytes = state.screens[screen->number];
        if (const CScreenDocument* doc = controller.LoadedScreenDocument(screen->number))
            bytes = CTessanDoc::WriteBytes(doc->Container());
        else
            bytes = Normalized(FileBytes(ScreenFile(app, *screen)), app.model.IsLegacyRangeMode(),
                               app.model);
        if (asReadBack)
            bytes = Normalized(bytes, false, app.model);
    }
    return state;
}

bool OfPackage(const AppPaths& program, const QString& packagePath, SessionState* state,
               bool anyName)
{
    QTemporaryDir scratch(program.workDir + QStringLiteral("/.check-XXXXXX"));
    if (!scratch.isValid())
        return false;
    CTessanApp fresh(program, scratch.path());
    QString location, name;
    if (!CProjectStorage::SplitPackagePath(packagePath, &location, &name)
        || !CProjectStorage(fresh).OpenProject(location, name))
        return false;
    state->records = Records(fresh, anyName);
    state->screens.clear();
    ScreensFromFiles(fresh, state);
    return true;
}

QString PackToScratch(const CProjectController& controller, const QString& scratchDir)
{
    const CTessanApp& app = controller.App();
    AppPaths paths = app.settings.Paths();
    CTessanApp copy(paths, scratchDir + QStringLiteral("/folders"));
    // The records through the project document, as a save writes them.
    CPrjDoc doc;
    const QByteArray records = doc.Store(const_cast<CProjectModel&>(app.model));
    // What was just written is whole: it is read outside legacy range mode.
    copy.model.formatVersion = app.programVersion;
    copy.prjDoc.InitNew(copy.model);
    copy.prjDoc.Load(records, copy.model);
    copy.model.info.name = app.model.info.name;
    copy.model.info.location = scratchDir;
    copy.projectFolderName = app.model.info.name;
    // Every file of the project folder (bitmaps, screens that are not loaded),
    // then the loaded screens as they stand.
    const QString from = app.ProjectFolder();
    const QString to = copy.ProjectFolder();
    QDir().mkpath(to);
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString relative = QDir(from).relativeFilePath(file);
        QDir().mkpath(QFileInfo(to + QLatin1Char('/') + relative).absolutePath());
        QFile::copy(file, to + QLatin1Char('/') + relative);
    }
    for (const auto& screen : app.model.screens) {
        const CScreenDocument* loaded = controller.LoadedScreenDocument(screen->number);
        if (!loaded)
            continue;
        QFile out(ScreenFile(copy, *screen));
        if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return QString();
        out.write(CTessanDoc::WriteBytes(loaded->Container()));
    }
    CSilentMessageSink silent;
    copy.messages = &silent;
    if (!CProjectStorage(copy).SaveProject())
        return QString();
    return scratchDir + QLatin1Char('/') + app.model.info.name + QStringLiteral(".cgp");
}

QSet<QString> MissingDevices(const CProjectController& controller)
{
    const CTessanApp& app = controller.App();
    const CDeviceInfo& devices = app.model.Devices();
    QSet<QString> missing;
    CProjectScreenObjects(app, [&controller](int number) -> const CDiagramEntityContainer* {
        const CScreenDocument* doc = controller.LoadedScreenDocument(number);
        return doc ? &doc->Container() : nullptr;
    }).ForEach([&](const CScreenObject&, const CDiagramEntityContainer& objects, bool) {
        for (const CDiagramEntity* object : objects.Objects())
            for (const RegisterRef* ref : ObjectRegisters(*object))
                AddMissing(devices, *ref, &missing);
    });
    for (const auto& screen : app.model.screens)
        for (const CFunKeyParams& key : screen->keys) {
            if (!key.used)
                continue;
            switch (key.functionType) {
            case 0: AddMissing(devices, key.setCoil.coil, &missing); break;
            case 1: AddMissing(devices, key.setReg.reg, &missing); break;
            case 3: AddMissing(devices, key.advanced.device, &missing); break;
            default: break;
            }
        }
    for (const CAlarmObject& alarm : app.model.alarms.items)
        AddMissing(devices, alarm.coil, &missing);
    const CPLCAndPanelAlternation& exchange = app.model.plcAndPanel;
    if (exchange.panelToPlcEnabled)
        AddMissing(devices, exchange.panelToPlc, &missing);
    if (exchange.plcToPanelEnabled)
        AddMissing(devices, exchange.plcToPanel, &missing);
    return missing;
}

QSet<QString> DeviceNamesIn(const QByteArray& screenBytes)
{
    CDiagramEntityContainer objects;
    CTessanDoc::ReadBytes(screenBytes, objects, false);
    QSet<QString> names;
    for (const CDiagramEntity* object : std::as_const(objects).Objects())
        for (const RegisterRef* ref : ObjectRegisters(*object))
            names.insert(ref->deviceName);
    return names;
}

} // namespace SessionStates
