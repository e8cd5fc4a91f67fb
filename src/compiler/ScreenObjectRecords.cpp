#include "ScreenObjectRecords.h"
#include "CompileContext.h"

namespace ScreenObjectRecords {

QByteArray Build(CCompileContext&, const QString&, const QString&, int* count)
{
    // The object model is not part of this build yet: screens compile empty.
    *count = 0;
    return QByteArray();
}

} // namespace ScreenObjectRecords
