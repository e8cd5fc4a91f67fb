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

int CProjectTransferCommand::Run(QWidget* parent)
{
    compileMs_ = lineMs_ = 0;
    if (!controller_.HasProject())
        return -1;
    CTessanApp& app = controller_.App();
    const CAppSettings& s = app.settings;
    if (controller_.IsModified()) {
        const MessageAnswer answer =
            app.messages->Ask(s.LookupText(LS_MSG, QStringLiteral("Project data has been modified, save it?")),
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
    steps.keep = [this](const TransferChoice& chosen) {
        controller_.SetTransferSettings(chosen.Settings(), chosen.port);
    };
    CTransferRunner runner(parent, app);
    TransferOperations::RunOptions options;
    options.runner = &runner;
    const int result = TransferOperations::ProjectTransfer(app, steps, options);
    if (lineStart >= 0 && result >= 0)
        lineMs_ = clock.elapsed() - lineStart;
    return result;
}

bool CProjectTransferCommand::compile(QWidget* parent)
{
    CTessanApp& app = controller_.App();
    CCompileJob job(app);
    CDlgProgress progress(app.settings, *app.messages,
                          app.settings.LookupText(LS_MSG, QStringLiteral("Compiler")), parent);
    bool ended = false;
    bool completed = false;
    bool stopped = false;
    QEventLoop wait;
    QObject::connect(&job, &CCompileJob::progress, &progress, [&](int percent) {
        if (stopped)
            job.Cancel();
        progress.SetProgress(percent);
    });
    QObject::connect(&job, &CCompileJob::outputCleared, &progress, [this] { controller_.ClearOutput(); });
    QObject::connect(&job, &CCompileJob::outputLine, &progress,
                     [this](const QString& line) { controller_.AppendOutput(line); });
    QObject::connect(&job, &CCompileJob::warning, &progress, [&app](const QString& text, const QString& caption) {
        app.messages->ShowWarning(text, caption);
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
    return accepted && completed && !app.runtimeImage.isEmpty();
}
