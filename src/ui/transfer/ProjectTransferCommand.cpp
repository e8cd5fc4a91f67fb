#include "ProjectTransferCommand.h"
#include "DlgProgress.h"
#include "DlgTransfer.h"
#include "TransferRunner.h"

#include "app/CompileJob.h"
#include "app/TessanApp.h"
#include "app/TransferOperations.h"
#include "base/LanguageSection.h"
#include "ui/document/ProjectController.h"

#include <QElapsedTimer>
#include <QEventLoop>

#include <utility>

const CAppSettings& CProjectTransferCommand::settings() const
{
    return std::as_const(controller_).App().settings;
}

int CProjectTransferCommand::Run(QWidget* parent)
{
    compileMs_ = lineMs_ = 0;
    if (!controller_.HasProject())
        return -1;
    const CAppSettings& s = settings();
    if (controller_.IsModified()) {
        const MessageAnswer answer = controller_.Messages().Ask(
            s.LookupText(LS_MSG, QStringLiteral("Project data has been modified, save it?")),
            s.LookupText(LS_MSG, QStringLiteral("Warning")), MessageButtons::YesNoCancel);
        if (answer != MessageAnswer::Yes || !controller_.SaveProject())
            return -1;
    }

    QElapsedTimer clock;
    clock.start();
    qint64 lineStart = -1;
    TransferOperations::ProjectTransferSteps steps;
    steps.compile = [&] {
        const bool compiled = compile(parent);
        compileMs_ = clock.elapsed();
        return compiled;
    };
    steps.choose = [&](const TransferChoice& stored, qsizetype imageSize, TransferChoice* chosen) {
        CDlgTransfer dialog(s, imageSize, stored, parent);
        const bool go = dialog.exec() == QDialog::Accepted;
        if (go)
            *chosen = dialog.Choice();
        lineStart = clock.elapsed();
        return go;
    };
    CTransferRunner runner(parent, s, controller_.Messages());
    const int result = controller_.ProjectTransfer(steps, runner);
    if (lineStart >= 0 && result >= 0)
        lineMs_ = clock.elapsed() - lineStart;
    return result;
}

bool CProjectTransferCommand::compile(QWidget* parent)
{
    const CAppSettings& s = settings();
    return controller_.CompileProject([&](CCompileJob& job) {
        CDlgProgress progress(s, controller_.Messages(),
                              s.LookupText(LS_MSG, QStringLiteral("Compiler")), parent);
        bool ended = false;
        bool completed = false;
        bool stopped = false;
        QEventLoop wait;
        QObject::connect(&job, &CCompileJob::progress, &progress, [&](int percent) {
            if (stopped)
                job.Cancel();
            progress.SetProgress(percent);
        });
        QObject::connect(&job, &CCompileJob::finished, &progress, [&](bool done, int) {
            ended = true;
            completed = done;
            progress.Finish(done);
            wait.quit();
        });
        QObject::connect(&progress, &CDlgProgress::stopRequested, &job, [&] {
            stopped = true;
            job.Cancel();
        });
        if (!job.Start())
            return false;
        const bool accepted = progress.exec() == QDialog::Accepted;
        if (!ended)
            wait.exec();
        return accepted && completed;
    });
}
