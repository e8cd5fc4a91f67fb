#pragma once
#include "DiagramEntityContainer.h"

#include <QByteArray>
#include <QString>

class CProjectModel;
class IScreenDocumentHost;

// The document of one screen: its object container and its screen file.
// The screen file is UTF-16LE without byte-order mark: the header line
// "paper:%i,%i;" and one line per object in list order, each ended by CR LF.
// This is the one reader and the one writer of screen files.
class CTessanDoc
{
public:
    // With a host, the container reports to its message sink, takes fresh
    // group numbers from its counter, new objects take their default
    // registers from its project and loading follows its legacy range mode.
    explicit CTessanDoc(IScreenDocumentHost* host = nullptr);

    CDiagramEntityContainer& Container() { return container_; }
    const CDiagramEntityContainer& Container() const { return container_; }

    bool Load(const QString& path, QString* error = nullptr);
    bool Save(const QString& path, QString* error = nullptr);

    // The screen counts as modified exactly when what its file would hold
    // differs from what the document last read or wrote: an edit that an
    // undo takes back leaves it unmodified. Load takes the state read as
    // saved; TakeAsSaved does so once a save has put the state into the
    // package, and for a state set up after reading (the panel's paper).
    // Writing the file alone (Save) is no save of the project.
    bool IsModified() const;
    void TakeAsSaved();

    // The loader and writer for callers without a document (the compiler,
    // the new-screen command). Loading empties the container first; a
    // screen of more objects than the object limit loads whole, with one
    // warning to the container's message sink.
    static bool LoadFile(const QString& path, CDiagramEntityContainer& container,
                         bool legacyRangeMode, const CProjectModel* model = nullptr,
                         QString* error = nullptr);
    static bool SaveFile(const QString& path, CDiagramEntityContainer& container,
                         QString* error = nullptr);

    // A screen file's bytes as the loader takes them (none past the size
    // limit).
    static bool ReadFileBytes(const QString& path, QByteArray* bytes, QString* error = nullptr);
    // The same on bytes in memory.
    static void ReadBytes(const QByteArray& bytes, CDiagramEntityContainer& container,
                          bool legacyRangeMode, const CProjectModel* model = nullptr);
    static QByteArray WriteBytes(const CDiagramEntityContainer& container);

    // The largest screen file that is read.
    static constexpr qint64 kMaxFileSize = 64 * 1024 * 1024;

private:
    IScreenDocumentHost* host_;
    CDiagramEntityContainer container_;
    QByteArray savedBytes_;
};
