#include "Terminal.h"

#include <windows.h>

namespace platform {

bool IsTerminal(StandardStream stream)
{
    HANDLE h =
        GetStdHandle(stream == StandardStream::Output ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
    DWORD mode = 0;
    return h != INVALID_HANDLE_VALUE && h != nullptr && GetFileType(h) == FILE_TYPE_CHAR
           && GetConsoleMode(h, &mode) != 0;
}

} // namespace platform
