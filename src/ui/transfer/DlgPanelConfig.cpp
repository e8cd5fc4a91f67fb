#include "DlgPanelConfig.h"
#include "ui_DlgPanelConfig.h"

#include "ui/widgets/ChoiceBox.h"
#include "base/LanguageSection.h"
#include "ui/widgets/DialogTexts.h"

CDlgPanelConfig::CDlgPanelConfig(const CAppSettings& settings, QWidget* parent)
    : QWidget(parent),
      ui_(std::make_unique<Ui::DlgPanelConfig>())
{
    ui_->setupUi(this);
    DialogTexts::Apply(this, settings, IDD_DLG_PANEL_CONFIG);
    // The number's label is the check box that turns it on.
    ui_->logScreenNumber->setAccessibleName(ui_->logScreen->text().remove(QLatin1Char('&')));
    ChoiceBox::Fill(ui_->panelType, CommChoices::PanelType());
    ChoiceBox::Fill(ui_->protectTime, CommChoices::ScreenProtectTime(), &settings,
                    IDD_DLG_PANEL_CONFIG);
    ui_->logScreenNumber->SetLimits(1, 999, 3);
    ui_->logTimer->SetLimits(0, 60, 2);
    ui_->startScreen->SetLimits(1, 999, 3);
    ui_->protectScreenNumber->SetLimits(1, 999, 3);
    connect(ui_->logScreen, &QCheckBox::toggled, this, &CDlgPanelConfig::updateEnabling);
    connect(ui_->protectTime, &QComboBox::currentIndexChanged, this,
            &CDlgPanelConfig::updateEnabling);
    connect(ui_->protectScreen, &QRadioButton::toggled, this, &CDlgPanelConfig::updateEnabling);
}

CDlgPanelConfig::~CDlgPanelConfig() = default;

void CDlgPanelConfig::Load(const CPanelConfigInfo& c)
{
    ChoiceBox::Show(ui_->panelType, c.panelType);
    ui_->logScreen->setChecked(c.logScreenEnabled != 0);
    ui_->logScreenNumber->SetNumber(c.logScreenNumber);
    ui_->logTimer->SetNumber(c.logTimer);
    ui_->startScreen->SetNumber(c.startScreenNumber);
    ChoiceBox::Show(ui_->protectTime, c.screenProtectTime);
    (c.protectShowsScreen ? ui_->protectScreen : ui_->protectBacklight)->setChecked(true);
    ui_->protectScreenNumber->SetNumber(c.protectScreenNumber);
    (c.functionKeyBeep ? ui_->beepOn : ui_->beepOff)->setChecked(true);
    (c.dwordExchange ? ui_->dwordOn : ui_->dwordOff)->setChecked(true);
    updateEnabling();
}

void CDlgPanelConfig::Store(CPanelConfigInfo& c) const
{
    c.panelType = ChoiceBox::Code(ui_->panelType);
    c.logScreenEnabled = ui_->logScreen->isChecked() ? 1 : 0;
    c.logScreenNumber = quint16(ui_->logScreenNumber->Number());
    c.logTimer = quint16(ui_->logTimer->Number());
    c.startScreenNumber = quint16(ui_->startScreen->Number());
    c.screenProtectTime = quint8(ChoiceBox::Code(ui_->protectTime));
    c.protectShowsScreen = ui_->protectScreen->isChecked() ? 1 : 0;
    c.protectScreenNumber = quint16(ui_->protectScreenNumber->Number());
    c.functionKeyBeep = ui_->beepOn->isChecked() ? 1 : 0;
    c.dwordExchange = ui_->dwordOn->isChecked() ? 1 : 0;
}

void CDlgPanelConfig::updateEnabling()
{
    const bool log = ui_->logScreen->isChecked();
    ui_->logScreenNumber->setEnabled(log);
    ui_->logTimer->setEnabled(log);
    ui_->logTimerLabel->setEnabled(log);
    const bool protect = ChoiceBox::Code(ui_->protectTime) != 0; // not "None"
    ui_->protectScreen->setEnabled(protect);
    ui_->protectBacklight->setEnabled(protect);
    ui_->protectScreenNumber->setEnabled(protect && ui_->protectScreen->isChecked());
}
