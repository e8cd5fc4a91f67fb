#include "BitmapFile.h"
#include "base/SafePath.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace BitmapFile {

QString Path(const QString& programDir, const QString& projectFolder, const QString& folder,
             const QString& fileName)
{
    QString path;
    if (folder.isEmpty()) {
        if (!SafeJoin(projectFolder, fileName, &path))
            return QString();
        return path;
    }
    QString dir;
    if (!SafeJoin(programDir, folder, &dir) || !SafeJoin(dir, fileName, &path))
        return QString();
    return path;
}

QImage Read(const QString& path)
{
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return QImage();
    QFile file(path);
    // No bitmap within kMaxSide a side is larger than this.
    if (file.size() > kMaxFileSize || !file.open(QIODevice::ReadOnly))
        return QImage();
    return Decode(file.readAll());
}

QImage Decode(const QByteArray& bytes)
{
    QImage picture;
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "bmp");
    // A negative height is a picture stored top row first; the reader
    // reports it as it stands in the header.
    const qint64 width = reader.size().width();
    const qint64 height = qAbs(qint64(reader.size().height()));
    if (width > 0 && height > 0 && width <= kMaxSide && height <= kMaxSide)
        picture = reader.read();
    if (!picture.isNull())
        picture = picture.convertToFormat(QImage::Format_RGB32);
    return picture;
}

} // namespace BitmapFile
