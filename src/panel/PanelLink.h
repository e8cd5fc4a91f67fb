#pragma once
#include "PanelProtocol.h"
#include "transfer/TransferLink.h"

#include <QByteArray>

// The line to a panel held in this process: what the tool writes goes to the
// panel's protocol at once, and its replies wait to be read. Nothing takes
// time: a read of more than the panel has said is a timeout, returned at
// once. Closing the line stands for the quiet between two sessions, which
// ends an exchange the panel was still in. After a hang-up the line cannot
// be opened and takes no bytes. The panel must outlive the link.
class CPanelLink : public ITransferLink
{
public:
    explicit CPanelLink(CPanelProtocol& panel) : panel_(panel) {}

    void SetLinkParams(const QString&, uint32_t, uint8_t, uint8_t, uint8_t) override {}
    int OpenConnection() override;
    int CloseConnection() override;
    int WriteCom(const void* bytes, int n) override;
    int ReadComWait(void* bytes, int n, uint32_t timeoutMs) override;

private:
    CPanelProtocol& panel_;
    bool open_ = false;
    QByteArray replies_; // said by the panel, not yet read from replyAt_
    qsizetype replyAt_ = 0;
};
