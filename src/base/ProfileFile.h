#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>

// An INI file read and written the way the platform's profile calls do it:
// section and key names compare without regard to case, a missing file, section
// or key gives the caller's default, and a write replaces one value while every
// other line of the file stays as it was. Nothing is cached: each call reads the
// file anew. UTF-8 and UTF-16LE (with or without byte-order mark) are read; a
// file that is neither valid UTF-8 nor UTF-16 is taken as code page 936 text.
// A file is written back in the encoding it was read in, the untouched lines
// byte for byte; new files are UTF-8. Should those bytes read back otherwise
// than meant (a code page 936 file that would read as UTF-8 once a stray byte
// is replaced), the file is written as UTF-8 with a byte-order mark instead.
class CProfileFile
{
public:
    static QString ReadString(const QString& path, const QString& section, const QString& key,
                              const QString& defaultValue = QString());
    static int ReadInt(const QString& path, const QString& section, const QString& key,
                       int defaultValue = 0);
    // Creates the file (and nothing else) when it does not exist yet.
    static bool WriteString(const QString& path, const QString& section, const QString& key,
                            const QString& value);

    // The same reads and write on a file's bytes, in memory: the file calls
    // above go through these.
    static QString ReadStringFromBytes(const QByteArray& bytes, const QString& section,
                                       const QString& key, const QString& defaultValue = QString());
    static int ReadIntFromBytes(const QByteArray& bytes, const QString& section, const QString& key,
                                int defaultValue = 0);
    // The bytes with the value written, in the encoding they were read in.
    static QByteArray WithValue(const QByteArray& bytes, const QString& section, const QString& key,
                                const QString& value);

    // The same lookups on text already in memory.
    static QString ReadStringFromText(const QString& text, const QString& section,
                                      const QString& key, const QString& defaultValue = QString());
    static int ReadIntFromText(const QString& text, const QString& section, const QString& key,
                               int defaultValue = 0);

    // Profile-style integer parse: leading blanks, optional sign, then the
    // leading digits; no digits at all gives the default.
    static int ParseInt(const QString& text, int defaultValue);
};
