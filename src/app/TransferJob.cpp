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

bool CTransferJob::Start(int operation, const QString& port, uint8_t enableUpdate,
                         const QByteArray& packedPassword)
{
    if (running_)
        return false;
    worker_.Wait();
    engine_ = std::make_unique<CTransfer>(app_.settings, app_.stopFlag);
    engine_->m_strPort = port;
    engine_->m_nOperation = operation;
    engine_->m_byEnableUpdate = enableUpdate;
    engine_->SetPassword(packedPassword);
    engine_->m_arrSend = operation == TO_DOWNLOAD ? app_.runtimeImage : QByteArray();
    engine_->m_pProgressWnd.store(this);
    running_ = true;
    worker_.Start([this] {
        engine_->Run();
        QMetaObject::invokeMethod(this, [this] { end(); }, Qt::QueuedConnection);
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
