#include "CliTransfer.h"

#include "CliCommand.h"
#include "base/LanguageSection.h"
#include "app/TessanApp.h"

#include <cstdio>

CCliTransferConsole::CCliTransferConsole(CTessanApp& app, QString caption)
    : bar_(std::move(caption)),
      runner_(app, this),
      interrupt_([stop = &app.stopFlag](int) { stop->store(1); }, true)
{}

CCliTransferConsole::~CCliTransferConsole() = default;

TransferOperations::RunOptions CCliTransferConsole::Options()
{
    TransferOperations::RunOptions o;
    o.runner = &runner_;
    o.progress = this;
    o.messages = this;
    return o;
}

void CCliTransferConsole::PostProgress(int percent, int)
{
    bar_.Show(percent);
}

MessageAnswer CCliTransferConsole::Show(MessageKind kind, const QString& text, const QString&)
{
    text_ = text;
    messageKind_ = kind;
    return kind == MessageKind::Question ? MessageAnswer::Cancel : MessageAnswer::Ok;
}

void CCliTransferConsole::PrintResult()
{
    bar_.End(true);
    if (text_.isEmpty())
        return;
    if (messageKind_ == MessageKind::Information)
        Cli::PrintOut(text_);
    else
        Cli::PrintError(text_);
    text_.clear();
}

namespace Cli {

void PrintWarning(CTessanApp& app, const QString& text)
{
    PrintError(app.settings.LookupText(LS_MSG, text));
}

} // namespace Cli
