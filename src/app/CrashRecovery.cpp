#include "CrashRecovery.h"
#include "AutoSaveFolder.h"
#include "ProjectStorage.h"
#include "RecoveryMarker.h"
#include "TessanApp.h"
#include "base/SafePath.h"
#include "project/PrjIni.h"
#include "project/ScreenObject.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

const QDir::Filters kEverything =
    QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;

bool copyFolder(const QString& from, const QString& to)
{
    if (!QDir().mkpath(to))
        return false;
    QDirIterator it(from, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        if (QFileInfo(source).fileName().startsWith(CWorkingFolderLock::FileName()))
            continue; // the lock names the run that left the folder
        const QString target = to + QLatin1Char('/') + QDir(from).relativeFilePath(source);
        if (!QDir().mkpath(QFileInfo(target).absolutePath()) || !QFile::copy(source, target))
            return false;
    }
    return true;
}

// The screens whose files the run wrote after the project document was last
// saved (a new screen, a renamed one) join the screen list, so their files
// are packed too.
void adoptScreenFiles(CTessanApp& app)
{
    CProjectModel& model = app.model;
    const QString prefix = model.info.name + QStringLiteral(".cgp - #");
    const QStringList files =
        QDir(app.ProjectFolder()).entryList({prefix + QLatin1Char('*')}, QDir::Files);
    for (const QString& file : files) {
        const QString rest = file.mid(prefix.size());
        const qsizetype blank = rest.indexOf(QLatin1Char(' '));
        bool ok = false;
        const int number = rest.left(blank).toInt(&ok);
        if (blank < 1 || !ok || number < 1 || number > 999)
            continue;
        const QString name = rest.mid(blank + 1);
        if (ScreenTitle(model.info.name, number, name) != file)
            continue;
        CScreenObject* screen = model.FindScreen(number);
        if (!screen)
            model.AddScreen(number, name);
        else if (screen->name != name
                 && !QFileInfo::exists(app.ProjectFolder() + QLatin1Char('/')
                                       + ScreenTitle(model.info.name, number, screen->name)))
            screen->name = name;
    }
}

} // namespace

bool CCrashRecovery::holdsProject(const QString& folder, LeftoverFolder* out) const
{
    const RecoveryMarker::Content marker = RecoveryMarker::Read(folder);
    QString name = marker.projectName;
    if (name.trimmed().isEmpty()) {
        QFile ini(folder + QStringLiteral("/Prj.ini"));
        if (ini.open(QIODevice::ReadOnly))
            name = PrjIni::Parse(ini.read(64 * 1024)).name;
    }
    QString doc;
    if (!IsProjectName(name) || !SafeJoin(folder, name + QStringLiteral(".cgp"), &doc)
        || !QFileInfo(doc).isFile())
        return false;
    out->folder = folder;
    out->projectName = name;
    out->packagePath = marker.packagePath;
    return true;
}

QList<LeftoverFolder> CCrashRecovery::FindLeftovers() const
{
    QList<LeftoverFolder> out;
    const QFileInfoList entries =
        QDir(projectsRoot_)
            .entryInfoList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot | QDir::NoSymLinks,
                           QDir::Name);
    for (const QFileInfo& entry : entries) {
        auto lock = std::make_shared<CWorkingFolderLock>();
        LeftoverFolder leftover;
        if (!lock->Take(entry.absoluteFilePath())
            || !holdsProject(entry.absoluteFilePath(), &leftover))
            continue;
        leftover.lock = std::move(lock);
        out.append(leftover);
    }
    return out;
}

void CCrashRecovery::RemoveUnrecoverable() const
{
    const QFileInfoList entries = QDir(projectsRoot_).entryInfoList(kEverything);
    for (const QFileInfo& entry : entries) {
        if (!entry.isDir() || entry.isSymLink()) {
            QFile::remove(entry.absoluteFilePath());
            continue;
        }
        CWorkingFolderLock lock;
        LeftoverFolder leftover;
        if (lock.Take(entry.absoluteFilePath())
            && !holdsProject(entry.absoluteFilePath(), &leftover))
            lock.RemoveFolder();
    }
}

void CCrashRecovery::RemoveAtProgramEnd() const
{
    RemoveUnrecoverable();
    // Fails while anything is left; a folder that another editor makes now
    // keeps it.
    QDir().rmdir(projectsRoot_);
}

QString CCrashRecovery::RecoveredPackagePath(const LeftoverFolder& leftover) const
{
    QString location;
    if (!leftover.packagePath.isEmpty()) {
        const QFileInfo original(leftover.packagePath);
        if (original.isAbsolute() && original.absoluteDir().exists())
            location = original.absolutePath();
    }
    if (location.isEmpty())
        location = paths_.ProjectDir();
    const QString base = leftover.projectName + QStringLiteral("-recovered");
    for (int n = 1;; ++n) {
        const QString name = n == 1 ? base : base + QLatin1Char('-') + QString::number(n);
        const QString path = location + QLatin1Char('/') + name + QStringLiteral(".cgp");
        if (!QFileInfo::exists(path) && !QFileInfo(path).isSymLink())
            return path;
    }
}

QString CCrashRecovery::Recover(const LeftoverFolder& leftover, IMessageSink* messages,
                                QStringList* damaged) const
{
    const QString target = RecoveredPackagePath(leftover);
    QString location, name;
    CProjectStorage::SplitPackagePath(target, &location, &name);
    QDir().mkpath(location);

    // The work is done on a copy in a scratch folder of its own: the leftover
    // folder stays whole until the package is written, and no other folder
    // under the projects root is touched by the save.
    QTemporaryDir scratch(projectsRoot_ + QStringLiteral("/.recover-XXXXXX"));
    CWorkingFolderLock scratchLock;
    scratchLock.Take(scratch.path());
    const QString folderName = QFileInfo(leftover.folder).fileName();
    const QString copy = scratch.path() + QLatin1Char('/') + folderName;
    if (!scratch.isValid() || !copyFolder(leftover.folder, copy)) {
        messages->ShowError(
            QStringLiteral("The project folder %1 cannot be copied.").arg(leftover.folder),
            QStringLiteral("Error"));
        return QString();
    }
    // The edits that the run autosaved (or kept when it was told to end)
    // over the files of its last save.
    const CAutoSaveFolder autosave(copy);
    const CAutoSaveFolder::Overlay overlay = autosave.ApplyTo(leftover.projectName);
    autosave.Clear();
    if (damaged)
        *damaged = overlay.damaged;
    CTessanApp work(paths_, scratch.path());
    work.messages = messages;
    work.projectFolderName = folderName;
    CProjectStorage storage(work);
    if (!storage.LoadProjectFolder(location, leftover.projectName)) {
        messages->ShowError(CProjectStorage::ErrorCantOpen(), QStringLiteral("Error"));
        return QString();
    }
    adoptScreenFiles(work);
    if (!storage.SaveProjectAs(target))
        return QString();
    Discard(leftover);
    return target;
}

void CCrashRecovery::Discard(const LeftoverFolder& leftover)
{
    CWorkingFolderLock taken;
    CWorkingFolderLock* lock = leftover.lock.get();
    if (!lock || !lock->IsHeld()) {
        // A live editor's folder is never deleted.
        if (!taken.Take(leftover.folder))
            return;
        lock = &taken;
    }
    lock->RemoveFolder();
}
