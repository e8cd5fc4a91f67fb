#pragma once
#include "TransferRequest.h"
#include "transfer/TransferOutcome.h"

// Starts the transfer engine for one request and returns when it has ended.
// Each front end has its own: qv-cli waits for the worker thread, the editor
// runs the engine under its progress dialog and keeps its window alive. A
// runner shows no result message: the operation that called it does.
class ITransferRunner
{
public:
    virtual ~ITransferRunner() = default;
    virtual TransferOutcome Run(const TransferRequest& request) = 0;
};
