#include "AutoSaveFolder.h"
#include "base/WholeFile.h"
#include "TessanApp.h"
#include "base/SafePath.h"
#include "project/ScreenObject.h"
#include "screen/TessanDoc.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

const QString kManifest = QStringLiteral("Manifest");
constexpr int kSumHexDigits = 64;
constexpr qint64 kMaxManifestBytes = 1024 * 1024;

struct NamedBytes
{
    QString name;
    QByteArray bytes;
};

struct ManifestEntry
{
    QByteArray sum; // lower-case hex
    QString name;
};

QByteArray sumOf(const QByteArray& bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

// A name that can be one line of the manifest and one file of a set.
bool isFileName(const QString& name)
{
    return IsPlainFolderName(name) && name != kManifest && !name.contains(QLatin1Char('\n'))
           && !name.contains(QLatin1Char('\r'));
}

// One line per file: "<sha-256 in hex> <name>", UTF-8.
QByteArray buildManifest(const std::vector<NamedBytes>& files)
{
    QByteArray out;
    for (const NamedBytes& f : files)
        out += sumOf(f.bytes) + ' ' + f.name.toUtf8() + '\n';
    return out;
}

// False for a manifest that is not whole: every line must be a sum and a
// name, no name twice, at least one file.
bool parseManifest(const QByteArray& bytes, QList<ManifestEntry>* out)
{
    if (bytes.isEmpty() || !bytes.endsWith('\n'))
        return false;
    QList<ManifestEntry> entries;
    QStringList names;
    const QList<QByteArray> lines = bytes.left(bytes.size() - 1).split('\n');
    for (const QByteArray& line : lines) {
        if (line.size() < kSumHexDigits + 2 || line[kSumHexDigits] != ' ')
            return false;
        const QByteArray sum = line.left(kSumHexDigits);
        if (!std::all_of(sum.begin(), sum.end(),
                         [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); }))
            return false;
        const QString name = QString::fromUtf8(line.mid(kSumHexDigits + 1));
        if (!isFileName(name) || names.contains(name))
            return false;
        names.append(name);
        entries.append({sum, name});
    }
    *out = entries;
    return true;
}

bool readAll(const QString& path, qint64 limit, QByteArray* out)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    *out = f.read(limit + 1);
    return out->size() <= limit && f.error() == QFile::NoError;
}

// The sets of the folder, newest first.
QList<std::pair<qulonglong, QString>> setsOf(const QString& autosave)
{
    QList<std::pair<qulonglong, QString>> out;
    const QFileInfoList entries =
        QDir(autosave).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks);
    for (const QFileInfo& entry : entries) {
        bool ok = false;
        const qulonglong number = entry.fileName().toULongLong(&ok);
        if (ok && QString::number(number) == entry.fileName())
            out.append({number, entry.absoluteFilePath()});
    }
    std::sort(out.begin(), out.end(),
              [](const auto& a, const auto& b) { return a.first > b.first; });
    return out;
}

// What an autosave of the project holds now: the project document and the
// modified screens, under the names they have in the project folder.
bool collect(const CTessanApp& app, const CAutoSaveFolder::LoadedScreen& loaded,
             std::vector<NamedBytes>* out)
{
    const CProjectModel& model = app.model;
    const QString name = model.info.name;
    if (!IsProjectName(name) || !isFileName(name + QStringLiteral(".cgp")))
        return false;
    // Storing dates the document and its copy of the project information:
    // that happens to copies, so the open project stays as it is.
    const std::unique_ptr<CProjectModel> copy = model.Clone();
    CPrjDoc doc = app.prjDoc;
    out->push_back({name + QStringLiteral(".cgp"), doc.Store(*copy)});
    for (const auto& screen : model.screens) {
        const CDiagramEntityContainer* objects = loaded ? loaded(screen->number) : nullptr;
        if (!objects)
            continue;
        const QString file = ScreenTitle(name, screen->number, screen->name);
        if (!isFileName(file))
            return false;
        out->push_back({file, CTessanDoc::WriteBytes(*objects)});
    }
    return true;
}

} // namespace

