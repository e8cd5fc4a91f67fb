#pragma once
#include "TransferRequest.h"
#include "base/MessageSink.h"
#include "transfer/Transfer.h"
#include "transfer/TransferOutcome.h"
#include "transfer/TransferProgress.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <cstdint>
#include <memory>

class CTessanApp;

// One transfer operation that the caller starts without waiting for it. The
// engine runs on a worker thread; progress arrives as a signal on the thread
// this object lives in, and `finished` carries the outcome there — the job
// shows no message itself. Destroying the job cancels it and waits for the
// worker, so the engine never reports to a receiver that is gone.
class CTransferJob : public QObject, private ITransferProgress
{
    Q_OBJECT
public:
    explicit CTransferJob(CTessanApp& app, QObject* parent = nullptr);
    ~CTransferJob() override;

    // Starts one operation (a download sends the request's image); false
    // when one still runs.
    bool Start(const TransferRequest& request);
    // The confirmed Cancel: the engine stops at its next check and the
    // outcome is "escaped" (PTC006).
    void Cancel();
    bool IsRunning() const { return running_; }

signals:
    void progress(int percent, int finalFlag);
    void finished(const TransferOutcome& outcome);

private:
    void PostProgress(int percent, int finalFlag) override { emit progress(percent, finalFlag); }
    void end();

    CTessanApp& app_;
    std::unique_ptr<CTransfer> engine_;
    CWorkerThread worker_;
    bool running_ = false;
};
