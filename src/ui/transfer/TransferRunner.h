#pragma once
#include "app/TransferRunner.h"

class CTessanApp;
class QWidget;

// The editor's runner of a transfer operation: the engine runs as a transfer
// job on its worker thread while the modal progress dialog (its caption the
// request's, looked up in the message section) follows it and lets the user
// stop it. The interface thread keeps running its event loop all the while,
// so the window never blocks. The outcome goes back to the operation, which
// shows its message.
class CTransferRunner : public ITransferRunner
{
public:
    CTransferRunner(QWidget* parent, CTessanApp& app) : parent_(parent), app_(app) {}
    TransferOutcome Run(const TransferRequest& request) override;

private:
    QWidget* parent_;
    CTessanApp& app_;
};
