#pragma once
#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

// The project package is a ZIP container. Entry names are stored in code
// page 936; on reading, names flagged as UTF-8 are taken as UTF-8.

class CZipWriter
{
public:
    CZipWriter();
    ~CZipWriter();
    bool Create(const QString& path);       // replaces an existing file
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
    CZipReader();
    ~CZipReader();
    bool Open(const QString& path);
    int Count() const { return int(names_.size()); }
    QString EntryName(int i) const { return names_.value(i); }
    // Extracts entry i to `filePath` (its folder is created).
    bool Extract(int i, const QString& filePath);
    void Close();
    QString ErrorText() const { return error_; }

private:
    void* unz_ = nullptr;
    QStringList names_;
    std::vector<std::pair<unsigned long long, unsigned long long>> positions_;
    QString error_;
};
