#include "FileReplace.h"

#include <windows.h>

#include <random>
#include <string>

namespace platform {

namespace testing {
bool (*failBeforeReplace)() = nullptr;
} // namespace testing

namespace {

std::wstring randomSuffix()
{
    static thread_local std::mt19937_64 generator{std::random_device{}()};
    constexpr wchar_t kDigits[] = L"0123456789abcdefghijklmnopqrstuvwxyz";
    std::wstring s;
    for (int i = 0; i < 8; ++i)
        s += kDigits[generator() % 36];
    return s;
}

bool syncFile(const std::filesystem::path& path)
{
    HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    const bool ok = FlushFileBuffers(h) != 0;
    CloseHandle(h);
    return ok;
}

} // namespace

int PermissionBits(const std::filesystem::path& path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return -1;
    return (attributes & FILE_ATTRIBUTE_READONLY) ? 0444 : 0666;
}

ReplacementFile::ReplacementFile(std::filesystem::path target, int /*newMode*/)
    : target_(std::move(target))
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::filesystem::path path = target_;
        path += L".tmp-" + randomSuffix();
        HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE) {
            if (GetLastError() == ERROR_FILE_EXISTS)
                continue;
            return;
        }
        CloseHandle(h);
        path_ = std::move(path);
        return;
    }
}

ReplacementFile::~ReplacementFile()
{
    if (!path_.empty())
        DeleteFileW(path_.c_str());
}

bool ReplacementFile::Commit()
{
    if (path_.empty())
        return false;
    bool ok = syncFile(path_);
    if (ok && testing::failBeforeReplace && testing::failBeforeReplace())
        ok = false;
    // A read-only target refuses to be replaced: its attribute goes for the
    // replace and comes back on the new file (or on the old one after a
    // failure).
    const DWORD attributes = GetFileAttributesW(target_.c_str());
    const bool targetReadOnly =
        attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
    if (ok && targetReadOnly)
        ok = SetFileAttributesW(target_.c_str(), attributes & ~DWORD(FILE_ATTRIBUTE_READONLY)) != 0;
    const bool moved = ok
                       && MoveFileExW(path_.c_str(), target_.c_str(),
                                      MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
                              != 0;
    if (!moved) {
        if (ok && targetReadOnly)
            SetFileAttributesW(target_.c_str(), attributes);
        DeleteFileW(path_.c_str());
        path_.clear();
        return false;
    }
    path_.clear();
    if (targetReadOnly) {
        const DWORD now = GetFileAttributesW(target_.c_str());
        if (now != INVALID_FILE_ATTRIBUTES)
            SetFileAttributesW(target_.c_str(), now | FILE_ATTRIBUTE_READONLY);
    }
    return true;
}

} // namespace platform
