#pragma once
#include "TransferRunner.h"

class CTessanApp;
class ITransferLink;
class ITransferProgress;

// The runner that talks over a given line on the calling thread: the engine
// runs to its end before Run returns, with no worker thread. The engine
// waits only as long as the line makes it: a line whose reads return at once
// (a panel in this process) makes a whole operation take no waiting. The
// line must outlive the runner.
class CLinkTransferRunner : public ITransferRunner
{
public:
    CLinkTransferRunner(CTessanApp& app, ITransferLink& link, ITransferProgress* progress = nullptr)
        : app_(app),
          link_(link),
          progress_(progress)
    {}
    TransferOutcome Run(const TransferRequest& request) override;

private:
    CTessanApp& app_;
    ITransferLink& link_;
    ITransferProgress* progress_;
};
