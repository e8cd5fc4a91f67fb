#include "ProjectStorage.h"
#include "PrjIni.h"
#include "SafePath.h"
#include "ZipPackage.h"
#include "app/TessanApp.h"
#include "app/TextCodec936.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#include <filesystem>
#include <system_error>

namespace {

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    if (f.write(bytes) != bytes.size()) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}

// Replaces `to` by `from` in one step, so `to` is always either whole old or whole new.
bool replaceFile(const QString& from, const QString& to)
{
    std::error_code ec;
    std::filesystem::rename(QFile::encodeName(from).toStdString(),
                            QFile::encodeName(to).toStdString(), ec);
    return !ec;
}

// A unique path beside `target` for writing a file before it replaces `target`.
QString siblingTempPath(const QString& target)
{
    QTemporaryFile t(target + QStringLiteral(".tmp-XXXXXX"));
    t.setAutoRemove(false);
    if (!t.open())
        return QString();
    return t.fileName();
}

// Removes what writes into `target` left behind when they were killed before
// their temporary file replaced it (the names siblingTempPath makes).
void removeStaleTempFiles(const QString& target)
{
    const QFileInfo info(target);
    QDir dir = info.absoluteDir();
    const QStringList stale = dir.entryList({info.fileName() + QStringLiteral(".tmp-??????")},
                                            QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : stale)
        dir.remove(name);
}

bool copyFileReplacing(const QString& from, const QString& to)
{
    QString tmp = siblingTempPath(to);
    if (tmp.isEmpty())
        return false;
    QFile::remove(tmp);
    if (!QFile::copy(from, tmp) || !replaceFile(tmp, to)) {
        QFile::remove(tmp);
        return false;
    }
    return true;
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
    qsizetype sep = std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
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
    if (!QFileInfo(package).isFile() || !copyFileReplacing(package, package + QStringLiteral(".bak"))) {
        debugMessage(debug, "Backup project file failed.");
        return false;
    }
    if (!UnpackPackage(package, baseName)) {
        debugMessage(debug, "Unzip project file failed.");
        return false;
    }
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
    app_.model.modified = false;
    app_.model.needCompile = true;
    return true;
}

bool CProjectStorage::UnpackPackage(const QString& packagePath, const QString& folderName)
{
    const bool debug = app_.settings.GetDebugFlag() != 0;
    CZipReader zip;
    if (!zip.Open(packagePath)) {
        debugMessage(debug, "OpenZip failed.");
        return false;
    }
    QString folder;
    // The folder is emptied next: it must be a folder of its own.
    if (!IsPlainFolderName(folderName) || !SafeJoin(app_.projectsRoot, folderName, &folder))
        return false;
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    app_.projectFolderName = folderName;

    for (int i = 0; i < zip.Count(); ++i) {
        const QString entry = zip.EntryName(i);
        QString target;
        if (!SafeJoin(folder, entry, &target))
            return false; // never write outside the project folder
        if (entry.endsWith(QLatin1Char('/')) || entry.endsWith(QLatin1Char('\\'))) {
            QDir().mkpath(target);
            continue;
        }
        if (!zip.Extract(i, target))
            return false;
    }
    zip.Close();

    QFile ini(folder + QStringLiteral("/Prj.ini"));
    PrjIni::Content content;
    if (ini.open(QIODevice::ReadOnly))
        content = PrjIni::Parse(ini.read(64 * 1024));
    app_.model.formatVersion = content.version;
    if (content.name.isEmpty()) {
        debugMessage(debug, "OpenZip szValue.IsEmpty failed.");
        return false;
    }
    app_.model.info.name = content.name;
    return true;
}

