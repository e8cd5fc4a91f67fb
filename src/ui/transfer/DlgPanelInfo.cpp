#include "DlgPanelInfo.h"
#include "ui/widgets/DialogPlace.h"
#include "ui_DlgPanelInfo.h"

#include "DlgPassword.h"
#include "PortList.h"
#include "TransferRunner.h"
#include "app/TessanApp.h"
#include "app/TransferOperations.h"
#include "base/LanguageSection.h"
#include "transfer/PackedPassword.h"
#include "transfer/RuntimeBackup.h"
#include "ui/widgets/DialogTexts.h"

#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QTimer>

CDlgPanelInfo::CDlgPanelInfo(CTessanApp& app, const QString& port, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::DlgPanelInfo>()), app_(app)
{
    ui_->setupUi(this);
    DialogTexts::Apply(this, app.settings, IDD_DLG_PANELINFO);
    RememberDialogPlace(this, app.settings, QStringLiteral("PlacePanelInfo"));
    PortList::Fill(ui_->port, port);
    ui_->download->setChecked(true);
    setBackupEnabled(false);
    chooseFile = [this](bool save, const QString& proposed) {
        const QString filter = QStringLiteral("RU03 Runtime Flies(*.rtfbak)");
        return save ? QFileDialog::getSaveFileName(this, QString(), proposed, filter)
                    : QFileDialog::getOpenFileName(this, QString(), proposed, filter);
    };
    connect(ui_->refresh, &QPushButton::clicked, this, [this] { QMetaObject::invokeMethod(this, &CDlgPanelInfo::Refresh, Qt::QueuedConnection); });
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
    const QList<QPair<QLabel*, QLabel*>> rows = {
        {ui_->panelTypeLabel, ui_->panelType}, {ui_->firmwareLabel, ui_->firmware},
        {ui_->totalLabel, ui_->total},         {ui_->usedLabel, ui_->used},
        {ui_->freeLabel, ui_->free},           {ui_->protocolLabel, ui_->protocol},
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
                       static_cast<QWidget*>(ui_->uploadState), static_cast<QWidget*>(ui_->backupGroup),
                       static_cast<QWidget*>(ui_->path)})
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
    ui_->uploadState->setText(info.UploadStateText(app_.settings));
}

void CDlgPanelInfo::Refresh()
{
    const QString port = PortList::Selected(ui_->port);
    if (port.isEmpty() || refreshing_)
        return;
    refreshing_ = true;
    TransferOperations::RememberPort(app_, port);
    const TransferOutcome outcome = TransferRunner::Run(this, app_, TO_GET_INFORMATION, port, 1,
                                                        PackedPassword::Zero(), QStringLiteral("Upload"));
    const bool ok = outcome.code == TR_OK;
    CPanelInformation info;
    if (ok && info.Parse(outcome.received))
        showInformation(info);
    setBackupEnabled(ok);
    // Upload chosen but no longer allowed: back to Download.
    if (ok && !info_.UploadEnabled() && ui_->upload->isChecked())
        ui_->download->setChecked(true);
    refreshing_ = false;
}

QString CDlgPanelInfo::projectFolder() const
{
    const QString location = app_.model.info.location;
    return location.isEmpty() ? QDir::currentPath() : location;
}

void CDlgPanelInfo::Browse()
{
    const bool save = !DirectionIsDownload();
    QString proposed;
    if (save)
        proposed = QDir(projectFolder()).filePath(CRuntimeBackup::DefaultName(QDateTime::currentDateTime()));
    else
        proposed = ui_->path->text().isEmpty() ? QDir(projectFolder()).filePath(QStringLiteral("*.rtfbak"))
                                               : ui_->path->text();
    const QString chosen = chooseFile ? chooseFile(save, proposed) : QString();
    if (chosen.isEmpty())
        return;
    const QFileInfo fi(chosen);
    ui_->path->setText(fi.dir().filePath(CRuntimeBackup::WithExtension(fi.fileName())));
}

void CDlgPanelInfo::warn(const QString& text)
{
    app_.messages->ShowWarning(app_.settings.LookupText(LS_MSG, text),
                               app_.settings.LookupText(LS_MSG, QStringLiteral("Warning")));
}

void CDlgPanelInfo::Transfer()
{
    const QString path = ui_->path->text();
    const QString port = PortList::Selected(ui_->port);
    if (DirectionIsDownload()) {
        const TransferOperations::RestoreCheck check = TransferOperations::CheckRestore(path, port, info_.firmware);
        if (!check.error.isEmpty()) {
            warn(check.error);
            return;
        }
        CDlgPassword password(app_.settings, CDlgPassword::UploadWithStored, check.password, this);
        if (password.exec() != QDialog::Accepted)
            return;
        app_.runtimeImage = check.image;
        TransferOperations::RememberPort(app_, port);
        app_.stopFlag.store(0);
        TransferRunner::Run(this, app_, TO_DOWNLOAD, port, 1, PackedPassword::Pack(password.Password()),
                            QStringLiteral("Download"));
        app_.stopFlag.store(1);
        return;
    }
    if (path.isEmpty()) {
        warn(QStringLiteral("Please input file path"));
        return;
    }
    if (port.isEmpty()) {
        warn(QStringLiteral("Port invalid"));
        return;
    }
    CDlgPassword password(app_.settings, CDlgPassword::UploadPassword, QStringLiteral("36093609"), this);
    if (password.exec() != QDialog::Accepted)
        return;
    TransferOperations::RememberPort(app_, port);
    app_.stopFlag.store(0);
    const TransferOutcome outcome = TransferRunner::Run(this, app_, TO_UPLOAD, port, 1,
                                                        PackedPassword::Pack(password.Password()),
                                                        QStringLiteral("Upload"));
    app_.stopFlag.store(1);
    // Only a whole, successful upload becomes a file.
    if (outcome.code == TR_OK)
        CRuntimeBackup::Write(path, outcome.received);
}
