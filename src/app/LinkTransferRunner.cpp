#include "LinkTransferRunner.h"
#include "TessanApp.h"

TransferOutcome CLinkTransferRunner::Run(const TransferRequest& request)
{
    CTransfer engine(app_.settings, app_.stopFlag);
    request.ApplyTo(engine, progress_);
    engine.m_pLink = &link_;
    engine.Run();
    return TransferOutcome::Of(engine, app_.settings);
}
