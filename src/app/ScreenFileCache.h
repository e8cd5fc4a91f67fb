#pragma once
#include <QString>

#include <map>
#include <memory>

class CDiagramEntityContainer;
class CProjectModel;

// Screen files parsed once and kept while their bytes stay the same: each
// call reads the file (cheap) and parses it again only when its bytes or the
// project's range mode differ from the last time. For a view that goes over
// every screen of a project on each edit (the cross-reference) while most
// screens are not open.
class CScreenFileCache
{
public:
    CScreenFileCache();
    ~CScreenFileCache();
    CScreenFileCache(const CScreenFileCache&) = delete;
    CScreenFileCache& operator=(const CScreenFileCache&) = delete;

    // The objects of the screen file at `path`; null when it cannot be read.
    const CDiagramEntityContainer* Objects(const QString& path, const CProjectModel& model);
    // Forgets every file (another project, or the same folder made anew).
    void Clear();

private:
    struct Entry;
    std::map<QString, std::unique_ptr<Entry>> entries_;
};
