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

namespace {

quint32 le(const QByteArray& b, qsizetype at, int n)
{
    quint32 v = 0;
    for (int i = n - 1; i >= 0; --i)
        v = v << 8 | quint8(b[at + i]);
    return v;
}

// An uncompressed bitmap whose file ends before the rows its header
// declares is cut short: no picture, and no buffer of the declared size
// made and filled for it first.
bool CutShort(const QByteArray& b)
{
    if (b.size() < 30 || !b.startsWith("BM"))
        return false; // for the reader to refuse
    const qint64 pixelsAt = le(b, 10, 4);
    // Pixels that would start at or past the end: no picture, whatever the
    // rows are made of (and no seek past the end of the bytes).
    if (pixelsAt >= qint64(b.size()))
        return true;
    const quint32 headerSize = le(b, 14, 4);
    qint64 width = 0, height = 0, bits = 0, compression = 0;
    if (headerSize == 12) {
        width = le(b, 18, 2);
        height = le(b, 20, 2);
        bits = le(b, 24, 2);
    } else {
        if (b.size() < 34)
            return false;
        width = qint32(le(b, 18, 4));
        height = qAbs(qint64(qint32(le(b, 22, 4))));
        bits = le(b, 28, 2);
        compression = le(b, 30, 4);
    }
    // Run-length rows have no size of their own; bit fields are plain rows.
    if ((compression != 0 && compression != 3) || width <= 0 || height <= 0 || bits <= 0
        || width > kMaxSide || height > kMaxSide || bits > 32)
        return false;
    const qint64 row = (width * bits + 31) / 32 * 4;
    // The last row need not carry its padding.
    const qint64 end = pixelsAt + row * (height - 1) + (width * bits + 7) / 8;
    return qint64(b.size()) < end;
}

} // namespace

QImage Decode(const QByteArray& bytes)
{
    QImage picture;
    if (CutShort(bytes))
        return picture;
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
