#include "DlgPanelInfo.h"
#include "ui/widgets/DialogPlace.h"
#include "ui_DlgPanelInfo.h"

#include "DlgPassword.h"
#include "PortList.h"
#include "TransferRunner.h"
#include "app/TessanApp.h"
#include "app/TransferOperations.h"
#include "base/LanguageSection.h"
#include "ui/document/ProjectController.h"
#include "ui/widgets/DialogTexts.h"

#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QTimer>

#include <utility>

CDlgPanelInfo::CDlgPanelInfo(CProjectController& controller, const QString& port, QWidget* parent)
    : QDialog(parent),
      ui_(std::make_unique<Ui::DlgPanelInfo>()),
      controller_(controller),
      settings_(std::as_const(controller).App().settings)
{
    ui_->setupUi(this);
    DialogTexts::Apply(this, settings_, IDD_DLG_PANELINFO);
    RememberDialogPlace(this, settings_, QStringLiteral("PlacePanelInfo"));
    PortList::Fill(ui_->port, port);
    ui_->download->setChecked(true);
    setBackupEnabled(false);
    chooseFile = [this](bool save, const QString& proposed) {
        const QString filter = QStringLiteral("RU03 Runtime Flies(*.rtfbak)");
        // The extension may still be added to the chosen name: Browse asks
        // about the file under its final name.
        return save ? QFileDialog::getSaveFileName(this, QString(), proposed, filter, nullptr,
                                                   QFileDialog::DontConfirmOverwrite)
                    : QFileDialog::getOpenFileName(this, QString(), proposed, filter);
    };
    connect(ui_->refresh, &QPushButton::clicked, this, [this] {
        QMetaObject::invokeMethod(this, &CDlgPanelInfo::Refresh, Qt::QueuedConnection);
    });
    connect(ui_->cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui_->browse, &QPushButton::clicked, this, &CDlgPanelInfo::Browse);
    connect(ui_->transfer, &QPushButton::clicked, this, &CDlgPanelInfo::Transfer);
    connect(ui_->download, &QRadioButton::toggled, ui_->path, [this] { ui_->path->clear(); });
    // The information is read once, shortly after the dialog shows.
    QTimer::singleShot(200, this, &CDlgPanelInfo::Refresh);
}

CDlgPanelInfo::~CDlgPanelInfo() = default;

bool CDlgPanelInfo::DirectionIsDownload() const
{
    return ui_->download->isChecked();
}

QString CDlgPanelInfo::FilePath() const
{
    return ui_->path->text();
}

QString CDlgPanelInfo::ShownValue(const QString& label) const
{
    const QList<QPair<QLabel*, QLabel*>> rows = {{ui_->panelTypeLabel, ui_->panelType},
                                                 {ui_->firmwareLabel, ui_->firmware},
                                                 {ui_->totalLabel, ui_->total},
                                                 {ui_->usedLabel, ui_->used},
                                                 {ui_->freeLabel, ui_->free},
                                                 {ui_->protocolLabel, ui_->protocol},
                                                 {ui_->uploadStateLabel, ui_->uploadState}};
    for (const auto& row : rows)
        if (row.first->text() == label)
            return row.second->text();
    return QString();
}

void CDlgPanelInfo::setBackupEnabled(bool on)
{
    for (QWidget* w : {static_cast<QWidget*>(ui_->download), static_cast<QWidget*>(ui_->upload),
                       static_cast<QWidget*>(ui_->transfer), static_cast<QWidget*>(ui_->browse),
                       static_cast<QWidget*>(ui_->uploadState),
                       static_cast<QWidget*>(ui_->backupGroup), static_cast<QWidget*>(ui_->path)})
        w->setEnabled(on);
    if (on)
        ui_->upload->setEnabled(info_.UploadEnabled());
}

