#include "DlgCommVardoVSeq.h"
#include "ui_DlgCommVardoVSeq.h"

#include "ui/widgets/ChoiceBox.h"
#include "base/LanguageSection.h"
#include "ui/widgets/DialogTexts.h"

using namespace CommChoices;

CDlgCommVardoVSeq::CDlgCommVardoVSeq(const CAppSettings& settings, QWidget* parent)
    : QWidget(parent),
      ui_(std::make_unique<Ui::DlgCommVardoVSeq>())
{
    ui_->setupUi(this);
    DialogTexts::Apply(this, settings, IDD_DLG_COMM_VARDO_VSEQ);
    ChoiceBox::Fill(ui_->baudRate, BaudRate());
    ChoiceBox::Fill(ui_->parity, Parity(), &settings, IDD_DLG_COMM_VARDO_VSEQ);
    for (QComboBox* box : {ui_->selectRs485, ui_->requireRts, ui_->controlCts})
        ChoiceBox::Fill(box, YesNo(), &settings, IDD_DLG_COMM_VARDO_VSEQ);
    ui_->requireRts->setEnabled(false);
    ui_->controlCts->setEnabled(false);
    ui_->station->SetLimits(1, 90, 2);
    ui_->timeout->SetLimits(0, 40, 2);
    ui_->pollTime->SetLimits(1, 30000, 5);
}

CDlgCommVardoVSeq::~CDlgCommVardoVSeq() = default;

void CDlgCommVardoVSeq::Load(const CSingleDeviceInfo& d)
{
    using B = CSingleDeviceInfo;
    ui_->station->SetNumber(d.bytes[B::StationByte]);
    // The panel needs a real baud code: bytes that hold none show "9600"
    // and are stored as 2048.
    ChoiceBox::Show(ui_->baudRate, ShownBaudCode(d.Word(B::BaudWord)));
    ChoiceBox::Show(ui_->parity, d.bytes[B::ParityByte]);
    ChoiceBox::Show(ui_->selectRs485, d.bytes[B::SelectRs485Byte]);
    ChoiceBox::Show(ui_->requireRts, d.bytes[B::RequireCtsByte]);
    ChoiceBox::Show(ui_->controlCts, d.bytes[B::ControlRtsByte]);
    ui_->timeout->SetNumber(d.Word(B::TimeoutWord));
    ui_->pollTime->SetNumber(d.Word(B::PollTimeWord));
}

void CDlgCommVardoVSeq::Store(CSingleDeviceInfo& d) const
{
    using B = CSingleDeviceInfo;
    d.bytes[B::StationByte] = quint8(ui_->station->Number());
    d.SetWord(B::BaudWord, quint16(ChoiceBox::Code(ui_->baudRate)));
    d.bytes[B::ParityByte] = quint8(ChoiceBox::Code(ui_->parity));
    d.bytes[B::SelectRs485Byte] = quint8(ChoiceBox::Code(ui_->selectRs485));
    d.bytes[B::RequireCtsByte] = quint8(ChoiceBox::Code(ui_->requireRts));
    d.bytes[B::ControlRtsByte] = quint8(ChoiceBox::Code(ui_->controlCts));
    d.SetWord(B::TimeoutWord, quint16(ui_->timeout->Number()));
    d.SetWord(B::PollTimeWord, quint16(ui_->pollTime->Number()));
}

void CDlgCommVardoVSeq::SetLineEditable(bool editable)
{
    for (QWidget* w : {static_cast<QWidget*>(ui_->baudRate), static_cast<QWidget*>(ui_->parity),
                       static_cast<QWidget*>(ui_->selectRs485), static_cast<QWidget*>(ui_->timeout),
                       static_cast<QWidget*>(ui_->pollTime)})
        w->setEnabled(editable);
}
