#pragma once
#include <QString>

// Where a compilation reports: the editor posts the reports to its progress
// dialog and Output pane, qv-cli prints them. Progress, ClearOutput,
// OutputLine and Finished come from the thread that runs the compilation
// (a worker thread for the editor) and must not block; Message comes from the
// caller's thread when it takes the compilation's output over.
class ICompileReporter
{
public:
    virtual ~ICompileReporter() = default;
    // A percentage 0 to 100; the compiler does not wait for it to be shown.
    virtual void Progress(int percent) = 0;
    virtual void ClearOutput() = 0;
    // One Output-pane line.
    virtual void OutputLine(const QString& line) = 0;
    // A warning box (a debug file that cannot be written).
    virtual void Message(const QString& text, const QString& caption) = 0;
    // The compilation is over: `completed` when it ran to its end.
    virtual void Finished(bool completed) { (void)completed; }
};

// Reports nowhere; message boxes go to the application's message sink.
class CSilentCompileReporter : public ICompileReporter
{
public:
    explicit CSilentCompileReporter(class IMessageSink* sink = nullptr) : sink_(sink) {}
    void Progress(int) override {}
    void ClearOutput() override {}
    void OutputLine(const QString&) override {}
    void Message(const QString& text, const QString& caption) override;

private:
    IMessageSink* sink_;
};
