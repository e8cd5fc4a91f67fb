#pragma once
#include "CompileInput.h"
#include "CompileReporter.h"

// One compilation of a project into the runtime image: the screen, alarm,
// font, bitmap and communication images and the project header. It works
// only on its input and hands back its output; it runs on whatever thread
// calls Run and reports percentages and Output lines to its reporter as it
// goes. It ends early at its stop checks when the stop flag is set.
class CCompilation
{
public:
    CCompilation(CompileInput input, ICompileReporter& reporter);

    // The pause before the final progress report (100 ms, so that a progress
    // dialog shows its last state); 0 for callers without one.
    void SetFinalPause(int ms) { finalPauseMs_ = ms; }

    // True when the compilation ran to its end (warnings do not fail it).
    bool Run();

    CompileOutput& Output() { return output_; }

    static constexpr qsizetype kFontImageLimit = 65535;

private:
    bool compile();

    CompileInput input_;
    ICompileReporter& reporter_;
    CompileOutput output_;
    int finalPauseMs_ = 100;
};
