#pragma once
#include "ui/document/TransferJobFollower.h"

#include <QByteArray>

// The panel at the other end of the session's transfers. The editor hands
// each request to its follower; this one runs the request at once on the
// calling thread, against a panel that lives in memory.
class CSessionPanel : public ITransferJobFollower
{
public:
    TransferOutcome Follow(CTransferJob& job, const TransferRequest& request) override;
    // The runtime image the panel holds (empty before the first download).
    QByteArray Image() const { return image_; }
    int Downloads() const { return downloads_; }

private:
    QByteArray image_;
    int downloads_ = 0;
};
