#pragma once
#include "app/TransferRunner.h"

class CTessanApp;
class ITransferJobFollower;

// The runner that the project controller hands the core's transfer
// operations: each request runs as a transfer job over the controller's
// application object, followed by the editor's follower (its progress
// dialog).
class CFollowedTransferRunner : public ITransferRunner
{
public:
    CFollowedTransferRunner(CTessanApp& app, ITransferJobFollower& follower)
        : app_(app),
          follower_(follower)
    {}
    TransferOutcome Run(const TransferRequest& request) override;

private:
    CTessanApp& app_;
    ITransferJobFollower& follower_;
};
