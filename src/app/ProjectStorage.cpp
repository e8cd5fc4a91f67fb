#include "ProjectStorage.h"
#include "base/WholeFile.h"
#include "project/PrjIni.h"
#include "base/SafePath.h"
#include "project/ZipPackage.h"
#include "TessanApp.h"
#include "base/TextCodec936.h"
#include "RecoveryMarker.h"
#include "AutoSaveFolder.h"
#include "WorkingFolderLock.h"
#include "base/platform/FileReplace.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <filesystem>
#include <system_error>

namespace {

std::filesystem::path fsPath(const QString& path)
{
    return std::filesystem::path(path.toStdU16String());
}

// Replaces the folder `to` by the folder `from` in one step; `to` must be
// empty or missing.
bool replaceFile(const QString& from, const QString& to)
{
    std::error_code ec;
    std::filesystem::rename(fsPath(from), fsPath(to), ec);
    return !ec;
}

// True for the lock file of the working folder `folder` (never unpacked into
// it, packed or copied: it names the process of one run).
bool isFolderLock(const QString& folder, const QString& path)
{
    return QDir::cleanPath(path)
           == QDir::cleanPath(folder + QLatin1Char('/') + CWorkingFolderLock::FileName());
}

// Removes what writes into `target` left behind when they were killed before
// their temporary file replaced it (the names platform::ReplacementFile makes).
void removeStaleTempFiles(const QString& target)
{
    const QFileInfo info(target);
    QDir dir = info.absoluteDir();
    const QStringList stale = dir.entryList({info.fileName() + QStringLiteral(".tmp-*")},
                                            QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : stale)
        dir.remove(name);
}

// Copies `from` over `to` in one step. A new `to` gets the mode of `from`
// less the umask, as a copy does; an existing one keeps its mode.
bool copyFileReplacing(const QString& from, const QString& to)
{
    const int fromMode = platform::PermissionBits(fsPath(from));
    platform::ReplacementFile replacement(fsPath(to), fromMode < 0 ? 0666 : fromMode & 0777);
    if (!replacement.IsOpen())
        return false;
    QFile in(from);
    QFile out(QString::fromStdU16String(replacement.Path().u16string()));
    bool ok = in.open(QIODevice::ReadOnly) && out.open(QIODevice::WriteOnly | QIODevice::Truncate);
    while (ok && !in.atEnd()) {
        const QByteArray chunk = in.read(64 * 1024);
        ok = !(chunk.isEmpty() && in.error() != QFile::NoError) && out.write(chunk) == chunk.size();
    }
    ok = ok && out.flush();
    out.close();
    return ok && out.error() == QFile::NoError && replacement.Commit();
}

} // namespace

void CProjectStorage::debugMessage(bool debug, const char* text)
{
    if (debug)
        app_.ShowMessage(MessageKind::Error, QString::fromLatin1(text), QStringLiteral("Error"));
}

void CProjectStorage::fail(const QString& text)
{
    app_.ShowMessage(MessageKind::Error, text, QStringLiteral("Error"));
}

bool CProjectStorage::SplitPackagePath(const QString& path, QString* location, QString* name)
{
    qsizetype sep =
        std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    QString fileName = sep >= 0 ? path.mid(sep + 1) : path;
    *location = sep > 0 ? path.left(sep) : sep == 0 ? QStringLiteral("/") : QStringLiteral(".");
    qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    *name = dot >= 0 ? fileName.left(dot) : fileName;
    return !name->isEmpty();
}

bool CProjectStorage::OpenProject(const QString& location, const QString& baseName)
{
    const bool debug = app_.settings.GetDebugFlag() != 0;
    if (!VersionNumber::ProgramAccepts(app_.programVersion, app_.model.formatVersion))
        return false;

    const QString package = location + QLatin1Char('/') + baseName + QStringLiteral(".cgp");
    if (!QFileInfo(package).isFile()
        || !copyFileReplacing(package, package + QStringLiteral(".bak"))) {
        debugMessage(debug, "Backup project file failed.");
        return false;
    }
    if (!UnpackPackage(package, baseName)) {
        debugMessage(debug, "Unzip project file failed.");
        return false;
    }
    return loadDocument(location);
}

