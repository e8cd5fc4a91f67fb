#include "UserSession.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

namespace platform {

std::string UserIdentity()
{
    return std::to_string(unsigned(::getuid()));
}

std::string UserRuntimeFolder()
{
    const char* xdg = std::getenv("XDG_RUNTIME_DIR");
    if (xdg && *xdg)
        return xdg;
    const char* tmp = std::getenv("TMPDIR");
    const std::string dir =
        std::string(tmp && *tmp ? tmp : "/tmp") + "/qv-runtime-" + UserIdentity();
    ::mkdir(dir.c_str(), 0700);
    struct stat st;
    // Someone else's folder (or a link planted in its place) is not ours.
    if (::lstat(dir.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::getuid())
        return std::string();
    if ((st.st_mode & 0777) != 0700 && ::chmod(dir.c_str(), 0700) != 0)
        return std::string();
    return dir;
}

std::string LocalServerName(std::string_view base)
{
    std::string dir = UserRuntimeFolder();
    if (dir.empty())
        dir = "/tmp";
    return dir + "/" + std::string(base) + ".socket";
}

} // namespace platform
