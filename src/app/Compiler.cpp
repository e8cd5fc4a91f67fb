#include "Compiler.h"
#include "TessanApp.h"

CCompiler::CCompiler(CTessanApp& app, ICompileReporter* reporter) : app_(app), reporter_(reporter)
{}

CCompiler::~CCompiler()
{
    worker_.Wait();
}

CompileInput CCompiler::InputFrom(const CTessanApp& app)
{
    CompileInput input(app.settings.Paths());
    input.model = app.model.Clone();
    input.projectFolder = app.ProjectFolder();
    input.programVersion = app.programVersion;
    input.hzLib = app.hzLib;
    input.writeDebugFiles = app.settings.GetDebugFlag(QStringLiteral("CompilerData")) != 0;
    input.stopFlag = &app.stopFlag;
    input.savedState = app.StateToCompile();
    return input;
}

void CCompiler::TakeOver(CTessanApp& app, CompileOutput& output, ICompileReporter* reporter)
{
    app.hzLib = std::move(output.hzLib);
    app.bitmapData = std::move(output.bitmapData);
    if (output.completed) {
        app.runtimeImage = output.images.runtime;
        app.imageState = output.savedState;
    }
    if (reporter)
        for (const auto& m : output.messages)
            reporter->Message(m.text, m.caption);
    output.messages.clear();
}

void CCompiler::Start()
{
    Wait();
    completed_ = false;
    if (!reporter_)
        return;
    compilation_ = std::make_unique<CCompilation>(InputFrom(app_), *reporter_);
    compilation_->SetFinalPause(finalPauseMs_);
    worker_.Start([this] { reporter_->Finished(compilation_->Run()); });
}

void CCompiler::Wait()
{
    worker_.Wait();
    takeOver();
}

bool CCompiler::Run()
{
    Wait();
    completed_ = false;
    if (!reporter_)
        return false;
    compilation_ = std::make_unique<CCompilation>(InputFrom(app_), *reporter_);
    compilation_->SetFinalPause(finalPauseMs_);
    const bool completed = compilation_->Run();
    takeOver();
    reporter_->Finished(completed);
    return completed;
}

void CCompiler::takeOver()
{
    if (!compilation_)
        return;
    CompileOutput& output = compilation_->Output();
    TakeOver(app_, output, reporter_);
    completed_ = output.completed;
    warnings_ = output.warnings;
    if (output.completed)
        images_ = std::move(output.images);
    compilation_.reset();
}
