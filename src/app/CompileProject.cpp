#include "CompileProject.h"
#include "app/Compiler.h"
#include "TessanApp.h"

bool CompileProjectForTransfer(CTessanApp& app, ICompileReporter* reporter)
{
    CSilentCompileReporter silent(app.messages);
    CCompiler compiler(app, reporter ? reporter : &silent);
    compiler.SetFinalPause(0);
    app.stopFlag.store(0);
    return compiler.Run();
}
