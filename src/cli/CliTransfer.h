#pragma once
#include "CliProgressBar.h"
#include "base/MessageSink.h"
#include "app/BlockingTransferRunner.h"
#include "app/TransferOperations.h"
#include "transfer/TransferProgress.h"
#include "base/platform/EndRequests.h"

#include <QString>
#include <QStringList>

class CTessanApp;

// What the transfer commands share: the engine run on its worker thread
// while the command waits, a progress bar on stderr when it is a terminal,
// the engine's result message kept until the command prints it, and Ctrl+C
// as the stop request.
class CCliTransferConsole : public ITransferProgress, public IMessageSink
{
public:
    CCliTransferConsole(CTessanApp& app, QString caption);
    ~CCliTransferConsole() override;

    void PostProgress(int percent, int finalFlag) override;
    MessageAnswer Show(MessageKind kind, const QString& text, const QString& caption) override;

    TransferOperations::RunOptions Options();
    // Prints the result message as it would be shown: success on stdout,
    // failures on stderr.
    void PrintResult();
    void SetCaption(const QString& caption) { bar_.SetCaption(caption); }

private:
    CCliProgressBar bar_;
    CBlockingTransferRunner runner_;
    platform::EndRequestWatcher interrupt_;
    QString text_;
    MessageKind messageKind_ = MessageKind::Information;
};

namespace Cli {
// Shows a Panel Information style warning: the text looked up in MSG, on stderr.
void PrintWarning(CTessanApp& app, const QString& text);
} // namespace Cli
