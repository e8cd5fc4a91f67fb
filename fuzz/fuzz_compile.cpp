// The compiler on a project made of the fuzzer's bytes (FuzzProject), its
// screens' objects handed over in memory. The compilation must end, its
// runtime image must read back, and every record read must be what the
// project asked for (ImageRoundTrip); a difference is a finding.
#include "FuzzProject.h"
#include "FuzzSupport.h"
#include "ImageRoundTrip.h"
#include "app/Compiler.h"
#include "base/CoreLimits.h"
#include "compiler/Compilation.h"
#include "compiler/CompileReporter.h"
#include "runtime/RuntimeImageReader.h"

#include <cstdio>

namespace {

[[noreturn]] void finding(const QString& what)
{
    std::fprintf(stderr, "fuzz_compile: %s\n", qPrintable(what));
    __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > 4096) // the project's size cap: every field is in the first bytes
        return 0;
    CTessanApp& app = FuzzSupport::App();
    CFuzzBytes in(data, size);
    const auto screens = FuzzProject::Build(app, in);

    CompileInput input = CCompiler::InputFrom(app);
    input.writeDebugFiles = false;
    input.screenObjects = screens;
    CSilentCompileReporter reporter;
    CCompilation compilation(std::move(input), reporter);
    compilation.SetFinalPause(0);
    if (!compilation.Run())
        finding(QStringLiteral("the compilation did not end"));
    const CompileOutput& output = compilation.Output();
    const QByteArray& runtime = output.images.runtime;
    if (runtime.size() >= CoreLimits::kRuntimeImageLimit && output.warnings == 0)
        finding(QStringLiteral("an image too large for the panel without a size warning"));

    RuntimeImage image;
    QString error;
    if (!ReadRuntimeImage(runtime, image, &error))
        finding(QStringLiteral("the image does not read back: ") + error);
    const QString difference = ImageRoundTrip::Compare(app.model, screens, output.hzLib, image);
    if (!difference.isEmpty())
        finding(difference);
    return 0;
}
