#include "FollowedTransferRunner.h"
#include "TransferJobFollower.h"

#include "app/TransferJob.h"

TransferOutcome CFollowedTransferRunner::Run(const TransferRequest& request)
{
    // The job outlives whatever the follower shows: destroying it waits for
    // the engine's worker.
    CTransferJob job(app_);
    return follower_.Follow(job, request);
}
