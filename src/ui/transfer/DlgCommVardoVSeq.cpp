#include "DlgCommVardoVSeq.h"
#include "ui_DlgCommVardoVSeq.h"

#include "ChoiceBox.h"
#include "base/LanguageSection.h"
#include "project/DeviceList.h"
#include "ui/widgets/DialogTexts.h"

using namespace CommChoices;

CDlgCommVardoVSeq::CDlgCommVardoVSeq(const CAppSettings& settings, QWidget* parent)
    : QWidget(parent), ui_(std::make_unique<Ui::DlgCommVardoVSeq>())
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
    ui_->station->SetNumber(d.bytes[0]);
    ChoiceBox::Show(ui_->baudRate, BaudRate(), DeviceList::DeviceBaudCode(d));
    ChoiceBox::Show(ui_->parity, Parity(), d.bytes[3]);
    ChoiceBox::Show(ui_->selectRs485, YesNo(), d.bytes[4]);
    ChoiceBox::Show(ui_->requireRts, YesNo(), d.bytes[5]);
    ChoiceBox::Show(ui_->controlCts, YesNo(), d.bytes[6]);
    ui_->timeout->SetNumber(DeviceList::DeviceWord(d, 7));
    ui_->pollTime->SetNumber(DeviceList::DeviceWord(d, 9));
}

void CDlgCommVardoVSeq::Store(CSingleDeviceInfo& d) const
{
    d.bytes[0] = quint8(ui_->station->Number());
    // An unknown baud code shows "9600" and is stored as 2048.
    DeviceList::SetDeviceBaudCode(d, CommChoices::CodeAt(BaudRate(), ui_->baudRate->currentIndex()));
    d.bytes[3] = quint8(ChoiceBox::Code(ui_->parity, Parity(), d.bytes[3]));
    d.bytes[4] = quint8(ChoiceBox::Code(ui_->selectRs485, YesNo(), d.bytes[4]));
    d.bytes[5] = quint8(ChoiceBox::Code(ui_->requireRts, YesNo(), d.bytes[5]));
    d.bytes[6] = quint8(ChoiceBox::Code(ui_->controlCts, YesNo(), d.bytes[6]));
    DeviceList::SetDeviceWord(d, 7, quint16(ui_->timeout->Number()));
    DeviceList::SetDeviceWord(d, 9, quint16(ui_->pollTime->Number()));
}

void CDlgCommVardoVSeq::SetLineEditable(bool editable)
{
    for (QWidget* w : {static_cast<QWidget*>(ui_->baudRate), static_cast<QWidget*>(ui_->parity),
                       static_cast<QWidget*>(ui_->selectRs485), static_cast<QWidget*>(ui_->timeout),
                       static_cast<QWidget*>(ui_->pollTime)})
        w->setEnabled(editable);
}
