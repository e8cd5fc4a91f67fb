#pragma once
#include "app/TransferRunner.h"

class CTransferJob;

// What the editor adds to a transfer that the project controller runs: the
// controller makes the transfer job over the open project and hands it here;
// the follower connects to it, starts it with the request, shows its
// progress (and lets the user stop it) and returns its outcome once it has
// ended. A job that does not start gives the code -1.
class ITransferJobFollower
{
public:
    virtual ~ITransferJobFollower() = default;
    virtual TransferOutcome Follow(CTransferJob& job, const TransferRequest& request) = 0;
};
