#include "ScreenFileCache.h"
#include "base/CoreLimits.h"
#include "project/ProjectModel.h"
#include "screen/DiagramEntityContainer.h"
#include "screen/TessanDoc.h"

#include <QFileInfo>

struct CScreenFileCache::Entry
{
    QByteArray bytes;
    bool legacyRanges = false;
    CDiagramEntityContainer objects;
};

CScreenFileCache::CScreenFileCache() = default;
CScreenFileCache::~CScreenFileCache() = default;

const CDiagramEntityContainer* CScreenFileCache::Objects(const QString& path,
                                                         const CProjectModel& model)
{
    QByteArray bytes;
    if (!QFileInfo(path).isFile() || !CTessanDoc::ReadFileBytes(path, &bytes)) {
        entries_.erase(path);
        return nullptr;
    }
    const bool legacy = model.IsLegacyRangeMode();
    std::unique_ptr<Entry>& entry = entries_[path];
    if (entry && entry->legacyRanges == legacy && entry->bytes == bytes)
        return &entry->objects;

    entry = std::make_unique<Entry>();
    entry->bytes = bytes;
    entry->legacyRanges = legacy;
    CTessanDoc::ReadBytes(bytes, entry->objects, legacy, &model);
    entry->objects.SetPaperSize(QSize(CoreLimits::kPanelWidth, CoreLimits::kPanelHeight));
    return &entry->objects;
}

void CScreenFileCache::Clear()
{
    entries_.clear();
}
