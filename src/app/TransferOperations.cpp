#include "TransferOperations.h"
#include "transfer/TransferOutcome.h"

#include "CompileProject.h"
#include "transfer/FirmwareVersion.h"
#include "transfer/PackedPassword.h"
#include "transfer/RuntimeBackup.h"
#include "TessanApp.h"

namespace TransferOperations {

bool ImageFitsPanel(qsizetype size)
{
    return size < CoreLimits::kRuntimeImageLimit;
}

bool PrepareProjectImage(CTessanApp& app)
{
    if (app.runtimeImage.isEmpty())
        app.model.needCompile = true;
    app.stopFlag.store(0);
    if (app.model.needCompile && !CompileProjectForTransfer(app)) {
        app.stopFlag.store(1);
        return false;
    }
    return !app.runtimeImage.isEmpty();
}

void ApplyTransferChoice(CTessanApp& app, const TransferChoice& choice)
{
    app.model.needCompile = false;
    CTransferDlgInfo& stored = app.model.transferInfo;
    const QString storedPort = app.settings.GetSettingString(QStringLiteral("COMPORT"));
    if (choice.uploadPassword != stored.uploadPassword
        || choice.enableUpdateRuntimeFile != stored.enableUpdateRuntimeFile
        || choice.port != storedPort) {
        app.model.modified = true;
        stored.uploadPassword = choice.uploadPassword;
        stored.enableUpdateRuntimeFile = choice.enableUpdateRuntimeFile;
        app.settings.WriteSetting(QStringLiteral("COMPORT"), choice.port);
    }
}

void RememberPort(CTessanApp& app, const QString& port)
{
    app.settings.WriteSetting(QStringLiteral("COMPORT"), port);
}

QByteArray PackedPasswordFor(const TransferChoice& choice)
{
    return choice.enableUpdateRuntimeFile ? PackedPassword::Pack(choice.uploadPassword)
                                          : PackedPassword::Zero();
}

void ShowResult(CTessanApp& app, const CTransfer& engine, IMessageSink* messages)
{
    const TransferOutcome outcome = TransferOutcome::Of(engine, app.settings);
    (messages ? messages : app.messages)->Show(outcome.kind, outcome.text, outcome.caption);
}

void Prepare(CTransfer& engine, const CTessanApp& app, int operation, const QString& port,
             uint8_t enableUpdate, const QByteArray& packedPassword, ITransferProgress* progress)
{
    engine.m_strPort = port;
    engine.m_nOperation = operation;
    engine.m_byEnableUpdate = enableUpdate;
    engine.SetPassword(packedPassword);
    engine.m_arrRecv.clear();
    engine.m_arrSend = operation == TO_DOWNLOAD ? app.runtimeImage : QByteArray();
    engine.m_pProgressWnd.store(progress);
}

int Run(CTessanApp& app, int operation, const QString& port, uint8_t enableUpdate,
        const QByteArray& packedPassword, const RunOptions& options, QByteArray* received)
{
    CTransfer engine(app.settings, app.stopFlag);
    Prepare(engine, app, operation, port, enableUpdate, packedPassword, options.progress);
    engine.Start();
    engine.Wait();
    ShowResult(app, engine, options.messages);
    if (received)
        *received = engine.m_arrRecv;
    return engine.ResultCode();
}

int DownloadProject(CTessanApp& app, const TransferChoice& choice, const RunOptions& options)
{
    const int result = Run(app, TO_DOWNLOAD, choice.port, uint8_t(choice.enableUpdateRuntimeFile ? 1 : 0),
                           PackedPasswordFor(choice), options);
    app.stopFlag.store(1);
    return result;
}

int ReadPanelInformation(CTessanApp& app, const QString& port, CPanelInformation* info,
                         const RunOptions& options)
{
    QByteArray block;
    const int result = Run(app, TO_GET_INFORMATION, port, 1, PackedPassword::Zero(), options, &block);
    if (result == TR_OK && info)
        info->Parse(block);
    return result;
}

int UploadToBackup(CTessanApp& app, const QString& port, const QString& password,
                   const QString& path, const RunOptions& options, bool* fileWritten)
{
    if (fileWritten)
        *fileWritten = false;
    QByteArray uploaded;
    const int result =
        Run(app, TO_UPLOAD, port, 1, PackedPassword::Pack(password), options, &uploaded);
    // Only a whole, successful upload becomes a file: a failed one leaves
    // any existing file as it was.
    if (result == TR_OK) {
        const bool written = CRuntimeBackup::Write(path, uploaded);
        if (fileWritten)
            *fileWritten = written;
    }
    return result;
}

RestoreCheck CheckRestore(const QString& path, const QString& port,
                          const std::array<uint16_t, 4>& panelFirmware)
{
    RestoreCheck check;
    if (path.isEmpty()) {
        check.error = QStringLiteral("Please input file path");
        return check;
    }
    CRuntimeBackup backup;
    if (!backup.Read(path)) {
        check.error = QStringLiteral("Input file invalid");
        return check;
    }
    if (port.isEmpty()) {
        check.error = QStringLiteral("Port invalid");
        return check;
    }
    // Too short for the image header, or more than the panel holds.
    if (backup.image.size() <= 16 || !ImageFitsPanel(backup.image.size())) {
        check.error = QStringLiteral("Input file invalid");
        return check;
    }
    if (!FirmwareVersion::RestoreAccepts(panelFirmware, FirmwareVersion::RequiredBy(backup.image))) {
        check.error = QStringLiteral("Can not download the runtim file to old version device");
        return check;
    }
    check.image = backup.image;
    check.password = backup.password;
    return check;
}

int RestoreBackup(CTessanApp& app, const RestoreCheck& accepted, const QString& port,
                  const QString& password, const RunOptions& options)
{
    app.runtimeImage = accepted.image;
    app.stopFlag.store(0);
    const int result = Run(app, TO_DOWNLOAD, port, 1, PackedPassword::Pack(password), options);
    app.stopFlag.store(1);
    return result;
}

} // namespace TransferOperations
