// A project bitmap read by the compiler's picture reader and placed into a
// static bitmap's box with each scaling.
#include "FuzzSupport.h"
#include "compiler/CompileContext.h"
#include "app/Compiler.h"
#include "compiler/CompileInput.h"
#include "screen/StaticBitmapPicture.h"

namespace {
class CNullReporter : public ICompileReporter
{
public:
    void Progress(int) override {}
    void ClearOutput() override {}
    void OutputLine(const QString&) override {}
    void Message(const QString&, const QString&) override {}
    void Finished(bool) override {}
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    CTessanApp& app = FuzzSupport::FreshProject();
    FuzzSupport::WriteScratch(QStringLiteral("Temp/Project/F/pic.bmp"), FuzzSupport::Bytes(data, size));
    CNullReporter reporter;
    const CompileInput input = CCompiler::InputFrom(app);
    CompileOutput output;
    CCompileContext ctx(input, output, reporter);
    const QImage picture = ctx.LoadPicture(QString(), QStringLiteral("pic.bmp"), QStringLiteral("F"));
    for (int scaling = 0; scaling < 4; ++scaling)
        (void)StaticBitmapPicture::Render(picture, QRect(3, 5, 40, 24), scaling, scaling & 1);
    return 0;
}
