#include "DlgPanel2Plc.h"
#include "ui/widgets/DialogPlace.h"
#include "ui_DlgPanel2Plc.h"

#include "base/LanguageSection.h"
#include "ui/widgets/RegisterPicker.h"
#include "ui/widgets/DialogTexts.h"

CDlgPanel2Plc::CDlgPanel2Plc(const CAppSettings& settings, IMessageSink& messages,
                             const CProjectModel& model, const CPLCAndPanelAlternation& exchange,
                             QWidget* parent)
    : QDialog(parent),
      ui_(std::make_unique<Ui::DlgPanel2Plc>()),
      settings_(settings),
      messages_(messages),
      model_(model),
      exchange_(exchange)
{
    ui_->setupUi(this);
    DialogTexts::Apply(this, settings, IDD_DLG_PANEL2PLC);
    DialogTexts::Apply(ui_->panelTab, settings, IDD_DLG_PANEL2PLC_PANEL);
    DialogTexts::Apply(ui_->plcTab, settings, IDD_DLG_PANEL2PLC_PLC);
    RememberDialogPlace(this, settings, QStringLiteral("PlacePlcAndPanel"));
    ui_->panelScreen->setChecked(exchange.panelToPlcEnabled != 0);
    ui_->plcScreen->setChecked(exchange.plcToPanelEnabled != 0);
    ui_->plcBeep->setChecked(exchange.beepControlEnabled != 0);
    connect(ui_->panelPick, &QPushButton::clicked, this, [this] { pick(exchange_.panelToPlc); });
    connect(ui_->plcPick, &QPushButton::clicked, this, [this] { pick(exchange_.plcToPanel); });
    showAddresses();
}

CDlgPanel2Plc::~CDlgPanel2Plc() = default;

void CDlgPanel2Plc::pick(RegisterRef& ref)
{
    if (CDlgRegister::Pick(this, settings_, messages_, model_, ref, RegisterRef::KindWord))
        showAddresses();
}

void CDlgPanel2Plc::showAddresses()
{
    ui_->panelAddress->setText(exchange_.panelToPlc.ToText());
    ui_->plcAddress->setText(exchange_.plcToPanel.ToText());
}

CPLCAndPanelAlternation CDlgPanel2Plc::Result() const
{
    CPLCAndPanelAlternation result = exchange_;
    result.panelToPlcEnabled = ui_->panelScreen->isChecked() ? 1 : 0;
    result.plcToPanelEnabled = ui_->plcScreen->isChecked() ? 1 : 0;
    result.beepControlEnabled = ui_->plcBeep->isChecked() ? 1 : 0;
    return result;
}
