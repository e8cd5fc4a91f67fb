#include "DlgCommGeneral.h"
#include "ui_DlgCommGeneral.h"

#include "ui/widgets/ChoiceBox.h"
#include "base/LanguageSection.h"
#include "ui/widgets/DialogTexts.h"

namespace {
using namespace CommChoices;
// Each list with its field of the general settings.
struct Binding
{
    QComboBox* Ui::DlgCommGeneral::*box;
    List (*list)();
    quint8 CDeviceInfo::*field;
};
const Binding kBindings[] = {
    {&Ui::DlgCommGeneral::parity, &Parity, &CDeviceInfo::parity},
    {&Ui::DlgCommGeneral::stopBits, &StopBits, &CDeviceInfo::stopBits},
    {&Ui::DlgCommGeneral::transmit, &Transmit, &CDeviceInfo::transmit},
    {&Ui::DlgCommGeneral::selectRs485, &YesNo, &CDeviceInfo::selectRs485},
    {&Ui::DlgCommGeneral::requireCts, &YesNo, &CDeviceInfo::requireCts},
    {&Ui::DlgCommGeneral::controlRts, &YesNo, &CDeviceInfo::controlRts},
    {&Ui::DlgCommGeneral::checksumType, &ChecksumType, &CDeviceInfo::checksumType},
    {&Ui::DlgCommGeneral::registersPerMessage, &RegistersPerMessage,
     &CDeviceInfo::registersPerMessage},
    {&Ui::DlgCommGeneral::coilsPerMessage, &CoilsPerMessage, &CDeviceInfo::coilsPerMessage},
    {&Ui::DlgCommGeneral::linkSelector, &LinkSelector, &CDeviceInfo::linkSelector},
    {&Ui::DlgCommGeneral::wiring, &Wiring, &CDeviceInfo::wiring},
    {&Ui::DlgCommGeneral::byteOrder, &ByteOrder, &CDeviceInfo::byteOrder},
    {&Ui::DlgCommGeneral::wordOrder, &WordOrder, &CDeviceInfo::wordOrder},
    {&Ui::DlgCommGeneral::characterOrder, &CharacterOrder, &CDeviceInfo::characterOrder},
    {&Ui::DlgCommGeneral::transmission, &Transmission, &CDeviceInfo::transmission},
    {&Ui::DlgCommGeneral::protocolStyle, &ProtocolStyle, &CDeviceInfo::protocolStyle},
    {&Ui::DlgCommGeneral::enq, &YesNo, &CDeviceInfo::enq},
};
} // namespace

CDlgCommGeneral::CDlgCommGeneral(const CAppSettings& settings, QWidget* parent)
    : QWidget(parent),
      ui_(std::make_unique<Ui::DlgCommGeneral>())
{
    ui_->setupUi(this);
    DialogTexts::Apply(this, settings, IDD_DLG_COMM_GENERAL);
    ChoiceBox::Fill(ui_->baudRate, BaudRate());
    for (const Binding& b : kBindings)
        ChoiceBox::Fill((*ui_).*b.box, b.list(), &settings, IDD_DLG_COMM_GENERAL);
    ui_->timeout->SetLimits(1, 40, 3);
    ui_->pollTime->SetLimits(1, 30000, 5);
    ui_->maxStation->SetLimits(1, 90, 2);
    ui_->panelNumber->SetLimits(0, 31, 2);
}

CDlgCommGeneral::~CDlgCommGeneral() = default;

void CDlgCommGeneral::Load(const CDeviceInfo& info)
{
    ChoiceBox::Show(ui_->baudRate, info.baudRate);
    for (const Binding& b : kBindings)
        ChoiceBox::Show((*ui_).*b.box, info.*b.field);
    ui_->timeout->SetNumber(info.timeout);
    ui_->pollTime->SetNumber(info.pollTime);
    ui_->maxStation->SetNumber(info.maxStationNumber);
    ui_->panelNumber->SetNumber(info.panelNumber);
}

void CDlgCommGeneral::Store(CDeviceInfo& info) const
{
    info.baudRate = ChoiceBox::Code(ui_->baudRate);
    for (const Binding& b : kBindings)
        info.*b.field = quint8(ChoiceBox::Code((*ui_).*b.box));
    info.timeout = quint16(ui_->timeout->Number());
    info.pollTime = quint16(ui_->pollTime->Number());
    info.maxStationNumber = quint16(ui_->maxStation->Number());
    info.panelNumber = quint16(ui_->panelNumber->Number());
}
