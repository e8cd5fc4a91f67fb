#include "BitmapLibrary.h"
#include "TessanApp.h"

#include "base/SafePath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

bool HasBitmapExtension(const QString& name)
{
    return QFileInfo(name).suffix().compare(QLatin1String("bmp"), Qt::CaseInsensitive) == 0;
}

} // namespace

CBitmapLibrary::CBitmapLibrary(CTessanApp& app) : app_(app) {}

const QStringList& CBitmapLibrary::Categories()
{
    static const QStringList categories = {QStringLiteral("Arrow"), QStringLiteral("Battery"),
                                           QStringLiteral("Fan"),   QStringLiteral("Flag"),
                                           QStringLiteral("Ico"),   QStringLiteral("Valve")};
    return categories;
}

QString CBitmapLibrary::SystemFolderPart(const QString& category)
{
    return QStringLiteral("BMP_Files\\") + category;
}

QString CBitmapLibrary::SystemFolder(const QString& category) const
{
    return app_.settings.Paths().programDir + QStringLiteral("/BMP_Files/") + category;
}

QString CBitmapLibrary::UserFolder() const
{
    return app_.ProjectFolder();
}

QStringList CBitmapLibrary::ListBitmaps(const QString& folder)
{
    QStringList names;
    if (folder.isEmpty())
        return names;
    const QFileInfoList entries = QDir(folder).entryInfoList(QDir::Files | QDir::NoDotAndDotDot,
                                                             QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& entry : entries)
        if (!entry.isHidden() && HasBitmapExtension(entry.fileName()))
            names.append(entry.fileName());
    return names;
}

bool CBitmapLibrary::CopyFile(const QString& source, const QString& target)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    QByteArray chunk;
    while (!(chunk = in.read(1 << 16)).isEmpty())
        if (out.write(chunk) != chunk.size()) {
            out.cancelWriting();
            return false;
        }
    if (in.error() != QFileDevice::NoError) {
        out.cancelWriting();
        return false;
    }
    return out.commit();
}

CBitmapLibrary::ImportResult CBitmapLibrary::Import(const QString& sourcePath)
{
    const QFileInfo source(sourcePath);
    const QString name = source.fileName();
    if (!HasBitmapExtension(name))
        return ImportResult::NotABitmapFile;
    if (!source.isFile() || !source.isReadable())
        return ImportResult::Unreadable;
    QString target;
    if (!SafeJoin(UserFolder(), name, &target))
        return ImportResult::Unwritable;
    // A file of the library itself is already in place: copying it over
    // itself would only empty it.
    const QFileInfo existing(target);
    const bool inPlace =
        existing.exists() && existing.canonicalFilePath() == source.canonicalFilePath();
    if (!inPlace && !CopyFile(sourcePath, target))
        return ImportResult::Unwritable;
    QStringList& list = app_.model.bitmapFiles;
    if (!list.contains(name))
        list.append(name);
    return ImportResult::Imported;
}

bool CBitmapLibrary::Delete(const QString& fileName)
{
    QString path;
    if (!SafeJoin(UserFolder(), fileName, &path))
        return false;
    if (QFileInfo::exists(path) && !QFile::remove(path))
        return false;
    QStringList& list = app_.model.bitmapFiles;
    list.removeAll(fileName);
    return true;
}

QString CBitmapLibrary::ExportTargetName(const QString& chosen)
{
    if (chosen.size() < 5 || !chosen.endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive))
        return chosen + QStringLiteral(".bmp");
    return chosen;
}