void CDlgPanelInfo::showInformation(const CPanelInformation& info)
{
    info_ = info;
    ui_->panelType->setText(info.PanelTypeText());
    ui_->firmware->setText(info.FirmwareText());
    ui_->total->setText(CPanelInformation::MemoryText(info.totalMemory));
    ui_->used->setText(CPanelInformation::MemoryText(info.usedMemory));
    ui_->free->setText(CPanelInformation::MemoryText(info.totalMemory - info.usedMemory));
    ui_->protocol->setText(info.ProtocolText());
    ui_->uploadState->setText(info.UploadStateText(settings_));
}

void CDlgPanelInfo::Refresh()
{
    const QString port = PortList::Selected(ui_->port);
    if (port.isEmpty() || refreshing_)
        return;
    refreshing_ = true;
    CTransferRunner runner(this, settings_, controller_.Messages());
    CPanelInformation info;
    bool valid = false;
    const bool ok = controller_.ReadPanelInformation(port, runner, &info, &valid) == TR_OK;
    if (valid)
        showInformation(info);
    setBackupEnabled(ok);
    // Upload chosen but no longer allowed: back to Download.
    if (ok && !info_.UploadEnabled() && ui_->upload->isChecked())
        ui_->download->setChecked(true);
    refreshing_ = false;
}

QString CDlgPanelInfo::projectFolder() const
{
    const QString location = controller_.ProjectLocation();
    return location.isEmpty() ? QDir::currentPath() : location;
}

void CDlgPanelInfo::Browse()
{
    const bool save = !DirectionIsDownload();
    QString proposed;
    if (save)
        proposed =
            TransferOperations::DefaultBackupPath(projectFolder(), QDateTime::currentDateTime());
    else
        proposed = ui_->path->text().isEmpty()
                       ? QDir(projectFolder()).filePath(QStringLiteral("*.rtfbak"))
                       : ui_->path->text();
    const QString chosen = chooseFile ? chooseFile(save, proposed) : QString();
    if (chosen.isEmpty())
        return;
    const QString path = TransferOperations::WithBackupExtension(chosen);
    if (save && QFileInfo::exists(path)) {
        const MessageAnswer answer = controller_.Messages().Ask(
            QDir::toNativeSeparators(path) + QLatin1Char('\n')
                + settings_.LookupText(LS_MSG, QStringLiteral("already exists. Replace it?")),
            settings_.LookupText(LS_MSG, QStringLiteral("Warning")), MessageButtons::YesNo,
            MessageAnswer::No);
        if (answer != MessageAnswer::Yes)
            return;
    }
    ui_->path->setText(path);
}

void CDlgPanelInfo::warn(const QString& text)
{
    controller_.Messages().ShowWarning(settings_.LookupText(LS_MSG, text),
                                       settings_.LookupText(LS_MSG, QStringLiteral("Warning")));
}

void CDlgPanelInfo::Transfer()
{
    const QString path = ui_->path->text();
    const QString port = PortList::Selected(ui_->port);
    CTransferRunner runner(this, settings_, controller_.Messages());
    if (DirectionIsDownload()) {
        const TransferOperations::RestoreCheck check =
            TransferOperations::CheckRestore(path, port, info_.firmware);
        if (!check.error.isEmpty()) {
            warn(check.error);
            return;
        }
        CDlgPassword password(settings_, CDlgPassword::UploadWithStored, check.password, this);
        if (password.exec() != QDialog::Accepted)
            return;
        controller_.RestoreBackup(check, port, password.Password(), runner);
        return;
    }
    const QString error = TransferOperations::CheckUpload(path, port);
    if (!error.isEmpty()) {
        warn(error);
        return;
    }
    // The panel holds the upload password of the project it was sent.
    CDlgPassword password(settings_, CDlgPassword::UploadPassword,
                          std::as_const(controller_).App().model.transferInfo.uploadPassword, this);
    if (password.exec() != QDialog::Accepted)
        return;
    controller_.UploadToBackup(port, password.Password(), path, runner);
}
