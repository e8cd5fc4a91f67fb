// The project controller's compilation and transfers, and the transfer
// settings they keep.
#include "ProjectController.h"
#include "FollowedTransferRunner.h"

#include "app/CompileJob.h"
#include "app/TessanApp.h"
#include "app/TransferOperations.h"
#include "project/TransferDlgInfo.h"

namespace {
const QString kPortKey = QStringLiteral("COMPORT");

// The options of an operation whose engine runs through `runner`.
TransferOperations::RunOptions RunningOn(ITransferRunner& runner)
{
    TransferOperations::RunOptions options;
    options.runner = &runner;
    return options;
}
} // namespace

bool CProjectController::SetTransferSettings(const CTransferDlgInfo& copy, const QString& port)
{
    const bool recordsEqual = copy == app_.model.transferInfo;
    if (recordsEqual && port == app_.settings.GetSettingString(kPortKey))
        return false;
    app_.model.transferInfo = copy;
    app_.settings.WriteSetting(kPortKey, port);
    // The port is no record of the project, yet a Transfer dialog that
    // changed it alone marks the project modified, as ever.
    if (recordsEqual)
        app_.transferPortChanged = true;
    NotifyModifiedChanged();
    emit transferSettingsChanged();
    return true;
}

bool CProjectController::CompileProject(const std::function<bool(CCompileJob& job)>& follow)
{
    if (!follow)
        return false;
    CCompileJob job(app_);
    // The job lives on this thread: its reports arrive here as queued calls
    // and end with it.
    connect(&job, &CCompileJob::outputCleared, &job, [this] { ClearOutput(); });
    connect(&job, &CCompileJob::outputLine, &job,
            [this](const QString& line) { AppendOutput(line); });
    connect(&job, &CCompileJob::warning, &job, [this](const QString& text, const QString& caption) {
        Messages().ShowWarning(text, caption);
    });
    const bool completed = follow(job);
    return completed && !app_.runtimeImage.isEmpty();
}

int CProjectController::ProjectTransfer(const TransferOperations::ProjectTransferSteps& steps,
                                        ITransferJobFollower& follower)
{
    TransferOperations::ProjectTransferSteps own = steps;
    own.keep = [this](const TransferChoice& chosen) {
        SetTransferSettings(chosen.Settings(), chosen.port);
    };
    CFollowedTransferRunner runner(app_, follower);
    return TransferOperations::ProjectTransfer(app_, own, RunningOn(runner));
}

int CProjectController::ReadPanelInformation(const QString& port, ITransferJobFollower& follower,
                                             CPanelInformation* info, bool* valid)
{
    RememberPort(port);
    CFollowedTransferRunner runner(app_, follower);
    return TransferOperations::ReadPanelInformation(app_, port, info, RunningOn(runner), valid);
}

int CProjectController::UploadToBackup(const QString& port, const QString& password,
                                       const QString& path, ITransferJobFollower& follower)
{
    RememberPort(port);
    CFollowedTransferRunner runner(app_, follower);
    return TransferOperations::UploadToBackup(app_, port, password, path, RunningOn(runner),
                                              nullptr);
}

int CProjectController::RestoreBackup(const TransferOperations::RestoreCheck& accepted,
                                      const QString& port, const QString& password,
                                      ITransferJobFollower& follower)
{
    RememberPort(port);
    CFollowedTransferRunner runner(app_, follower);
    return TransferOperations::RestoreBackup(app_, accepted, port, password, RunningOn(runner));
}

void CProjectController::RememberPort(const QString& port)
{
    TransferOperations::RememberPort(app_, port);
}
