#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <utility>
#include <vector>

// The project package is a ZIP container. Entry names are stored in code
// page 936; on reading, names flagged as UTF-8 are taken as UTF-8.

class CZipWriter
{
public:
    CZipWriter();
    ~CZipWriter();
    bool Create(const QString& path); // replaces an existing file
    bool AddFile(const QString& entryName, const QString& filePath);
    bool Close();
    QString ErrorText() const { return error_; }

private:
    void* zip_ = nullptr;
    QString error_;
};

class CZipReader
{
public:
    // Bounds of what a package may unpack to: more entries, or more bytes
    // in all by the sizes in the ZIP directory, and Open refuses the package;
    // an extraction that would write more than the directory gave fails.
    static constexpr qint64 kMaxEntries = 10000;
    static constexpr qint64 kMaxTotalSize = qint64(1) << 30;

    CZipReader();
    ~CZipReader();
    bool Open(const QString& path);
    // The same for a package held in memory (a copy is kept while open);
    // `name` names it in the error texts.
    bool OpenBytes(const QByteArray& package, const QString& name);
    int Count() const { return int(names_.size()); }
    QString EntryName(int i) const { return names_.value(i); }
    // The index of the entry named `name` exactly; -1 when there is none.
    int Find(const QString& name) const { return int(names_.indexOf(name)); }
    // Extracts entry i to `filePath` (its folder is created).
    bool Extract(int i, const QString& filePath);
    // Reads entry i into memory, within the same bounds.
    bool Read(int i, QByteArray* bytes);
    void Close();
    QString ErrorText() const { return error_; }

private:
    // The entry names and sizes of the ZIP directory of the package just
    // opened, for file and memory alike.
    bool readDirectory(const QString& path);
    // Unpacks entry i piece by piece into `take` (false: stop, failed).
    bool unpackEntry(int i, const std::function<bool(const char*, int)>& take);

    void* unz_ = nullptr;
    QByteArray bytes_; // the package opened from memory
    QStringList names_;
    std::vector<std::pair<unsigned long long, unsigned long long>> positions_;
    std::vector<qint64> sizes_; // uncompressed sizes from the ZIP directory
    qint64 extracted_ = 0;
    QString error_;
};
