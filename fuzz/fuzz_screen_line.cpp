// One line of a screen file (UTF-16LE, without its line break) read as an
// object of any kind, then written and read again.
#include "FuzzSupport.h"
#include "base/Utf16Le.h"
#include "screen/DiagramEntity.h"
#include "screen/ObjectFactory.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    CTessanApp& app = FuzzSupport::App();
    const bool legacy = data[0] & 1;
    const QString line = Utf16Le::Decode(QByteArrayView(data + 1, qsizetype(size - 1)));
    auto object = CreateObjectFromLine(line, legacy, &app.model);
    if (object) {
        const QString again = object->WriteLine();
        auto copy = CreateObjectFromLine(again, legacy, &app.model);
        if (!copy)
            __builtin_trap(); // what the writer writes, the reader reads
        (void)object->Clone();
    }
    return 0;
}
