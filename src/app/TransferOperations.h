#pragma once
#include "base/CoreLimits.h"
#include "transfer/PanelInformation.h"
#include "transfer/Transfer.h"

#include <QByteArray>
#include <QString>

class CTessanApp;
class IMessageSink;
class ITransferProgress;

// What the Transfer dialog hands back.
struct TransferChoice
{
    QString port;
    int enableUpdateRuntimeFile = 0;
    QString uploadPassword;
};

// The transfer operations that the dialogs and qv-cli share. Each runs one
// engine on its worker thread and waits for it, then shows the engine's
// result message on the calling thread through `messages` (the
// application's when null).
namespace TransferOperations {

// Runtime images below this many bytes fit the panel.
constexpr qsizetype kImageLimit = CoreLimits::kRuntimeImageLimit;
bool ImageFitsPanel(qsizetype size);

// Project Transfer, before the dialog: an empty image needs a compile; the
// stop flag is cleared; compiles when needed. False when there is no image
// to send (the compile failed or was stopped).
bool PrepareProjectImage(CTessanApp& app);
// After the dialog: the need-compile flag is cleared and changed settings
// are stored (project marked modified, port written to COMPORT).
void ApplyTransferChoice(CTessanApp& app, const TransferChoice& choice);
// The dialogs keep the last port used in COMPORT (qv-cli does not).
void RememberPort(CTessanApp& app, const QString& port);
// Packed password of the upload password when updates are enabled, else
// four zero bytes.
QByteArray PackedPasswordFor(const TransferChoice& choice);

struct RunOptions
{
    ITransferProgress* progress = nullptr;
    IMessageSink* messages = nullptr;
};

// Runs one operation on a worker thread and waits for it. Returns the
// result code; `received` gets the bytes of get-information and upload.
int Run(CTessanApp& app, int operation, const QString& port, uint8_t enableUpdate,
        const QByteArray& packedPassword, const RunOptions& options, QByteArray* received = nullptr);

// The whole Project Transfer after the dialog: download of the runtime
// image with the choice's flag and password. The stop flag is 1 afterwards.
int DownloadProject(CTessanApp& app, const TransferChoice& choice, const RunOptions& options);

// Get information; `info` is filled when it succeeded and the block is valid.
int ReadPanelInformation(CTessanApp& app, const QString& port, CPanelInformation* info,
                         const RunOptions& options);

// Upload into a backup file, written only after a successful upload.
// `fileWritten` tells whether the file was written.
int UploadToBackup(CTessanApp& app, const QString& port, const QString& password,
                   const QString& path, const RunOptions& options, bool* fileWritten);

// The checks of a backup restore, in order; an empty text means accepted.
// An image that does not fit the panel is refused as an invalid file.
// The runtime image is not touched here.
struct RestoreCheck
{
    QString error;       // "Please input file path", "Input file invalid", ...
    QByteArray image;    // the backup's image
    QString password;    // the backup's stored password digits
};
RestoreCheck CheckRestore(const QString& path, const QString& port,
                          const std::array<uint16_t, 4>& panelFirmware);
// An accepted backup replaces the runtime image and is downloaded with
// Enable Update 1 and `password`.
int RestoreBackup(CTessanApp& app, const RestoreCheck& accepted, const QString& port,
                  const QString& password, const RunOptions& options);

} // namespace TransferOperations
