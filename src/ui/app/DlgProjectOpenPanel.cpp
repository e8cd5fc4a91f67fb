#include "DlgProjectOpenPanel.h"
#include "ui_DlgProjectOpenPanel.h"
#include "base/AppSettings.h"
#include "base/LanguageSection.h"
#include "app/TransferOperations.h"
#include "ui/widgets/DialogTexts.h"

#include <QProcess>

CDlgProjectOpenPanel::CDlgProjectOpenPanel(const CAppSettings& settings, QWidget* parent)
    : QWidget(parent),
      ui_(std::make_unique<Ui::CDlgProjectOpenPanel>()),
      settings_(settings)
{
    ui_->setupUi(this);
    DialogTexts::Apply(this, settings_, IDD_DLG_PROJECT_OPENPANEL);
#ifdef Q_OS_WIN
    connect(ui_->deviceManager, &QPushButton::clicked, this,
            &CDlgProjectOpenPanel::openDeviceManager);
#else
    // Linux desktops have no common device manager: the list shows the ports.
    ui_->deviceManager->hide();
#endif
    connect(ui_->refresh, &QPushButton::clicked, this, &CDlgProjectOpenPanel::RefreshPorts);
    RefreshPorts();
    const QString last = settings_.GetSettingString(QStringLiteral("COMPORT"));
    if (!last.isEmpty())
        ui_->ports->setCurrentText(last);
}

CDlgProjectOpenPanel::~CDlgProjectOpenPanel() = default;

void CDlgProjectOpenPanel::RefreshPorts()
{
    const QString current = ui_->ports->currentText();
    const QStringList ports = TransferOperations::SerialPortNames();
    ui_->ports->clear();
    ui_->ports->addItems(ports);
    ui_->ports->setCurrentText(current.isEmpty() && !ports.isEmpty() ? ports.first() : current);
}

QString CDlgProjectOpenPanel::Port() const
{
    return ui_->ports->currentText().trimmed();
}

void CDlgProjectOpenPanel::openDeviceManager()
{
    QProcess::startDetached(QStringLiteral("mmc.exe"), {QStringLiteral("devmgmt.msc")});
}
