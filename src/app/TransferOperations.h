#pragma once
#include "base/CoreLimits.h"
#include "project/TransferDlgInfo.h"
#include "transfer/PanelInformation.h"
#include "transfer/Transfer.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>

class CTessanApp;
class IMessageSink;
class ITransferProgress;
class ITransferRunner;

// What the Transfer dialog hands back.
struct TransferChoice
{
    QString port;
    int enableUpdateRuntimeFile = 0;
    QString uploadPassword;

    // The part that the project keeps (the port goes to COMPORT).
    CTransferDlgInfo Settings() const;
};

// The transfer operations that the editor and qv-cli share. Each hands its
// engine run to a runner (the caller's, else one that waits for the
// engine's worker thread), then shows the result message on the calling
// thread through `messages` (the application's when null).
namespace TransferOperations {

// Runtime images below this many bytes fit the panel.
constexpr qsizetype kImageLimit = CoreLimits::kRuntimeImageLimit;
bool ImageFitsPanel(qsizetype size);

// The serial port names of this machine, sorted, each once: the one list
// that the command line and every port field show.
QStringList SerialPortNames();

// The Transfer dialog's values as stored: the port in COMPORT, the flag and
// the upload password in the project's transfer settings.
TransferChoice StoredChoice(const CTessanApp& app);
// The dialogs keep the last port used in COMPORT (qv-cli does not).
void RememberPort(CTessanApp& app, const QString& port);
// Packed password of the upload password when updates are enabled, else
// four zero bytes.
QByteArray PackedPasswordFor(const TransferChoice& choice);

struct RunOptions
{
    // Starts the engine and waits for its end; null: the calling thread
    // waits for the engine's worker thread, which reports to `progress`.
    ITransferRunner* runner = nullptr;
    ITransferProgress* progress = nullptr;
    IMessageSink* messages = nullptr;
};

// Runs one operation and shows its result. Returns the result code;
// `received` gets the bytes of get-information and upload. A download sends
// the runtime image.
int Run(CTessanApp& app, int operation, const QString& port, uint8_t enableUpdate,
        const QByteArray& packedPassword, const RunOptions& options,
        QByteArray* received = nullptr);

// The steps of Project Transfer that each front end supplies.
struct ProjectTransferSteps
{
    // Compiles the open project into the runtime image; false when it was
    // stopped or failed. Not set: compiled on the calling thread.
    std::function<bool()> compile;
    // The Transfer dialog: shows the stored values and the image size; false
    // when it did not end with "Transfer", else `chosen` holds its values.
    std::function<bool(const TransferChoice& stored, qsizetype imageSize, TransferChoice* chosen)>
        choose;
    // Keeps the chosen values (the editor's project controller compares them
    // with the stored ones and marks the project modified when they differ).
    // Not set: nothing is kept.
    std::function<void(const TransferChoice& chosen)> keep;
};
// Project Transfer once the project is saved: unless the runtime image stands
// for the project as saved (it was compiled from this saved state), the
// project is compiled first; the runtime image goes down with the chosen flag and password. Returns the
// result code, -1 when nothing was sent. The stop flag is 1 afterwards.
int ProjectTransfer(CTessanApp& app, const ProjectTransferSteps& steps, const RunOptions& options);

// The download of Project Transfer: the runtime image with the choice's flag
// and password. The stop flag is 1 afterwards.
int DownloadProject(CTessanApp& app, const TransferChoice& choice, const RunOptions& options);

// Get information; `info` is filled when it succeeded and the block is
// valid, which `valid` tells.
int ReadPanelInformation(CTessanApp& app, const QString& port, CPanelInformation* info,
                         const RunOptions& options, bool* valid = nullptr);

// The checks before an upload, in order; an empty text means accepted.
QString CheckUpload(const QString& path, const QString& port);
// Upload into a backup file, written only after a successful upload. Its
// success message follows the written file; a file that cannot be written
// is told in an error naming it instead, and `fileWritten` stays false.
int UploadToBackup(CTessanApp& app, const QString& port, const QString& password,
                   const QString& path, const RunOptions& options, bool* fileWritten);

// The checks of a backup restore, in order; an empty text means accepted.
// An image that does not fit the panel is refused as an invalid file.
struct RestoreCheck
{
    QString error;    // "Please input file path", "Input file invalid", ...
    QByteArray image; // the backup's image
    QString password; // the backup's stored password digits
};
RestoreCheck CheckRestore(const QString& path, const QString& port,
                          const std::array<uint16_t, 4>& panelFirmware);
// The same checks on the bytes of a backup file already read.
RestoreCheck CheckRestoreBytes(const QByteArray& fileBytes, const QString& port,
                               const std::array<uint16_t, 4>& panelFirmware);
// An accepted backup goes down from its own buffer with Enable Update 1 and
// `password`. The project's runtime image stays as it is, so the next Project
// Transfer sends the project again.
int RestoreBackup(CTessanApp& app, const RestoreCheck& accepted, const QString& port,
                  const QString& password, const RunOptions& options);

// A backup's proposed path: the date-and-time name in `folder`.
QString DefaultBackupPath(const QString& folder, const QDateTime& localTime);
// The chosen path with ".rtfbak" added unless its name ends with exactly it.
QString WithBackupExtension(const QString& path);

} // namespace TransferOperations
