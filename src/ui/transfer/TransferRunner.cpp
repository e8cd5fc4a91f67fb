#include "TransferRunner.h"
#include "DlgProgress.h"

#include "app/TessanApp.h"
#include "base/LanguageSection.h"

#include <QEventLoop>

namespace TransferRunner {

TransferOutcome Run(QWidget* parent, CTessanApp& app, int operation, const QString& port,
                    uint8_t enableUpdate, const QByteArray& packedPassword, const QString& caption)
{
    CTransferJob job(app);
    CDlgProgress progress(app.settings, *app.messages, app.settings.LookupText(LS_MSG, caption), parent);
    TransferOutcome outcome;
    bool ended = false;
    bool stopped = false;
    QEventLoop wait;
    QObject::connect(&job, &CTransferJob::progress, &progress, [&](int percent, int) {
        // A stop asked for before the engine had started its run is asked
        // again: the engine clears the flag when it starts.
        if (stopped)
            job.Cancel();
        progress.SetProgress(percent);
    });
    QObject::connect(&job, &CTransferJob::finished, &progress, [&](const TransferOutcome& o) {
        outcome = o;
        ended = true;
        progress.Finish(o.code == TR_OK);
        wait.quit();
    });
    QObject::connect(&progress, &CDlgProgress::stopRequested, &job, [&] {
        stopped = true;
        job.Cancel();
    });
    if (!job.Start(operation, port, enableUpdate, packedPassword)) {
        outcome.code = -1;
        return outcome;
    }
    progress.exec();
    // A stopped engine ends at its next check; the outcome follows.
    if (!ended)
        wait.exec();
    app.ShowMessage(outcome.kind, outcome.text, outcome.caption);
    return outcome;
}

} // namespace TransferRunner
