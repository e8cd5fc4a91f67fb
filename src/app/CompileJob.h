#pragma once
#include "compiler/Compilation.h"
#include "base/WorkerThread.h"

#include <QObject>
#include <QString>

#include <memory>

class CTessanApp;

// A compilation of the open project that the caller starts without waiting
// for it. It compiles a copy of the project on a worker thread, so the
// caller's thread goes on (drawing, answering the user) while it runs; its
// progress and Output lines arrive as signals on the thread this object lives
// in. When it ends, its output is taken over there (the runtime image, the
// font library, the bitmap data, the saved state it stands for) and then
// `finished`
// is emitted. Destroying the job cancels it and waits for the worker.
class CCompileJob : public QObject
{
    Q_OBJECT
public:
    explicit CCompileJob(CTessanApp& app, QObject* parent = nullptr);
    ~CCompileJob() override;

    // Clears the stop flag and starts; false when a compilation still runs.
    bool Start();
    // The confirmed Cancel: the compilation ends at its next stop check.
    void Cancel();
    bool IsRunning() const { return running_; }

    // Images of the last completed compilation.
    const CompiledImages& Images() const { return images_; }

    // The pause before the final progress report (100 ms by default, so a
    // progress dialog shows its last state).
    void SetFinalPause(int ms) { finalPauseMs_ = ms; }

signals:
    void progress(int percent);
    void outputCleared();
    void outputLine(const QString& line);
    // A warning box to show (a debug file that could not be written).
    void warning(const QString& text, const QString& caption);
    void finished(bool completed, int warnings);

private:
    class Reporter;
    void takeOver();

    CTessanApp& app_;
    std::unique_ptr<Reporter> reporter_;
    std::unique_ptr<CCompilation> compilation_;
    CWorkerThread worker_;
    CompiledImages images_;
    int finalPauseMs_ = 100;
    bool running_ = false;
};
