#include "TransferOutcome.h"
#include "Transfer.h"
#include "base/AppSettings.h"
#include "base/LanguageSection.h"

TransferOutcome TransferOutcome::Of(const CTransfer& engine, const CAppSettings& settings)
{
    TransferOutcome outcome;
    outcome.code = engine.ResultCode();
    outcome.operation = engine.m_nOperation;
    outcome.kind = engine.ResultKind();
    outcome.caption = settings.LookupText(LS_MSG, engine.ResultCaption());
    outcome.text = settings.LookupText(LS_MSG, engine.ResultText());
    outcome.received = engine.m_arrRecv;
    return outcome;
}
