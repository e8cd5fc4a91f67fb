#include "WorkerThread.h"

#include <QThread>

CWorkerThread::CWorkerThread() = default;

CWorkerThread::~CWorkerThread()
{
    Wait();
}

void CWorkerThread::Start(std::function<void()> work)
{
    Wait();
    thread_.reset(QThread::create(std::move(work)));
    thread_->start(QThread::NormalPriority);
}

void CWorkerThread::Wait()
{
    if (thread_) {
        thread_->wait();
        thread_.reset();
    }
}

bool CWorkerThread::IsRunning() const
{
    return thread_ && thread_->isRunning();
}
