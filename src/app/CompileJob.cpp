#include "CompileJob.h"
#include "Compiler.h"
#include "TessanApp.h"

#include <QMetaObject>

// Turns the compilation's reports into signals of the job. Signals emitted
// on the worker thread reach receivers on the job's thread as queued calls.
class CCompileJob::Reporter : public ICompileReporter
{
public:
    explicit Reporter(CCompileJob& job) : job_(job) {}
    void Progress(int percent) override { emit job_.progress(percent); }
    void ClearOutput() override { emit job_.outputCleared(); }
    void OutputLine(const QString& line) override { emit job_.outputLine(line); }
    void Message(const QString& text, const QString& caption) override
    {
        emit job_.warning(text, caption);
    }
    void Finished(bool) override
    {
        QMetaObject::invokeMethod(
            &job_, [this] { job_.takeOver(); }, Qt::QueuedConnection);
    }

private:
    CCompileJob& job_;
};

CCompileJob::CCompileJob(CTessanApp& app, QObject* parent)
    : QObject(parent),
      app_(app),
      reporter_(std::make_unique<Reporter>(*this))
{}

CCompileJob::~CCompileJob()
{
    if (running_)
        Cancel();
    worker_.Wait();
}

bool CCompileJob::Start()
{
    if (running_)
        return false;
    worker_.Wait();
    app_.stopFlag.store(0);
    compilation_ = std::make_unique<CCompilation>(CCompiler::InputFrom(app_), *reporter_);
    compilation_->SetFinalPause(finalPauseMs_);
    running_ = true;
    worker_.Start([this] { reporter_->Finished(compilation_->Run()); });
    return true;
}

void CCompileJob::Cancel()
{
    app_.stopFlag.store(1);
}

void CCompileJob::takeOver()
{
    worker_.Wait();
    running_ = false;
    if (!compilation_)
        return;
    CompileOutput& output = compilation_->Output();
    CCompiler::TakeOver(app_, output, reporter_.get());
    const bool completed = output.completed;
    const int warnings = output.warnings;
    if (completed)
        images_ = std::move(output.images);
    compilation_.reset();
    emit finished(completed, warnings);
}
