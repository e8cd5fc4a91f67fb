#pragma once
#include <functional>
#include <memory>

class QThread;

// The one thread mechanism of the core: a compilation or a transfer runs its
// work on a thread of its own. The owner waits for the work before it goes
// (the destructor joins), so nothing the work reports to can be used after
// it is gone.
class CWorkerThread
{
public:
    CWorkerThread();
    ~CWorkerThread();
    CWorkerThread(const CWorkerThread&) = delete;
    CWorkerThread& operator=(const CWorkerThread&) = delete;

    // Runs `work` on a new thread; a previous run is waited for first.
    void Start(std::function<void()> work);
    // Joins the running work; returns at once when none runs.
    void Wait();
    bool IsRunning() const;

private:
    std::unique_ptr<QThread> thread_;
};
