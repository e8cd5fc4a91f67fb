#include "TransferJob.h"
#include "TessanApp.h"

#include <QMetaObject>

CTransferJob::CTransferJob(CTessanApp& app, QObject* parent) : QObject(parent), app_(app)
{
    qRegisterMetaType<TransferOutcome>();
}

CTransferJob::~CTransferJob()
{
    if (running_)
        Cancel();
    worker_.Wait();
}

bool CTransferJob::Start(const TransferRequest& request)
{
    if (running_)
        return false;
    worker_.Wait();
    engine_ = std::make_unique<CTransfer>(app_.settings, app_.stopFlag);
    request.ApplyTo(*engine_, this);
    running_ = true;
    worker_.Start([this] {
        engine_->Run();
        QMetaObject::invokeMethod(
            this, [this] { end(); }, Qt::QueuedConnection);
    });
    return true;
}

void CTransferJob::Cancel()
{
    app_.stopFlag.store(1);
}

void CTransferJob::end()
{
    worker_.Wait();
    running_ = false;
    if (!engine_)
        return;
    const TransferOutcome outcome = TransferOutcome::Of(*engine_, app_.settings);
    engine_.reset();
    emit finished(outcome);
}
