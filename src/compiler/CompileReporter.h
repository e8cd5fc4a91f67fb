#pragma once
#include <QString>

// Where a compilation reports: the editor connects it to its progress dialog
// and Output pane, qv-cli to the terminal. Calls come from the compiler's
// worker thread.
class ICompileReporter
{
public:
    virtual ~ICompileReporter() = default;
    // The receiver is ready for reports (the progress dialog's window exists).
    virtual bool IsReady() const { return true; }
    // A percentage 0 to 100; the compiler does not wait for it to be shown.
    virtual void Progress(int percent) = 0;
    virtual void ClearOutput() = 0;
    // One Output-pane line; the compiler waits until it has been appended.
    virtual void OutputLine(const QString& line) = 0;
    // A message box (the debug files that cannot be written).
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
