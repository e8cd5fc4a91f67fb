#include "TransferRunner.h"
#include "DlgProgress.h"

#include "app/TransferJob.h"
#include "base/AppSettings.h"
#include "base/LanguageSection.h"

#include <QEventLoop>

TransferOutcome CTransferRunner::Follow(CTransferJob& job, const TransferRequest& request)
{
    CDlgProgress progress(settings_, messages_, settings_.LookupText(LS_MSG, request.caption),
                          parent_);
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
    if (!job.Start(request)) {
        outcome.code = -1;
        return outcome;
    }
    progress.exec();
    // A stopped engine ends at its next check; the outcome follows.
    if (!ended)
        wait.exec();
    return outcome;
}
