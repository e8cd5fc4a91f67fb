#include "SessionPanel.h"
#include "transfer/Transfer.h"

TransferOutcome CSessionPanel::Follow(CTransferJob&, const TransferRequest& request)
{
    TransferOutcome outcome;
    outcome.operation = request.operation;
    outcome.code = TR_OK;
    if (request.operation == TO_DOWNLOAD) {
        image_ = request.image;
        ++downloads_;
    }
    return outcome;
}
