#include "FileReplace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <random>
#include <string>

namespace platform {

namespace testing {
bool (*failBeforeReplace)() = nullptr;
} // namespace testing

namespace {

std::string randomSuffix()
{
    static thread_local std::mt19937_64 generator{std::random_device{}()};
    constexpr char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    std::string s;
    for (int i = 0; i < 8; ++i)
        s += kDigits[generator() % 36];
    return s;
}

// Writes what the kernel holds of `path` to the disk.
bool syncPath(const std::filesystem::path& path, int flags)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | flags);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0 || errno == EINVAL; // some file systems sync nothing
    ::close(fd);
    return ok;
}

} // namespace

int PermissionBits(const std::filesystem::path& path)
{
    struct stat st;
    if (::stat(path.c_str(), &st) != 0)
        return -1;
    return int(st.st_mode & 07777);
}

ReplacementFile::ReplacementFile(std::filesystem::path target, int newMode)
    : target_(std::move(target))
{
    const int keep = PermissionBits(target_);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::filesystem::path path = target_;
        path += ".tmp-" + randomSuffix();
        const int fd =
            ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode_t(newMode));
        if (fd < 0) {
            if (errno == EEXIST)
                continue;
            return;
        }
        const bool ok = keep < 0 || ::fchmod(fd, mode_t(keep)) == 0;
        ::close(fd);
        if (!ok) {
            ::unlink(path.c_str());
            return;
        }
        path_ = std::move(path);
        return;
    }
}

ReplacementFile::~ReplacementFile()
{
    if (!path_.empty())
        ::unlink(path_.c_str());
}

bool ReplacementFile::Commit()
{
    if (path_.empty())
        return false;
    bool ok = syncPath(path_, 0);
    if (ok && testing::failBeforeReplace && testing::failBeforeReplace())
        ok = false;
    ok = ok && ::rename(path_.c_str(), target_.c_str()) == 0;
    if (!ok) {
        ::unlink(path_.c_str());
        path_.clear();
        return false;
    }
    path_.clear();
    // The new name is in place; a folder that cannot be synced leaves it to
    // the file system's own schedule.
    std::filesystem::path folder = target_.parent_path();
    syncPath(folder.empty() ? std::filesystem::path(".") : folder, O_DIRECTORY);
    return true;
}

} // namespace platform
