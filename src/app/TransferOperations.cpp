#include "TransferOperations.h"

#include "BlockingTransferRunner.h"
#include "CompileProject.h"
#include "TessanApp.h"
#include "base/LanguageSection.h"
#include "transfer/DevSerial.h"
#include "transfer/FirmwareVersion.h"
#include "transfer/PackedPassword.h"
#include "transfer/RuntimeBackup.h"

#include <QDir>
#include <QFileInfo>

CTransferDlgInfo TransferChoice::Settings() const
{
    CTransferDlgInfo info;
    info.uploadPassword = uploadPassword;
    info.enableUpdateRuntimeFile = enableUpdateRuntimeFile;
    return info;
}

namespace TransferOperations {

namespace {

const QString kComPort = QStringLiteral("COMPORT");

// The stop flag is 1 on every way out once an operation has cleared it.
struct StopFlagOnExit
{
    CTessanApp& app;
    ~StopFlagOnExit() { app.stopFlag.store(1); }
};

IMessageSink& Sink(CTessanApp& app, const RunOptions& options)
{
    return options.messages ? *options.messages : *app.messages;
}

TransferOutcome Execute(CTessanApp& app, const TransferRequest& request, const RunOptions& options)
{
    if (options.runner)
        return options.runner->Run(request);
    CBlockingTransferRunner waiting(app, options.progress);
    return waiting.Run(request);
}

void ShowResult(CTessanApp& app, const TransferOutcome& outcome, const RunOptions& options)
{
    Sink(app, options).Show(outcome.kind, outcome.text, outcome.caption);
}

TransferRequest Request(int operation, const QString& port, uint8_t enableUpdate,
                        const QByteArray& packedPassword, const QString& caption)
{
    TransferRequest r;
    r.operation = operation;
    r.port = port;
    r.enableUpdate = enableUpdate;
    r.packedPassword = packedPassword;
    r.caption = caption;
    return r;
}

// Runs the request and shows its result.
TransferOutcome RunAndShow(CTessanApp& app, const TransferRequest& request,
                           const RunOptions& options)
{
    const TransferOutcome outcome = Execute(app, request, options);
    ShowResult(app, outcome, options);
    return outcome;
}

QString CaptionOf(int operation)
{
    return operation == TO_DOWNLOAD ? QStringLiteral("Download") : QStringLiteral("Upload");
}

} // namespace

bool ImageFitsPanel(qsizetype size)
{
    return size < CoreLimits::kRuntimeImageLimit;
}

QStringList SerialPortNames()
{
    QStringList ports;
    CDevSerial::EnumSerialPorts(ports);
    ports.sort();
    ports.removeDuplicates();
    return ports;
}

TransferChoice StoredChoice(const CTessanApp& app)
{
    TransferChoice stored;
    stored.port = app.settings.GetSettingString(kComPort);
    stored.enableUpdateRuntimeFile = app.model.transferInfo.enableUpdateRuntimeFile;
    stored.uploadPassword = app.model.transferInfo.uploadPassword;
    return stored;
}

void RememberPort(CTessanApp& app, const QString& port)
{
    app.settings.WriteSetting(kComPort, port);
}

QByteArray PackedPasswordFor(const TransferChoice& choice)
{
    return choice.enableUpdateRuntimeFile ? PackedPassword::Pack(choice.uploadPassword)
                                          : PackedPassword::Zero();
}

int Run(CTessanApp& app, int operation, const QString& port, uint8_t enableUpdate,
        const QByteArray& packedPassword, const RunOptions& options, QByteArray* received)
{
    TransferRequest request =
        Request(operation, port, enableUpdate, packedPassword, CaptionOf(operation));
    if (operation == TO_DOWNLOAD)
        request.image = app.runtimeImage;
    const TransferOutcome outcome = RunAndShow(app, request, options);
    if (received)
        *received = outcome.received;
    return outcome.code;
}

int ProjectTransfer(CTessanApp& app, const ProjectTransferSteps& steps, const RunOptions& options)
{
    app.stopFlag.store(0);
    StopFlagOnExit onExit{app};
    const TransferChoice stored = StoredChoice(app);
    // The image goes down only while it stands for the project as saved.
    if (!app.ImageStandsForProject()) {
        const bool compiled = steps.compile ? steps.compile() : CompileProjectForTransfer(app);
        if (!compiled || app.runtimeImage.isEmpty())
            return -1;
    }
    TransferChoice chosen;
    const bool go = steps.choose && steps.choose(stored, app.runtimeImage.size(), &chosen);
    if (!go)
        return -1;
    if (steps.keep)
        steps.keep(chosen);
    return DownloadProject(app, chosen, options);
}

int DownloadProject(CTessanApp& app, const TransferChoice& choice, const RunOptions& options)
{
    StopFlagOnExit onExit{app};
    TransferRequest request =
        Request(TO_DOWNLOAD, choice.port, uint8_t(choice.enableUpdateRuntimeFile ? 1 : 0),
                PackedPasswordFor(choice), CaptionOf(TO_DOWNLOAD));
    request.image = app.runtimeImage;
    return RunAndShow(app, request, options).code;
}

int ReadPanelInformation(CTessanApp& app, const QString& port, CPanelInformation* info,
                         const RunOptions& options, bool* valid)
{
    const TransferOutcome outcome = RunAndShow(
        app, Request(TO_GET_INFORMATION, port, 1, PackedPassword::Zero(), CaptionOf(TO_UPLOAD)),
        options);
    CPanelInformation read;
    const bool ok = outcome.code == TR_OK && read.Parse(outcome.received);
    if (ok && info)
        *info = read;
    if (valid)
        *valid = ok;
    return outcome.code;
}

QString CheckUpload(const QString& path, const QString& port)
{
    if (path.isEmpty())
        return QStringLiteral("Please input file path");
    if (port.isEmpty())
        return QStringLiteral("Port invalid");
    return QString();
}

int UploadToBackup(CTessanApp& app, const QString& port, const QString& password,
                   const QString& path, const RunOptions& options, bool* fileWritten)
{
    if (fileWritten)
        *fileWritten = false;
    const TransferOutcome outcome = Execute(
        app, Request(TO_UPLOAD, port, 1, PackedPassword::Pack(password), CaptionOf(TO_UPLOAD)),
        options);
    // Only a whole, successful upload becomes a file (a failed one leaves
    // any existing file as it was), and it is told a success only once the
    // file holds it.
    if (outcome.code == TR_OK && !CRuntimeBackup::Write(path, outcome.received)) {
        const CAppSettings& s = app.settings;
        Sink(app, options)
            .ShowError(s.LookupText(LS_MSG, QStringLiteral("The backup file %1 can't be written"))
                           .arg(path),
                       s.LookupText(LS_MSG, QStringLiteral("Error")));
        return outcome.code;
    }
    if (fileWritten)
        *fileWritten = outcome.code == TR_OK;
    ShowResult(app, outcome, options);
    return outcome.code;
}

namespace {

// The checks after the path's: `read` tells whether the backup was read.
RestoreCheck checkBackup(bool read, const CRuntimeBackup& backup, const QString& port,
                         const std::array<uint16_t, 4>& panelFirmware)
{
    RestoreCheck check;
    if (!read) {
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
    if (!FirmwareVersion::RestoreAccepts(panelFirmware,
                                         FirmwareVersion::RequiredBy(backup.image))) {
        check.error = QStringLiteral("Can not download the runtim file to old version device");
        return check;
    }
    check.image = backup.image;
    check.password = backup.password;
    return check;
}

} // namespace

RestoreCheck CheckRestore(const QString& path, const QString& port,
                          const std::array<uint16_t, 4>& panelFirmware)
{
    if (path.isEmpty()) {
        RestoreCheck check;
        check.error = QStringLiteral("Please input file path");
        return check;
    }
    CRuntimeBackup backup;
    const bool read = backup.Read(path);
    return checkBackup(read, backup, port, panelFirmware);
}

RestoreCheck CheckRestoreBytes(const QByteArray& fileBytes, const QString& port,
                               const std::array<uint16_t, 4>& panelFirmware)
{
    CRuntimeBackup backup;
    const bool read = backup.Parse(fileBytes);
    return checkBackup(read, backup, port, panelFirmware);
}

int RestoreBackup(CTessanApp& app, const RestoreCheck& accepted, const QString& port,
                  const QString& password, const RunOptions& options)
{
    app.stopFlag.store(0);
    StopFlagOnExit onExit{app};
    TransferRequest request =
        Request(TO_DOWNLOAD, port, 1, PackedPassword::Pack(password), CaptionOf(TO_DOWNLOAD));
    request.image = accepted.image;
    return RunAndShow(app, request, options).code;
}

QString DefaultBackupPath(const QString& folder, const QDateTime& localTime)
{
    return QDir(folder).filePath(CRuntimeBackup::DefaultName(localTime));
}

QString WithBackupExtension(const QString& path)
{
    const QFileInfo fi(path);
    return fi.dir().filePath(CRuntimeBackup::WithExtension(fi.fileName()));
}

} // namespace TransferOperations