QString CAutoSaveFolder::FolderName()
{
    return QStringLiteral(".autosave");
}

bool CAutoSaveFolder::Holds(const QString& relativeName)
{
    QString name = relativeName;
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QStringList parts = name.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        if (part == QLatin1String("."))
            continue;
        return part.compare(FolderName(), Qt::CaseInsensitive) == 0;
    }
    return false;
}

QString CAutoSaveFolder::Path() const
{
    return projectFolder_ + QLatin1Char('/') + FolderName();
}

QString CAutoSaveFolder::NewestSet() const
{
    for (const auto& set : setsOf(Path()))
        if (QFileInfo(set.second + QLatin1Char('/') + kManifest).isFile())
            return set.second;
    return QString();
}

bool CAutoSaveFolder::Write(const CTessanApp& app, const LoadedScreen& loaded) const
{
    std::vector<NamedBytes> files;
    if (!collect(app, loaded, &files))
        return false;
    const QByteArray manifest = buildManifest(files);

    const QString newest = NewestSet();
    QByteArray current;
    if (!newest.isEmpty()
        && readAll(newest + QLatin1Char('/') + kManifest, kMaxManifestBytes, &current)
        && current == manifest)
        return true;

    const auto sets = setsOf(Path());
    const qulonglong number = sets.isEmpty() ? 1 : sets.first().first + 1;
    const QString set = Path() + QLatin1Char('/') + QString::number(number);
    if (!QDir().mkpath(Path()) || !QDir().mkdir(set))
        return false;
    bool ok = true;
    for (const NamedBytes& f : files)
        ok = ok && WriteWholeFile(set + QLatin1Char('/') + f.name, f.bytes);
    // The manifest last: only now does the set count.
    ok = ok && WriteWholeFile(set + QLatin1Char('/') + kManifest, manifest);
    if (!ok) {
        QDir(set).removeRecursively();
        return false;
    }
    // The older sets, and whatever else is there, go.
    const QFileInfoList entries = QDir(Path()).entryInfoList(QDir::AllEntries | QDir::Hidden
                                                             | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo& entry : entries) {
        if (entry.absoluteFilePath() == QFileInfo(set).absoluteFilePath())
            continue;
        if (entry.isDir() && !entry.isSymLink())
            QDir(entry.absoluteFilePath()).removeRecursively();
        else
            QFile::remove(entry.absoluteFilePath());
    }
    return true;
}

CAutoSaveFolder::Overlay CAutoSaveFolder::ApplyTo(const QString& projectName) const
{
    Overlay out;
    const QString set = NewestSet();
    if (set.isEmpty())
        return out;
    QByteArray manifestBytes;
    QList<ManifestEntry> entries;
    if (!readAll(set + QLatin1Char('/') + kManifest, kMaxManifestBytes, &manifestBytes)
        || !parseManifest(manifestBytes, &entries)) {
        // Without its manifest no file of the set can be trusted.
        out.damaged = QDir(set).entryList(QDir::Files | QDir::Hidden, QDir::Name);
        out.damaged.removeAll(kManifest);
        return out;
    }
    const QString document = projectName + QStringLiteral(".cgp");
    const QString screenPrefix = projectName + QStringLiteral(".cgp - #");
    for (const ManifestEntry& entry : entries) {
        if (entry.name != document && !entry.name.startsWith(screenPrefix))
            continue; // not a file of this project
        const QString target = projectFolder_ + QLatin1Char('/') + entry.name;
        // A screen deleted or renamed after the autosave has no file any more.
        if (!QFileInfo(target).isFile())
            continue;
        QByteArray bytes;
        if (!readAll(set + QLatin1Char('/') + entry.name, CTessanDoc::kMaxFileSize, &bytes)
            || sumOf(bytes) != entry.sum || !WriteWholeFile(target, bytes)) {
            out.damaged.append(entry.name);
            continue;
        }
        out.applied.append(entry.name);
    }
    return out;
}

void CAutoSaveFolder::Clear() const
{
    QDir(Path()).removeRecursively();
}
