#pragma once
#include "compiler/Compilation.h"
#include "compiler/CompiledImages.h"
#include "compiler/CompileReporter.h"

#include "base/CoreLimits.h"
#include "base/WorkerThread.h"

#include <memory>

class CTessanApp;

// One compilation of the open project into the application's runtime image.
// Its input is copied from the application state when it starts; its output
// is taken over on the caller's thread when it ends (Run) or when the caller
// waits for it (Start, then Wait): the runtime image, the font library, the
// bitmap data, the saved state the image stands for, and the debug-file
// warnings through
// the reporter. It ends early at its stop checks when the application's stop
// flag is set.
class CCompiler
{
public:
    // Without a reporter a compilation ends at once.
    CCompiler(CTessanApp& app, ICompileReporter* reporter);
    ~CCompiler();
    CCompiler(const CCompiler&) = delete;
    CCompiler& operator=(const CCompiler&) = delete;

    // The pause before the final progress report (100 ms, so that a progress
    // dialog shows its last state); 0 for callers without one.
    void SetFinalPause(int ms) { finalPauseMs_ = ms; }

    // Runs one compilation on a worker thread; the reporter's Finished marks
    // its end there. Wait joins it and takes its output over.
    void Start();
    void Wait();

    // One compilation on the calling thread; true when it ran to its end.
    bool Run();

    bool Completed() const { return completed_; }
    int Warnings() const { return warnings_; }
    // The images of the last completed compilation.
    const CompiledImages& Images() const { return images_; }

    // A runtime image of this size or more cannot be sent to the panel.
    static constexpr qsizetype kTransferLimit = CoreLimits::kRuntimeImageLimit;
    static constexpr qsizetype kFontImageLimit = CCompilation::kFontImageLimit;

    // The input of a compilation of the application's open project.
    static CompileInput InputFrom(const CTessanApp& app);
    // Takes a compilation's output over into the application state; the
    // debug-file warnings go to `reporter` when given.
    static void TakeOver(CTessanApp& app, CompileOutput& output, ICompileReporter* reporter);

private:
    void takeOver();

    CTessanApp& app_;
    ICompileReporter* reporter_;
    std::unique_ptr<CCompilation> compilation_;
    CWorkerThread worker_;
    CompiledImages images_;
    int finalPauseMs_ = 100;
    int warnings_ = 0;
    bool completed_ = false;
};
