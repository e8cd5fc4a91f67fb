#include "BlockingTransferRunner.h"
#include "TessanApp.h"

TransferOutcome CBlockingTransferRunner::Run(const TransferRequest& request)
{
    CTransfer engine(app_.settings, app_.stopFlag);
    request.ApplyTo(engine, progress_);
    engine.Start();
    engine.Wait();
    return TransferOutcome::Of(engine, app_.settings);
}
