#include "RuntimeBackup.h"
#include "base/WholeFile.h"

#include "PackedPassword.h"

#include <QFile>

bool CRuntimeBackup::Read(const QString& path)
{
    image.clear();
    password.clear();
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    if (f.size() > kMaxFileSize)
        return false;
    return Parse(f.readAll());
}

bool CRuntimeBackup::Parse(const QByteArray& bytes)
{
    image.clear();
    password.clear();
    if (bytes.size() > kMaxFileSize || bytes.size() <= kTrailerSize)
        return false;
    image = bytes.left(bytes.size() - kTrailerSize);
    password = PackedPassword::Unpack(bytes.right(4));
    return true;
}

bool CRuntimeBackup::Write(const QString& path, const QByteArray& uploaded)
{
    if (uploaded.size() <= kTrailerSize)
        return false;
    return WriteWholeFile(path, uploaded);
}

QString CRuntimeBackup::DefaultName(const QDateTime& t)
{
    const QDate d = t.date();
    const QTime c = t.time();
    return QString::asprintf("%04u%02u%02u%02u%02u%02u.rtfbak", unsigned(d.year()),
                             unsigned(d.month()), unsigned(d.day()), unsigned(c.hour()),
                             unsigned(c.minute()), unsigned(c.second()));
}

QString CRuntimeBackup::WithExtension(const QString& fileName)
{
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    if (dot <= 0 || fileName.mid(dot + 1) != QLatin1String("rtfbak"))
        return fileName + QStringLiteral(".rtfbak");
    return fileName;
}
