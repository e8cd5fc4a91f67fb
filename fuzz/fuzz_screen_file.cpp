// A whole screen file read into an object container, written and read again.
#include "FuzzSupport.h"
#include "screen/DiagramEntityContainer.h"
#include "screen/TessanDoc.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CTessanApp& app = FuzzSupport::App();
    CDiagramEntityContainer container;
    const QByteArray bytes = FuzzSupport::Bytes(data, size);
    CTessanDoc::ReadBytes(bytes, container, false, &app.model);
    const QByteArray written = CTessanDoc::WriteBytes(container);
    CDiagramEntityContainer again;
    CTessanDoc::ReadBytes(written, again, false, &app.model);
    if (again.Objects().size() != container.Objects().size())
        __builtin_trap(); // a written screen keeps every object
    CDiagramEntityContainer legacy;
    CTessanDoc::ReadBytes(bytes, legacy, true, &app.model);
    return 0;
}
