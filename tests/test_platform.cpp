// The platform layer's test: the same source runs in the Linux build's ctest
// and, cross-compiled for Windows, under wine (`make windows-check`). It uses
// standard C++ only, like the interfaces it tests.
#include "base/platform/EndRequests.h"
#include "base/platform/FileReplace.h"
#include "base/platform/TextCodec936Platform.h"
#include "base/platform/UserSession.h"

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <mutex>
#include <random>
#include <string>

#ifdef _WIN32
#include <windows.h>
#else
#include <csignal>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {

int g_failures = 0;

void check(bool ok, const char* what, int line)
{
    if (!ok) {
        std::fprintf(stderr, "FAIL line %d: %s\n", line, what);
        ++g_failures;
    }
}
#define CHECK(x) check((x), #x, __LINE__)

std::string readFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeFile(const fs::path& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

// What the folder holds besides `keep`: a replace leaves no file of its own.
int strayFiles(const fs::path& folder, const fs::path& keep)
{
    int n = 0;
    for (const auto& entry : fs::directory_iterator(folder))
        n += entry.path().filename() != keep.filename();
    return n;
}

// Writes `bytes` through a replacement of `target`; false when any step fails.
bool replaceWith(const fs::path& target, const std::string& bytes)
{
    platform::ReplacementFile file(target);
    if (!file.IsOpen())
        return false;
    writeFile(file.Path(), bytes);
    return file.Commit();
}

bool alwaysFail()
{
    return true;
}

void durableReplace(const fs::path& scratch)
{
    const fs::path folder = scratch / "replace";
    fs::create_directories(folder);
    const fs::path target = folder / "Line1.cgp";
    const std::string oldBytes(100000, 'o');
    const std::string newBytes(150000, 'n');

    // A new file; then a replace that keeps the target's mode (on Windows its
    // read-only attribute).
    CHECK(replaceWith(target, oldBytes));
    CHECK(readFile(target) == oldBytes);
    fs::permissions(target, fs::perms::owner_read | fs::perms::group_read);
    const int mode = platform::PermissionBits(target);
    CHECK(mode >= 0 && (mode & 0222) == 0);
    CHECK(replaceWith(target, newBytes));
    CHECK(readFile(target) == newBytes);
    CHECK(platform::PermissionBits(target) == mode);
    CHECK(strayFiles(folder, target) == 0);
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write);
    CHECK(replaceWith(target, oldBytes));

    // A failure mid-write: the half-written file goes, the target stays old.
    {
        platform::ReplacementFile file(target);
        CHECK(file.IsOpen());
        writeFile(file.Path(), newBytes.substr(0, newBytes.size() / 2));
    }
    CHECK(readFile(target) == oldBytes);
    CHECK(strayFiles(folder, target) == 0);

    // A failure after the bytes are on disk and before the replace.
    platform::testing::failBeforeReplace = alwaysFail;
    CHECK(!replaceWith(target, newBytes));
    platform::testing::failBeforeReplace = nullptr;
    CHECK(readFile(target) == oldBytes);
    CHECK(strayFiles(folder, target) == 0);

    // A reader holding the old file: on POSIX it goes on reading the old
    // bytes while the name gives the new ones; Windows refuses the replace
    // and the old file stays whole.
    {
        std::ifstream reader(target, std::ios::binary);
        CHECK(reader.good());
        const bool replaced = replaceWith(target, newBytes);
        const std::string held(std::istreambuf_iterator<char>(reader), {});
        CHECK(held == oldBytes);
#ifdef _WIN32
        CHECK(!replaced);
        CHECK(readFile(target) == oldBytes);
#else
        CHECK(replaced);
        CHECK(readFile(target) == newBytes);
#endif
    }
    CHECK(strayFiles(folder, target) == 0);

    // No folder, no file: a clear failure.
    platform::ReplacementFile nowhere(folder / "missing" / "x.cgp");
    CHECK(!nowhere.IsOpen());
    CHECK(!nowhere.Commit());
    CHECK(platform::PermissionBits(folder / "missing") == -1);
}

// FNV-1a over the whole mapping: every byte alone, every pair of a lead byte
// with a byte of the trail range, every UTF-16 code unit encoded.
constexpr std::uint64_t kMappingDigest = 0xe337360c940d7ba0ULL;

std::uint64_t mappingDigest()
{
    std::uint64_t h = 0xcbf29ce484222325ULL;
    auto add = [&h](unsigned value) {
        for (int i = 0; i < 2; ++i) {
            h = (h ^ ((value >> (8 * i)) & 0xFF)) * 0x100000001b3ULL;
        }
    };
    auto decode = [&](std::string_view bytes) {
        for (char16_t unit : platform::DecodeCp936(bytes))
            add(unit);
        add(0xFFFF);
    };
    for (int b = 0; b < 256; ++b) {
        const char c = char(b);
        decode(std::string_view(&c, 1));
    }
    for (int lead = 0x81; lead <= 0xFE; ++lead)
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            const char pair[2] = {char(lead), char(trail)};
            decode(std::string_view(pair, 2));
        }
    for (unsigned u = 0; u < 0x10000; ++u) {
        const char16_t unit = char16_t(u);
        for (char b : platform::EncodeCp936(std::u16string_view(&unit, 1)))
            add(static_cast<unsigned char>(b));
        add(0xFFFF);
    }
    return h;
}

