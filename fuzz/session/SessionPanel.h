#pragma once
#include "PanelLink.h"
#include "PanelProtocol.h"
#include "ui/document/TransferJobFollower.h"

#include <QByteArray>

class CTessanApp;

// The panel at the other end of the session's transfers: the panel's own
// protocol, held in this process behind a line whose bytes arrive at once.
// The editor hands each request to its follower; this one runs the transfer
// engine over that line on the calling thread, with no thread and no wait.
class CSessionPanel : public ITransferJobFollower
{
public:
    // The application whose stop flag and texts the engine uses (again
    // after a simulated kill).
    void SetApp(CTessanApp* app) { app_ = app; }

    TransferOutcome Follow(CTransferJob& job, const TransferRequest& request) override;
    // The runtime image the panel holds, cut to `size` bytes: the panel keeps
    // whole 64-byte blocks. Empty before the first download.
    QByteArray Image(qsizetype size) const;
    int Downloads() const { return protocol_.DownloadsStored(); }

private:
    CTessanApp* app_ = nullptr;
    CPanelProtocol protocol_{PanelProtocolOptions{}};
    CPanelLink link_{protocol_};
};
