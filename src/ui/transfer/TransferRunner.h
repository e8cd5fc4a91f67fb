#pragma once
#include "ui/document/TransferJobFollower.h"

class CAppSettings;
class IMessageSink;
class QWidget;

// The editor's follower of a transfer operation: the project controller runs
// the engine as a transfer job on its worker thread while the modal progress
// dialog (its caption the request's, looked up in the message section)
// follows it and lets the user stop it. The interface thread keeps running
// its event loop all the while, so the window never blocks. The outcome goes
// back to the operation, which shows its message.
class CTransferRunner : public ITransferJobFollower
{
public:
    CTransferRunner(QWidget* parent, const CAppSettings& settings, IMessageSink& messages)
        : parent_(parent),
          settings_(settings),
          messages_(messages)
    {}
    TransferOutcome Follow(CTransferJob& job, const TransferRequest& request) override;

private:
    QWidget* parent_;
    const CAppSettings& settings_;
    IMessageSink& messages_;
};