bool CProjectStorage::AdoptUnpackedFolder(const QString& location, const QString& unpackedFolder,
                                          const QString& folderName)
{
    const bool debug = app_.settings.GetDebugFlag() != 0;
    if (!VersionNumber::ProgramAccepts(app_.programVersion, app_.model.formatVersion))
        return false;
    QString folder;
    if (!IsPlainFolderName(folderName) || !SafeJoin(app_.projectsRoot, folderName, &folder)
        || !app_.ClaimProjectFolder(folderName))
        return false;
    // The unpacked files move into the claimed folder, one entry at a time
    // (the folder holds its lock already); the scratch folder's lock stays.
    folder = app_.ProjectFolder();
    const QFileInfoList entries =
        QDir(unpackedFolder)
            .entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo& entry : entries) {
        if (isFolderLock(unpackedFolder, entry.filePath()))
            continue;
        if (!replaceFile(entry.absoluteFilePath(), folder + QLatin1Char('/') + entry.fileName()))
            return false;
    }
    return readPrjIni(folder, debug) && loadDocument(location);
}

bool CProjectStorage::loadDocument(const QString& location)
{
    const QString projectName = app_.model.info.name;
    QString docPath;
    if (!SafeJoin(app_.ProjectFolder(), projectName + QStringLiteral(".cgp"), &docPath)
        || !QFileInfo(docPath).isFile())
        return false;
    QFile doc(docPath);
    if (!doc.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = doc.readAll();

    // A fresh model, so that a short file leaves defaults, never the fields of
    // the project that was open before.
    const VersionNumber format = app_.model.formatVersion;
    app_.model.ResetProjectModel(projectName, location, QString(), QString());
    app_.model.formatVersion = format;
    app_.prjDoc.InitNew(app_.model);
    app_.prjDoc.Load(bytes, app_.model);
    app_.model.info.name = projectName;
    app_.model.info.location = location;
    app_.runtimeImage.clear();
    app_.hzLib.Clear();
    app_.TakeAsSaved();
    writeRecoveryMarker();
    return true;
}

void CProjectStorage::writeRecoveryMarker()
{
    const CProjectModel& model = app_.model;
    const QString package =
        QFileInfo(model.info.location + QLatin1Char('/') + model.info.name + QStringLiteral(".cgp"))
            .absoluteFilePath();
    // Best effort: without it a leftover folder is still recovered, into the
    // user's Project folder.
    RecoveryMarker::Write(app_.ProjectFolder(), {model.info.name, package});
}

bool CProjectStorage::LoadProjectFolder(const QString& location, const QString& projectName)
{
    if (!IsProjectName(projectName))
        return false;
    QFile ini(app_.ProjectFolder() + QStringLiteral("/Prj.ini"));
    if (ini.open(QIODevice::ReadOnly))
        app_.model.formatVersion = PrjIni::Parse(ini.read(64 * 1024)).version;
    app_.model.info.name = projectName;
    return loadDocument(location);
}

bool CProjectStorage::KeepRecoverable()
{
    QString docPath;
    if (!IsProjectName(app_.model.info.name) || !QDir().mkpath(app_.ProjectFolder())
        || !SafeJoin(app_.ProjectFolder(), app_.model.info.name + QStringLiteral(".cgp"), &docPath)
        || !WriteWholeFile(docPath, app_.prjDoc.Store(app_.model)))
        return false;
    writeRecoveryMarker();
    return true;
}

bool CProjectStorage::UnpackPackage(const QString& packagePath, const QString& folderName)
{
    CZipReader zip;
    const bool opened = zip.Open(packagePath);
    return unpack(zip, opened, folderName);
}

bool CProjectStorage::UnpackPackageBytes(const QByteArray& package, const QString& folderName)
{
    CZipReader zip;
    const bool opened = zip.OpenBytes(package, folderName + QStringLiteral(".cgp"));
    return unpack(zip, opened, folderName);
}

bool CProjectStorage::unpack(CZipReader& zip, bool opened, const QString& folderName)
{
    const bool debug = app_.settings.GetDebugFlag() != 0;
    if (!opened) {
        debugMessage(debug, "OpenZip failed.");
        return false;
    }
    QString folder;
    // The folder is emptied next: it must be a folder of its own.
    if (!IsPlainFolderName(folderName) || !SafeJoin(app_.projectsRoot, folderName, &folder))
        return false;
    // A folder of that name that another live editor works in stays as it
    // is: the package goes into <folderName>-2 (-3, ...) instead.
    if (!app_.ClaimProjectFolder(folderName))
        return false;
    folder = app_.ProjectFolder();

    for (int i = 0; i < zip.Count(); ++i) {
        const QString entry = zip.EntryName(i);
        QString target;
        if (!SafeJoin(folder, entry, &target))
            return false; // never write outside the project folder
        if (isFolderLock(folder, target))
            continue;
        if (entry.endsWith(QLatin1Char('/')) || entry.endsWith(QLatin1Char('\\'))) {
            QDir().mkpath(target);
            continue;
        }
        if (!zip.Extract(i, target))
            return false;
    }
    zip.Close();
    return readPrjIni(folder, debug);
}

bool CProjectStorage::readPrjIni(const QString& folder, bool debug)
{
    QFile ini(folder + QStringLiteral("/Prj.ini"));
    PrjIni::Content content;
    if (ini.open(QIODevice::ReadOnly))
        content = PrjIni::Parse(ini.read(64 * 1024));
    app_.model.formatVersion = content.version;
    if (content.name.trimmed().isEmpty()) {
        debugMessage(debug, "OpenZip szValue.IsEmpty failed.");
        return false;
    }
    // The name becomes the name of files: it must not lead into other folders.
    if (!IsProjectName(content.name))
        return false;
    app_.model.info.name = content.name;
    return true;
}

bool CProjectStorage::SaveProject()
{
    if (!WriteProjectFolder())
        return false;
    // The project folder holds every edit now: an autosave is older than it.
    CAutoSaveFolder(app_.ProjectFolder()).Clear();
    if (!PackProject())
        return false;
    // Only now, with the package written, is this the saved state: a save
    // that failed half-way leaves every edit counting as unsaved.
    if (app_.openScreens)
        app_.openScreens->TakeAllAsSaved();
    app_.TakeAsSaved();
    return true;
}

bool CProjectStorage::WriteProjectFolder()
{
    CProjectModel& model = app_.model;
    const QString folder = app_.ProjectFolder();
    QDir().mkpath(folder);
    QString docPath;
    // A name that an open would refuse is never saved.
    if (!IsProjectName(model.info.name)
        || !SafeJoin(folder, model.info.name + QStringLiteral(".cgp"), &docPath)) {
        fail(QStringLiteral("The project name \"%1\" cannot be a file name.").arg(model.info.name));
        return false;
    }
    if (!WriteWholeFile(docPath, app_.prjDoc.Store(model))) {
        fail(QStringLiteral("The project file %1 cannot be written.").arg(docPath));
        return false;
    }
    if (app_.openScreens && !app_.openScreens->SaveAll(folder, model.info.name)) {
        fail(QStringLiteral("A screen file of the project cannot be written."));
        return false;
    }
    writeRecoveryMarker();
    return true;
}

bool CProjectStorage::PackProject()
{
    const CProjectModel& model = app_.model;
    const QString folder = app_.ProjectFolder();
    const QString iniPath = folder + QStringLiteral("/Prj.ini");
    // Prj.ini names the project in code page 936; a name that it cannot hold
    // would make a package that no open finds its project document in.
    if (TextCodec936::Decode(TextCodec936::Encode(model.info.name)) != model.info.name) {
        fail(QStringLiteral("The project name \"%1\" cannot be written in Prj.ini.")
                 .arg(model.info.name));
        return false;
    }
    QFile::remove(iniPath);
    if (!WriteWholeFile(iniPath, PrjIni::Build(model.info.name, app_.programVersion))) {
        fail(QStringLiteral("The file %1 cannot be written.").arg(iniPath));
        return false;
    }

    QStringList entries{QStringLiteral("Prj.ini"), model.info.name + QStringLiteral(".cgp")};
    entries += model.bitmapFiles;
    for (const auto& screen : model.screens)
        entries.append(ScreenTitle(model.info.name, screen->number, screen->name));

    QDir().mkpath(model.info.location);
    const QString package =
        model.info.location + QLatin1Char('/') + model.info.name + QStringLiteral(".cgp");
    // The new package is written beside the old one and replaces it only when
    // it is complete: a failed save never destroys the user's package.
    platform::ReplacementFile replacement(fsPath(package));
    CZipWriter zip;
    if (!replacement.IsOpen()
        || !zip.Create(QString::fromStdU16String(replacement.Path().u16string()))) {
        fail(QStringLiteral("The project package %1 cannot be written.").arg(package));
        return false;
    }
    QStringList skipped;
    bool ok = true;
    for (const QString& entry : entries) {
        QString path;
        // The recovery marker and the autosaved edits belong to the working
        // folder, never to a package.
        if (entry == RecoveryMarker::FileName() || CAutoSaveFolder::Holds(entry)
            || !SafeJoin(folder, entry, &path) || isFolderLock(folder, path)
            || !QFileInfo(path).isFile()) {
            skipped.append(entry);
            continue;
        }
        if (!zip.AddFile(entry, path)) {
            ok = false;
            break;
        }
    }
    ok = zip.Close() && ok;
    if (!ok || !replacement.Commit()) {
        fail(QStringLiteral("The project package %1 cannot be written.").arg(package));
        return false;
    }
    // A save that was killed half-way left its temporary file; the package
    // it would have replaced is now whole again.
    removeStaleTempFiles(package);
    removeStaleTempFiles(package + QStringLiteral(".bak"));
    if (!skipped.isEmpty())
        app_.ShowMessage(MessageKind::Warning,
                         QStringLiteral("These files of the project were not found and are not "
                                        "in the package:\n")
                             + skipped.join(QLatin1Char('\n')),
                         QStringLiteral("Warning"));
    return true;
}

bool CProjectStorage::copyProjectFolder(const QString& fromFolder, const QString& oldName,
                                        const QString& toFolder, const QString& newName)
{
    const QString oldDoc = oldName + QStringLiteral(".cgp");
    const QString oldScreenPrefix = oldName + QStringLiteral(".cgp - #");
    QDirIterator it(fromFolder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    bool ok = true;
    while (it.hasNext()) {
        const QString from = it.next();
        if (isFolderLock(fromFolder, from)
            || (from.endsWith(QStringLiteral(".rmlock"))
                && isFolderLock(fromFolder, from.chopped(7))))
            continue; // the lock and Qt's ".rmlock" beside it belong to the old folder
        QString rel = QDir(fromFolder).relativeFilePath(from);
        if (rel == oldDoc)
            rel = newName + QStringLiteral(".cgp");
        else if (rel.startsWith(oldScreenPrefix))
            rel = newName + QStringLiteral(".cgp - #") + rel.mid(oldScreenPrefix.size());
        const QString to = toFolder + QLatin1Char('/') + rel;
        QDir().mkpath(QFileInfo(to).absolutePath());
        QFile::remove(to);
        ok = QFile::copy(from, to) && ok;
    }
    return ok;
}

bool CProjectStorage::SaveProjectAs(const QString& packagePath)
{
    QString location, newName;
    if (!SplitPackagePath(packagePath, &location, &newName) || !IsPlainFolderName(newName)
        || !IsProjectName(newName)) {
        fail(QStringLiteral("The path %1 names no project package.").arg(packagePath));
        return false;
    }
    const QString oldFolder = app_.ProjectFolder();
    const QString oldName = app_.model.info.name;
    const QString oldLocation = app_.model.info.location;
    const QString oldFolderName = app_.projectFolderName;

    // The new project folder is made whole under a folder of its own first
    // (a live editor's folder of that name is never touched); the old one
    // goes once the package has been written.
    CWorkingFolderLock target;
    QString newFolderName = oldFolderName;
    const bool staged = oldFolderName != newName || oldName != newName;
    if (staged) {
        newFolderName = target.Claim(app_.projectsRoot, newName);
        if (newFolderName.isEmpty()
            || !copyProjectFolder(oldFolder, oldName, target.Folder(), newName)) {
            target.RemoveFolder();
            fail(QStringLiteral("The project files cannot be copied to %1.")
                     .arg(app_.projectsRoot + QLatin1Char('/') + newName));
            return false;
        }
    }
    if (app_.openScreens)
        app_.openScreens->Retitle(newName);
    app_.model.info.location = location;
    app_.model.info.name = newName;
    app_.projectFolderName = newFolderName;
    if (!SaveProject()) {
        // Back to the old name, place and files; the old package was never touched.
        target.RemoveFolder();
        app_.model.info.location = oldLocation;
        app_.model.info.name = oldName;
        app_.projectFolderName = oldFolderName;
        if (app_.openScreens)
            app_.openScreens->Retitle(oldName);
        return false;
    }
    if (staged)
        app_.UseProjectFolder(std::move(target), newFolderName);
    app_.prjDoc.SetTitle(newName + QStringLiteral(".cgp"));
    return true;
}

void CProjectStorage::CloseProject()
{
    if (app_.openScreens)
        app_.openScreens->CloseAll();
    app_.model.screens.clear();
    app_.runtimeImage.clear();
    app_.hzLib.Clear();
    app_.ForgetSaved();
    // Closed: its edits were saved or given up, and its folder goes.
    app_.RemoveProjectFolder();
}
