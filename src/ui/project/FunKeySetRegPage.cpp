#include "FunKeySetRegPage.h"
#include "ui/document/ProjectMessages.h"
#include "screen/ValueFormatRules.h"
#include "ui_FunKeySetRegPage.h"

#include <QSignalBlocker>

namespace {
const QString kValueRefused = QStringLiteral("Error OBJ-002 : Minimum value is not within range");
}

CFunKeySetRegPage::CFunKeySetRegPage(CProjectController& controller, RegisterPicker picker,
                                     QWidget* parent)
    : QWidget(parent),
      controller_(controller),
      ui_(std::make_unique<Ui::CFunKeySetRegPage>())
{
    ui_->setupUi(this);
    ui_->fieldRegister->Bind(RegisterRef::KindWord, std::move(picker));
    ui_->spinQuantity->SetLimits(1, 2, 1);
    connect(ui_->spinQuantity, &QSpinBox::valueChanged, this, &CFunKeySetRegPage::onFormatControl);
    connect(ui_->checkFloat, &QCheckBox::toggled, this, &CFunKeySetRegPage::onFormatControl);
    connect(ui_->radioBcd, &QRadioButton::toggled, this, &CFunKeySetRegPage::onFormatControl);
    connect(ui_->checkSign, &QCheckBox::toggled, this, &CFunKeySetRegPage::onFormatControl);
}

CFunKeySetRegPage::~CFunKeySetRegPage() = default;

CFunKeySetRegPage::Settings CFunKeySetRegPage::controls() const
{
    return {ui_->spinQuantity->Number(), ui_->checkFloat->isChecked(), ui_->radioBcd->isChecked(),
            ui_->checkSign->isChecked()};
}

void CFunKeySetRegPage::setControls(const Settings& s)
{
    const QSignalBlocker b1(ui_->spinQuantity), b2(ui_->checkFloat), b3(ui_->radioBcd),
        b4(ui_->radioBin), b5(ui_->checkSign);
    ui_->spinQuantity->SetNumber(s.quantity);
    ui_->checkFloat->setChecked(s.isFloat);
    (s.bcd ? ui_->radioBcd : ui_->radioBin)->setChecked(true);
    ui_->checkSign->setChecked(s.isSigned);
    ui_->spinQuantity->setEnabled(!s.isFloat);
    ui_->labelMode->setEnabled(!s.isFloat);
    ui_->radioBin->setEnabled(!s.isFloat);
    ui_->radioBcd->setEnabled(!s.isFloat);
    ui_->checkSign->setEnabled(!s.isFloat);
}

void CFunKeySetRegPage::applyFormat(ValueFormat format)
{
    format_ = format;
    const ValueFormatRules::FieldLimits limits = ValueFormatRules::Limits(format);
    ui_->editValue->ApplyLimits(limits);
    ui_->labelHint->setText(ValueFormatRules::HintText(limits));
}

void CFunKeySetRegPage::Load(const CFunKey_SetReg& action)
{
    ui_->fieldRegister->SetRef(action.reg);
    // A stored quantity outside 1..2 is shown as it is; the format reads it
    // as the value's register count.
    settings_ = {action.quantity, action.isFloat != 0, action.mode == 1, action.isSigned != 0};
    setControls(settings_);
    ui_->editValue->ApplyLimits(ValueFormatRules::StartLimits());
    const ValueFormat format =
        DeriveValueFormat(settings_.isFloat, settings_.bcd, settings_.isSigned, settings_.quantity);
    applyFormat(format);
    // The stored value is shown whole, and kept as it is while the text and
    // the format stay as they were loaded (a value the format's range does
    // not hold included).
    loadedFormat_ = format;
    loadedValue_ = action.value;
    loadedText_ = ValueFormatRules::ShowValue(format, quint32(action.value));
    if (loadedText_.size() > ui_->editValue->MaxLength())
        ui_->editValue->SetMaxLength(int(loadedText_.size()));
    ui_->editValue->SetText(loadedText_);
}

void CFunKeySetRegPage::onFormatControl()
{
    Settings now = controls();
    if (now.isFloat && !settings_.isFloat) {
        now.quantity = 2;
    }
    const ValueFormat format = DeriveValueFormat(now.isFloat, now.bcd, now.isSigned, now.quantity);
    if (format != format_) {
        const auto text = ValueFormatRules::ChangeFormat(format_, format, ui_->editValue->Text());
        if (!text) {
            setControls(settings_);
            ProjectMessages::Error(controller_, kValueRefused);
            ui_->editValue->SelectAllText();
            return;
        }
        applyFormat(format);
        ui_->editValue->SetText(*text);
    }
    settings_ = now;
    setControls(settings_);
}

bool CFunKeySetRegPage::Store(CFunKey_SetReg& action, bool report) const
{
    const bool untouched = format_ == loadedFormat_ && ui_->editValue->Text() == loadedText_;
    const auto value = untouched ? std::optional<quint32>(quint32(loadedValue_))
                                 : ValueFormatRules::StoreValue(format_, ui_->editValue->Text());
    if (!value) {
        if (report) {
            ProjectMessages::Error(controller_, kValueRefused);
            ui_->editValue->setFocus();
            ui_->editValue->SelectAllText();
        }
        return false;
    }
    action.reg = ui_->fieldRegister->Ref();
    action.quantity = settings_.quantity;
    action.value = qint32(*value);
    action.isFloat = settings_.isFloat ? 1 : 0;
    action.mode = settings_.bcd ? 1 : 0;
    action.isSigned = settings_.isSigned ? 1 : 0;
    return true;
}
