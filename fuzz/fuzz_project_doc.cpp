// The project document file loaded into a fresh model, then stored again.
#include "FuzzSupport.h"
#include "project/PrjDoc.h"

#include <QDate>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CTessanApp& app = FuzzSupport::FreshModel();
    app.prjDoc.Load(FuzzSupport::Bytes(data, size), app.model);
    (void)app.prjDoc.Store(app.model, QDate(2026, 1, 2));
    return 0;
}
