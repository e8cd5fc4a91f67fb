#include "WorkingFolderLock.h"
#include "base/SafePath.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>

namespace {

// Enough for any number of editors sharing one projects root.
constexpr int kMaxSuffix = 999;

std::unique_ptr<QLockFile> lockOf(const QString& folder)
{
    auto lock =
        std::make_unique<QLockFile>(folder + QLatin1Char('/') + CWorkingFolderLock::FileName());
    // Qt's default takes a lock older than 30 s for stale, also that of a
    // live editor: only a lock whose process is gone is stale here.
    lock->setStaleLockTime(0);
    return lock;
}

} // namespace

CWorkingFolderLock::CWorkingFolderLock() = default;
CWorkingFolderLock::~CWorkingFolderLock() = default;
CWorkingFolderLock::CWorkingFolderLock(CWorkingFolderLock&& other) noexcept = default;
CWorkingFolderLock& CWorkingFolderLock::operator=(CWorkingFolderLock&& other) noexcept = default;

QString CWorkingFolderLock::FileName()
{
    return QStringLiteral(".working.lock");
}

bool CWorkingFolderLock::Take(const QString& folder)
{
    if (!QFileInfo(folder).isDir() || QFileInfo(folder).isSymLink())
        return false;
    auto lock = lockOf(folder);
    if (!lock->tryLock(0))
        return false;
    lock_ = std::move(lock);
    folder_ = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    return true;
}

QString CWorkingFolderLock::Claim(const QString& root, const QString& baseName)
{
    for (int n = 1; n <= kMaxSuffix; ++n) {
        const QString name = n == 1 ? baseName : baseName + QLatin1Char('-') + QString::number(n);
        QString folder;
        if (!IsPlainFolderName(name) || !SafeJoin(root, name, &folder))
            return QString();
        // A folder that another editor's clean-up removes between the two
        // steps is made again.
        for (int attempt = 0; attempt < 3; ++attempt) {
            if (!QFileInfo(folder).isSymLink())
                QDir().mkpath(folder);
            auto lock = lockOf(folder);
            if (QFileInfo(folder).isDir() && !QFileInfo(folder).isSymLink() && lock->tryLock(0)) {
                lock_ = std::move(lock);
                folder_ = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
                EmptyFolder();
                return name;
            }
            if (lock->error() == QLockFile::LockFailedError || QFileInfo(folder).isSymLink())
                break; // a live editor's: the next name
        }
    }
    return QString();
}

bool CWorkingFolderLock::IsHeld() const
{
    return lock_ && lock_->isLocked();
}

QString CWorkingFolderLock::Folder() const
{
    return IsHeld() ? folder_ : QString();
}

void CWorkingFolderLock::EmptyFolder() const
{
    if (!IsHeld())
        return;
    const QString keep = FileName();
    const QFileInfoList entries = QDir(folder_).entryInfoList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo& entry : entries) {
        if (entry.fileName() == keep)
            continue;
        if (entry.isDir() && !entry.isSymLink())
            QDir(entry.absoluteFilePath()).removeRecursively();
        else
            QFile::remove(entry.absoluteFilePath());
    }
}

void CWorkingFolderLock::RemoveFolder()
{
    if (!IsHeld())
        return;
    // Everything else first, the lock last: the folder is never without it
    // while it still holds files.
    EmptyFolder();
    const QString folder = folder_;
    Release();
    QDir().rmdir(folder);
}

void CWorkingFolderLock::Release()
{
    lock_.reset();
    folder_.clear();
}

bool CWorkingFolderLock::IsAlive(const QString& folder)
{
    if (!QFileInfo::exists(folder + QLatin1Char('/') + FileName()))
        return false;
    auto lock = lockOf(folder);
    if (lock->tryLock(0))
        return false; // stale: it is ours for a moment, and goes again
    return lock->error() == QLockFile::LockFailedError;
}
