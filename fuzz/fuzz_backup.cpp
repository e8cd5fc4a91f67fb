// A runtime backup file's bytes through the restore checks.
#include "FuzzSupport.h"
#include "app/TransferOperations.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = FuzzSupport::Bytes(data, size);
    for (const std::array<uint16_t, 4>& firmware :
         {std::array<uint16_t, 4>{1, 0, 0, 4}, std::array<uint16_t, 4>{0, 0, 0, 0}}) {
        const TransferOperations::RestoreCheck check =
            TransferOperations::CheckRestoreBytes(bytes, QStringLiteral("/dev/null"), firmware);
        if (check.error.isEmpty() && check.image.size() + 64 != bytes.size())
            __builtin_trap(); // an accepted backup is its image and the trailer
    }
    return 0;
}
