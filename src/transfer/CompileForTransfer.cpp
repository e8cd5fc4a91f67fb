#include "CompileForTransfer.h"

#include "app/TessanApp.h"

// The compiler lands separately; until then a transfer that needs a fresh
// image says so plainly instead of sending a stale one.
bool CompileProjectForTransfer(CTessanApp& app)
{
    app.ShowMessage(QStringLiteral("compiler not available"), QStringLiteral("Error"));
    return false;
}
