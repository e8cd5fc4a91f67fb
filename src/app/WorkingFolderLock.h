#pragma once
#include <QString>

#include <memory>

class QLockFile;

// The mark of a live editor on a working folder under the projects root (a
// project folder, or the scratch folder of an open or a recovery): a lock
// file inside the folder that names the editor's process. The folder is
// alive while that process runs; a folder whose lock names a process that is
// gone, or that has no lock, was left by an earlier run. Editors that share
// a projects root (two users, two runtime folders of one user) never touch a
// live folder of another. The lock goes when this object goes; the folder
// stays unless RemoveFolder is called.
class CWorkingFolderLock
{
public:
    CWorkingFolderLock();
    ~CWorkingFolderLock();
    CWorkingFolderLock(CWorkingFolderLock&& other) noexcept;
    CWorkingFolderLock& operator=(CWorkingFolderLock&& other) noexcept;

    // The lock file's name inside a working folder; never packed or copied.
    static QString FileName();

    // Locks the existing folder `folder`, letting go of the one held before.
    // False when a live editor (this one included) holds it or it cannot be
    // locked.
    bool Take(const QString& folder);
    // A working folder for `baseName` under `root`: <baseName>, else
    // <baseName>-2, -3, ...: the first that no live editor holds. It is made
    // when missing, locked, and emptied of what an earlier run left in it.
    // Returns its name; empty on failure (the lock is then unchanged).
    QString Claim(const QString& root, const QString& baseName);

    bool IsHeld() const;
    // The folder held; empty when none.
    QString Folder() const;
    // Deletes everything in the folder but the lock.
    void EmptyFolder() const;
    // Deletes the folder held, with all it holds, and lets go of it.
    void RemoveFolder();
    // Lets go of the folder; it stays as it is.
    void Release();

    // True when a live editor holds `folder` (a lock of this process counts).
    static bool IsAlive(const QString& folder);

private:
    std::unique_ptr<QLockFile> lock_;
    QString folder_;
};