bool CProjectStorage::SaveProject()
{
    CProjectModel& model = app_.model;
    const QString folder = app_.ProjectFolder();
    QDir().mkpath(folder);
    QString docPath;
    if (!SafeJoin(folder, model.info.name + QStringLiteral(".cgp"), &docPath)) {
        fail(QStringLiteral("The project name \"%1\" cannot be a file name.").arg(model.info.name));
        return false;
    }
    if (!writeFile(docPath, app_.prjDoc.Store(model))) {
        fail(QStringLiteral("The project file %1 cannot be written.").arg(docPath));
        return false;
    }
    if (app_.openScreens && !app_.openScreens->SaveAll(folder, model.info.name)) {
        fail(QStringLiteral("A screen file of the project cannot be written."));
        return false;
    }
    if (!PackProject())
        return false;
    model.modified = false;
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
    if (!writeFile(iniPath, PrjIni::Build(model.info.name, app_.programVersion))) {
        fail(QStringLiteral("The file %1 cannot be written.").arg(iniPath));
        return false;
    }

    QStringList entries{QStringLiteral("Prj.ini"), model.info.name + QStringLiteral(".cgp")};
    entries += model.bitmapFiles;
    for (const auto& screen : model.screens)
        entries.append(ScreenTitle(model.info.name, screen->number, screen->name));

    QDir().mkpath(model.info.location);
    const QString package = model.info.location + QLatin1Char('/') + model.info.name
        + QStringLiteral(".cgp");
    // The new package is written beside the old one and replaces it only when
    // it is complete: a failed save never destroys the user's package.
    const QString tmp = siblingTempPath(package);
    CZipWriter zip;
    if (tmp.isEmpty() || !zip.Create(tmp)) {
        if (!tmp.isEmpty())
            QFile::remove(tmp);
        fail(QStringLiteral("The project package %1 cannot be written.").arg(package));
        return false;
    }
    QStringList skipped;
    bool ok = true;
    for (const QString& entry : entries) {
        QString path;
        if (!SafeJoin(folder, entry, &path) || !QFileInfo(path).isFile()) {
            skipped.append(entry);
            continue;
        }
        if (!zip.AddFile(entry, path)) {
            ok = false;
            break;
        }
    }
    ok = zip.Close() && ok;
    if (!ok || !replaceFile(tmp, package)) {
        QFile::remove(tmp);
        fail(QStringLiteral("The project package %1 cannot be written.").arg(package));
        return false;
    }
    // A save that was killed half-way left its temporary file; the package
    // it would have replaced is now whole again.
    removeStaleTempFiles(package);
    removeStaleTempFiles(package + QStringLiteral(".bak"));
    if (!skipped.isEmpty())
        app_.ShowMessage(MessageKind::Warning, QStringLiteral("These files of the project were not found and are not "
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
    if (!SplitPackagePath(packagePath, &location, &newName) || !IsPlainFolderName(newName)) {
        fail(QStringLiteral("The path %1 names no project package.").arg(packagePath));
        return false;
    }
    const QString oldFolder = app_.ProjectFolder();
    const QString oldName = app_.model.info.name;
    QString newFolder;
    if (!SafeJoin(app_.projectsRoot, newName, &newFolder))
        return false;
    if (QDir(newFolder).absolutePath() != QDir(oldFolder).absolutePath()) {
        QDir(newFolder).removeRecursively();
        QDir().mkpath(newFolder);
        if (!copyProjectFolder(oldFolder, oldName, newFolder, newName)) {
            fail(QStringLiteral("The project files cannot be copied to %1.").arg(newFolder));
            return false;
        }
    } else if (oldName != newName) {
        // Same folder, new name: the files take their new names in place.
        const QString staging = newFolder + QStringLiteral(".saveas-tmp");
        QDir(staging).removeRecursively();
        QDir().mkpath(staging);
        bool ok = copyProjectFolder(oldFolder, oldName, staging, newName);
        if (ok) {
            QDir(oldFolder).removeRecursively();
            ok = QDir().rename(staging, newFolder);
        }
        if (!ok) {
            fail(QStringLiteral("The project files cannot be copied to %1.").arg(newFolder));
            return false;
        }
    }
    if (app_.openScreens)
        app_.openScreens->Retitle(newName);
    app_.model.info.location = location;
    app_.model.info.name = newName;
    app_.projectFolderName = newName;
    const bool ok = SaveProject();
    app_.prjDoc.SetTitle(newName + QStringLiteral(".cgp"));
    return ok;
}

void CProjectStorage::CloseProject()
{
    if (app_.openScreens)
        app_.openScreens->CloseAll();
    app_.model.screens.clear();
    app_.runtimeImage.clear();
    app_.hzLib.Clear();
    app_.model.needCompile = true;
}

void CProjectStorage::RemoveProjectFolders(const QString& projectsRoot)
{
    QDir(projectsRoot).removeRecursively();
}
