// The INI reader of the settings file, the language files and Prj.ini: a
// file of any bytes read by section and key, one value written back, and
// the bytes parsed as Prj.ini.
#include "FuzzSupport.h"
#include "base/ProfileFile.h"
#include "project/PrjIni.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = FuzzSupport::Bytes(data, size);
    (void)PrjIni::Parse(bytes);
    const QString path = FuzzSupport::WriteScratch(QStringLiteral("QV_Str.fuzz"), bytes);
    (void)CProfileFile::ReadString(path, QStringLiteral("MSG"), QStringLiteral("Warning"));
    (void)CProfileFile::ReadString(path, QStringLiteral("App"), QStringLiteral("Language"));
    (void)CProfileFile::ReadInt(path, QStringLiteral("App"), QStringLiteral("Zoom"), 100);
    (void)CProfileFile::ReadInt(path, QStringLiteral("CONFIG"), QStringLiteral("VersionHH"));
    CProfileFile::WriteString(path, QStringLiteral("App"), QStringLiteral("Zoom"),
                              QStringLiteral("150"));
    if (CProfileFile::ReadString(path, QStringLiteral("App"), QStringLiteral("Zoom"))
        != QStringLiteral("150"))
        __builtin_trap(); // a value written is read back
    return 0;
}
