#pragma once
#include "TransferRunner.h"

class CTessanApp;

// The runner of callers without an event loop to keep (qv-cli, the core's
// tests): the engine runs on its worker thread and the calling thread waits
// for it. Progress goes to `progress` when one is given.
class CBlockingTransferRunner : public ITransferRunner
{
public:
    explicit CBlockingTransferRunner(CTessanApp& app, ITransferProgress* progress = nullptr)
        : app_(app),
          progress_(progress)
    {}
    TransferOutcome Run(const TransferRequest& request) override;

private:
    CTessanApp& app_;
    ITransferProgress* progress_;
};
