#pragma once
#include <filesystem>

// A file written beside its target and then put in its place in one step, so
// that the target is always either whole old or whole new, also after a crash
// or a power cut: the file's bytes reach the disk before it takes the
// target's name, and the folder's new entry right after.
namespace platform {

class ReplacementFile
{
public:
    // Makes a new, empty file beside `target` (the target's name followed by
    // ".tmp-" and a random suffix). It gets the target's permissions (on
    // Windows its read-only attribute, given back after the replace);
    // without a target, `newMode` under the user's umask (POSIX only).
    explicit ReplacementFile(std::filesystem::path target, int newMode = 0666);
    // Removes the file unless it took the target's place.
    ~ReplacementFile();
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;

    // False when no file could be made.
    bool IsOpen() const { return !path_.empty(); }
    // The file to write into, closed; empty when none could be made.
    const std::filesystem::path& Path() const { return path_; }

    // Puts the written file in the target's place. False: the target is
    // untouched (on Windows also when someone holds it open) and the file is
    // gone.
    bool Commit();

private:
    std::filesystem::path target_;
    std::filesystem::path path_;
};

// The permission bits of an existing file (on Windows 0444 for a read-only
// file, else 0666); -1 when there is none.
int PermissionBits(const std::filesystem::path& path);

namespace testing {
// When set, Commit calls it after the file's bytes are on disk and before the
// replace, and fails there when it returns true.
extern bool (*failBeforeReplace)();
} // namespace testing

} // namespace platform
