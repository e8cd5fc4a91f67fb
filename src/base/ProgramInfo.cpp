#include "ProgramInfo.h"

#include <cstdio>
#include <cstring>

#define QV_TEXT_(x) #x
#define QV_TEXT(x) QV_TEXT_(x)

namespace ProgramInfo {

const char* Version()
{
    return QV_TEXT(QV_VERSION_HH) "." QV_TEXT(QV_VERSION_HL) "." QV_TEXT(QV_VERSION_LH) "." QV_TEXT(
        QV_VERSION_LL);
}

int Answer(int argc, char** argv, const char* name, const char* help)
{
    if (argc < 2 || !argv[1])
        return -1;
    if (std::strcmp(argv[1], "--version") == 0) {
        std::printf("%s (Corvel) %s\n", name, Version());
        return 0;
    }
    if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        std::fputs(help, stdout);
        return 0;
    }
    return -1;
}

} // namespace ProgramInfo
