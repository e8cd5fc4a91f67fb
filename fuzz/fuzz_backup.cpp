// A runtime backup file through the restore checks.
#include "FuzzSupport.h"
#include "app/TransferOperations.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString path = FuzzSupport::WriteScratch(QStringLiteral("in.rtfbak"),
                                                   FuzzSupport::Bytes(data, size));
    for (const std::array<uint16_t, 4>& firmware :
         {std::array<uint16_t, 4>{1, 0, 0, 4}, std::array<uint16_t, 4>{0, 0, 0, 0}})
        (void)TransferOperations::CheckRestore(path, QStringLiteral("/dev/null"), firmware);
    return 0;
}
