#pragma once
#include <string>
#include <string_view>

// The user the program runs for, and where it keeps what lives only while
// that user is logged in. Texts are UTF-8.
namespace platform {

// A text that names this user and no other: the numeric user id on POSIX,
// the user's security identifier on Windows.
std::string UserIdentity();

// A folder only this user may enter: $XDG_RUNTIME_DIR when set, otherwise
// qv-runtime-<identity> in the temporary folder, made (mode 0700) when
// missing and refused when it belongs to someone else; on Windows the user's
// own temporary folder. Empty when there is none.
std::string UserRuntimeFolder();

// The name under which one program listens for its later starts: a socket in
// the runtime folder on POSIX, a pipe name carrying the user's identity on
// Windows (pipe names are machine-wide).
std::string LocalServerName(std::string_view base);

} // namespace platform
