#include "ProjectTransferCommand.h"
#include "DlgProgress.h"
#include "DlgTransfer.h"
#include "TransferRunner.h"

#include "app/CompileJob.h"
#include "app/TessanApp.h"
#include "app/TransferOperations.h"
#include "base/LanguageSection.h"
#include "ui/document/ProjectController.h"

#include <QEventLoop>

namespace {
// The stop flag is 1 on every way out once the command has cleared it.
struct StopFlagOnExit
{
    CTessanApp& app;
    ~StopFlagOnExit() { app.stopFlag.store(1); }
};
} // namespace

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
    if (app.runtimeImage.isEmpty())
        app.model.needCompile = true;
    app.stopFlag.store(0);
    StopFlagOnExit onExit{app};
    TransferChoice stored;
    stored.port = s.GetSettingString(QStringLiteral("COMPORT"));
    stored.enableUpdateRuntimeFile = app.model.transferInfo.enableUpdateRuntimeFile;
    stored.uploadPassword = app.model.transferInfo.uploadPassword;

    if (app.model.needCompile) {
        QElapsedTimer clock;
        clock.start();
        const bool compiled = compile(parent);
        compileMs_ = clock.elapsed();
        if (!compiled)
            return -1;
    }

    CDlgTransfer dialog(s, app.runtimeImage.size(), stored, parent);
    const bool go = dialog.exec() == QDialog::Accepted;
    app.model.needCompile = false;
    if (!go)
        return -1;
    const TransferChoice choice = dialog.Choice();
    TransferOperations::ApplyTransferChoice(app, choice);
    controller_.NotifyModifiedChanged();

    QElapsedTimer clock;
    clock.start();
    const TransferOutcome outcome = TransferRunner::Run(
        parent, app, TO_DOWNLOAD, choice.port, uint8_t(choice.enableUpdateRuntimeFile ? 1 : 0),
        TransferOperations::PackedPasswordFor(choice), QStringLiteral("Download"));
    lineMs_ = clock.elapsed();
    return outcome.code;
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
