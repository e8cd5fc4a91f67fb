#pragma once
#include <QByteArray>
#include <QImage>
#include <QString>

// The picture file of a static bitmap: where it lies and how it is read. The
// compiler's pictures and the editor's previews both come through here.
namespace BitmapFile {

// A picture larger than this a side cannot be meant for a 192 x 64 panel.
inline constexpr int kMaxSide = 4096;
// Nor is a file larger than such a picture at 32 bits a dot.
inline constexpr qint64 kMaxFileSize = qint64(kMaxSide) * kMaxSide * 4 + 4096;

// A non-empty folder is relative to the program folder; an empty one names a
// bitmap of the project itself, in the project's working folder. Empty when
// the names would leave those folders.
QString Path(const QString& programDir, const QString& projectFolder, const QString& folder,
             const QString& fileName);

// The file's picture in RGB32; a null image when the file is missing, is no
// readable bitmap file, is larger than kMaxSide a side or ends before the
// rows its header declares (an uncompressed one).
QImage Read(const QString& path);
// The same for the bytes of a bitmap file.
QImage Decode(const QByteArray& bytes);

} // namespace BitmapFile