void codec936()
{
    const std::uint64_t digest = mappingDigest();
    if (kMappingDigest != digest)
        std::fprintf(stderr, "code page 936 mapping digest: 0x%016llxULL\n",
                     static_cast<unsigned long long>(digest));
    CHECK(digest == kMappingDigest);

    CHECK(platform::DecodeCp936("\xD6\xD0"
                                "A\x80")
          == u"\u4E2D"
             u"A\u20AC");
    CHECK(platform::EncodeCp936(u"\u4E2D"
                                u"A\u20AC")
          == "\xD6\xD0"
             "A\x80");
    // Stray bytes: a byte outside the code page, a lead byte at the end, a
    // lead byte whose follower is no trail byte (which then counts on its own).
    CHECK(platform::DecodeCp936("A\xFF"
                                "B")
          == u"A\uFFFDB");
    CHECK(platform::DecodeCp936("A\xD6") == u"A\uFFFD");
    CHECK(platform::DecodeCp936("\xD6"
                                "0")
          == u"\uFFFD"
             u"0");
    // Unencodable: a Hangul syllable, a private-use character, a character
    // beyond the BMP (two code units, two "?").
    CHECK(platform::EncodeCp936(u"a\uD55Cb\uE000") == "a?b?");
    CHECK(platform::EncodeCp936(u"\U0001F600") == "??");
    CHECK(platform::DecodeCp936("").empty() && platform::EncodeCp936(u"").empty());
}

#ifndef _WIN32
void setVariable(const char* name, const std::string& value)
{
    if (value.empty())
        unsetenv(name);
    else
        setenv(name, value.c_str(), 1);
}
#endif

void userSession(const fs::path& scratch)
{
    const std::string identity = platform::UserIdentity();
    CHECK(!identity.empty());
    CHECK(identity == platform::UserIdentity());

    const std::string folder = platform::UserRuntimeFolder();
    CHECK(!folder.empty() && fs::is_directory(fs::path(folder)));
#ifdef _WIN32
    CHECK(platform::LocalServerName("corvel-qv") == "corvel-qv-" + identity);
#else
    CHECK(platform::LocalServerName("corvel-qv") == folder + "/corvel-qv.socket");
    // Without XDG_RUNTIME_DIR: a folder of the user's own in TMPDIR, made
    // private; a folder with looser rights is tightened; a link planted in
    // its place is refused.
    const char* xdg = std::getenv("XDG_RUNTIME_DIR");
    const std::string savedXdg = xdg ? xdg : "";
    const fs::path tmp = scratch / "tmp";
    fs::create_directories(tmp);
    setVariable("XDG_RUNTIME_DIR", "");
    setVariable("TMPDIR", tmp.string());
    const fs::path own = tmp / ("qv-runtime-" + identity);
    CHECK(platform::UserRuntimeFolder() == own.string());
    CHECK(platform::PermissionBits(own) == 0700);
    fs::permissions(own, fs::perms::owner_all | fs::perms::group_read | fs::perms::others_read);
    CHECK(platform::UserRuntimeFolder() == own.string());
    CHECK(platform::PermissionBits(own) == 0700);
    fs::remove(own);
    fs::create_directories(tmp / "elsewhere");
    fs::create_directory_symlink(tmp / "elsewhere", own);
    CHECK(platform::UserRuntimeFolder().empty());
    CHECK(platform::LocalServerName("corvel-qv") == "/tmp/corvel-qv.socket");
    setVariable("XDG_RUNTIME_DIR", savedXdg);
    setVariable("TMPDIR", "");
    CHECK(platform::UserRuntimeFolder()
          == (savedXdg.empty() ? "/tmp/qv-runtime-" + identity : savedXdg));
#endif
    (void)scratch;
}

// Raises the request to end of the kind the platform sends most: a SIGTERM on
// POSIX, the end of the session on Windows. False when it cannot be sent:
// wine without a display makes no windows.
bool sendEndRequest()
{
#ifdef _WIN32
    HWND window = FindWindowW(L"CorvelEndRequestWindow", nullptr);
    if (!window) {
        std::printf("end of session not sent: no window can be made here\n");
        return false;
    }
    return PostMessageW(window, WM_ENDSESSION, TRUE, 0) != 0;
#else
    return std::raise(SIGTERM) == 0;
#endif
}

void endRequests()
{
    std::mutex mutex;
    std::condition_variable told;
    int received = 0;
    {
        platform::EndRequestWatcher watcher([&](int number) {
            std::lock_guard<std::mutex> lock(mutex);
            received = number;
            told.notify_all();
        });
        CHECK(watcher.IsActive());
        platform::EndRequestWatcher second([](int) {});
        CHECK(!second.IsActive());
        if (!sendEndRequest())
            return;
        std::unique_lock<std::mutex> lock(mutex);
        CHECK(told.wait_for(lock, std::chrono::seconds(10), [&] { return received != 0; }));
        CHECK(received == 15);
    }
    // Gone: a new one may watch.
    platform::EndRequestWatcher again([](int) {});
    CHECK(again.IsActive());
}

} // namespace

int main()
{
    const fs::path scratch =
        fs::temp_directory_path() / ("qv-platform-test-" + std::to_string(std::random_device{}()));
    std::error_code ec;
    fs::remove_all(scratch, ec);
    fs::create_directories(scratch);
    durableReplace(scratch);
    codec936();
    userSession(scratch);
    endRequests();
    fs::remove_all(scratch, ec);
    if (g_failures == 0)
        std::printf("platform tests passed\n");
    return g_failures == 0 ? 0 : 1;
}
