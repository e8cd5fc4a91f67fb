// The INI reader of the settings file, the language files and Prj.ini: a
// file's bytes read by section and key, one value written back, and the
// bytes parsed as Prj.ini. The file calls read and write through the same
// functions on bytes, so nothing here touches a disk.
#include "FuzzSupport.h"
#include "base/ProfileFile.h"
#include "project/PrjIni.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = FuzzSupport::Bytes(data, size);
    (void)PrjIni::Parse(bytes);
    (void)CProfileFile::ReadStringFromBytes(bytes, QStringLiteral("MSG"),
                                            QStringLiteral("Warning"));
    (void)CProfileFile::ReadIntFromBytes(bytes, QStringLiteral("App"), QStringLiteral("Zoom"), 100);
    const QByteArray written = CProfileFile::WithValue(
        bytes, QStringLiteral("App"), QStringLiteral("Zoom"), QStringLiteral("150"));
    if (CProfileFile::ReadStringFromBytes(written, QStringLiteral("App"), QStringLiteral("Zoom"))
        != QStringLiteral("150"))
        __builtin_trap(); // a value written is read back
    return 0;
}
