#include "SessionPanel.h"
#include "app/LinkTransferRunner.h"

TransferOutcome CSessionPanel::Follow(CTransferJob&, const TransferRequest& request)
{
    if (protocol_.HungUp())
        protocol_.Restart();
    return CLinkTransferRunner(*app_, link_).Run(request);
}

QByteArray CSessionPanel::Image(qsizetype size) const
{
    const QByteArray& held = protocol_.Store().image;
    // The blocks' padding is zeros and nothing else.
    if (held.size() < size || held.mid(size) != QByteArray(held.size() - size, '\0'))
        return held;
    return held.left(size);
}
