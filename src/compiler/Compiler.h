#pragma once
#include "CompiledImages.h"
#include "CompileReporter.h"

#include <thread>

class CTessanApp;

// One compilation of the open project into the runtime image: the screen,
// alarm, font, bitmap and communication images and the project header, joined
// into the application's runtime image buffer. It runs on a worker thread of
// its own (Start) or on the caller's (Run), reports percentages and Output
// lines to its reporter and ends early at its stop checks when the
// application's stop flag is set.
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
    // its end.
    void Start();
    void Wait();

    // One compilation on the calling thread; true when it ran to its end.
    bool Run();

    bool Completed() const { return completed_; }
    int Warnings() const { return warnings_; }
    // The images of the last completed compilation.
    const CompiledImages& Images() const { return images_; }

    // A runtime image of this size or more cannot be sent to the panel.
    static constexpr qsizetype kTransferLimit = 131009;
    static constexpr qsizetype kFontImageLimit = 65535;

private:
    bool compile();

    CTessanApp& app_;
    ICompileReporter* reporter_;
    std::thread thread_;
    CompiledImages images_;
    int finalPauseMs_ = 100;
    int warnings_ = 0;
    bool completed_ = false;
};
