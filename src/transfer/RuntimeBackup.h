#pragma once
#include <QByteArray>
#include <QDateTime>
#include <QString>

// A runtime backup file (.rtfbak): the bytes an upload received, the image
// in whole 64-byte blocks and a 64-byte trailer whose last 4 bytes are the
// packed password stored in the panel.
class CRuntimeBackup
{
public:
    static constexpr int kTrailerSize = 64;
    // A backup is at most the panel's 128 KB; anything much larger is not one.
    static constexpr qint64 kMaxFileSize = 16 * 1024 * 1024;

    // False when the file cannot be read or is no backup (Parse).
    bool Read(const QString& path);
    // The bytes of a backup file; false when they are 64 or fewer, or more
    // than kMaxFileSize.
    bool Parse(const QByteArray& bytes);
    // Writes the bytes whole or not at all (an existing file stays as it was
    // on failure). Refuses bytes that are no backup.
    static bool Write(const QString& path, const QByteArray& uploaded);

    QByteArray image; // all but the last 64 bytes
    QString password; // the 8 digits of the last 4 bytes

    // "%04u%02u%02u%02u%02u%02u.rtfbak" of the local time.
    static QString DefaultName(const QDateTime& localTime);
    // Appends ".rtfbak" unless the name already ends with exactly that
    // extension after its first character.
    static QString WithExtension(const QString& fileName);
};
