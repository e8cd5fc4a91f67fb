#include "DlgTransfer.h"
#include "ui/widgets/DialogPlace.h"
#include "ui_DlgTransfer.h"

#include "PortList.h"
#include "base/AppSettings.h"
#include "base/LanguageSection.h"
#include "ui/widgets/DialogTexts.h"

CDlgTransfer::CDlgTransfer(const CAppSettings& settings, qsizetype imageSize,
                           const TransferChoice& choice, QWidget* parent)
    : QDialog(parent),
      ui_(std::make_unique<Ui::DlgTransfer>())
{
    ui_->setupUi(this);
    DialogTexts::Apply(this, settings, IDD_DLG_TRANSFER);
    RememberDialogPlace(this, settings, QStringLiteral("PlaceTransfer"));
    PortList::Fill(ui_->port, choice.port);
    ui_->enableUpdate->setChecked(choice.enableUpdateRuntimeFile != 0);
    ui_->password->setText(choice.uploadPassword.left(8));
    ui_->total->setText(QStringLiteral("%1 KB").arg(128));
    ui_->size->setText(SizeText(imageSize));
    ui_->bar->setValue(int(qMin<qint64>(100, qint64(imageSize) * 100 / 131072)));
    ui_->transfer->setEnabled(TransferOperations::ImageFitsPanel(imageSize));
    connect(ui_->enableUpdate, &QCheckBox::toggled, this, &CDlgTransfer::updateEnabling);
    connect(ui_->transfer, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui_->cancel, &QPushButton::clicked, this, &QDialog::reject);
    updateEnabling();
}

CDlgTransfer::~CDlgTransfer() = default;

QString CDlgTransfer::SizeText(qsizetype size)
{
    return size <= 1024 ? QStringLiteral("%1 Bytes").arg(size)
                        : QStringLiteral("%1 KB").arg(size / 1024);
}

TransferChoice CDlgTransfer::Choice() const
{
    TransferChoice c;
    c.port = PortList::Selected(ui_->port);
    c.enableUpdateRuntimeFile = ui_->enableUpdate->isChecked() ? 1 : 0;
    c.uploadPassword = ui_->password->text();
    return c;
}

void CDlgTransfer::updateEnabling()
{
    const bool on = ui_->enableUpdate->isChecked();
    ui_->passwordLabel->setEnabled(on);
    ui_->password->setEnabled(on);
}
