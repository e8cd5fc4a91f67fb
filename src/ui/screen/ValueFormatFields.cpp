#include "ValueFormatFields.h"

#include "screen/RegisterValueProperties.h"
#include "screen/ValueFormatRules.h"
#include "ui/document/ProjectMessages.h"
#include "ui/widgets/ColorEdit.h"

#include <QCheckBox>
#include <QRadioButton>

namespace {
const QString kMinimumRefused = QStringLiteral("Error OBJ-002 : Minimum value is not within range");
const QString kMaximumRefused = QStringLiteral("Error OBJ-003 : Maximum value is not within range");
} // namespace

CValueFormatFields::CValueFormatFields(const ValueFormatWidgets& widgets, bool pointFollowsFloat)
    : w_(widgets),
      pointFollowsFloat_(pointFollowsFloat)
{
    w_.count->SetMode(CColorEdit::ModeDecimal);
    w_.count->SetMaxLength(1);
    w_.count->SetRange(1, 2);
    w_.count->SetSpinRange(1, 2);
}

void CValueFormatFields::Connect(QWidget* context, CProjectController* controller)
{
    controller_ = controller;
    QObject::connect(w_.isFloat, &QCheckBox::toggled, context, [this] { FloatToggled(); });
    QObject::connect(w_.dec, &QRadioButton::toggled, context, [this] {
        if (!loading_)
            ApplySettings();
    });
    QObject::connect(w_.isSigned, &QCheckBox::toggled, context, [this] {
        if (!loading_)
            ApplySettings();
    });
    QObject::connect(w_.count, &CColorEdit::textChanged, context, [this] {
        if (!loading_)
            ApplySettings();
    });
}

void CValueFormatFields::Load(const RegisterValueProperties& p)
{
    loading_ = true;
    current_ = p.GetValueFormat();
    w_.count->SetText(QString::number(p.isFloat ? 2 : p.registerCount));
    w_.isFloat->setChecked(p.isFloat != 0);
    (p.model == 0 ? w_.dec : w_.hex)->setChecked(true);
    w_.isSigned->setChecked(p.isSigned != 0);
    w_.point->SetText(QString::number(p.decimalPlaces));
    ShowForFloat(p.isFloat != 0);

    const auto limits = ValueFormatRules::Limits(current_);
    w_.minimum->ApplyLimits(limits);
    w_.maximum->ApplyLimits(limits);
    // The range pair, also in legacy range mode: it is what OK stores and
    // what the panel gets. Showing the legacy pair there would put it back
    // over the stored range at the next OK (a new project is in that mode).
    const quint32 low = p.minimum;
    const quint32 high = p.maximum;
    w_.minimum->SetText(ValueFormatRules::ShowValue(current_, low));
    w_.maximum->SetText(ValueFormatRules::ShowValue(current_, high));
    loading_ = false;
}

ValueFormat CValueFormatFields::Selected() const
{
    const int count = w_.count->Text().toInt();
    return DeriveValueFormat(w_.isFloat->isChecked() ? 1 : 0, w_.hex->isChecked() ? 1 : 0,
                             w_.isSigned->isChecked() ? 1 : 0, count == 1 ? 1 : 2);
}

bool CValueFormatFields::ApplySettings()
{
    const ValueFormat to = Selected();
    if (to == current_)
        return true;
    const auto limits = ValueFormatRules::Limits(to);
    const QString oldMinimum = w_.minimum->Text();
    const QString oldMaximum = w_.maximum->Text();
    w_.minimum->ApplyLimits(limits);
    w_.maximum->ApplyLimits(limits);
    const auto low = ValueFormatRules::ChangeFormat(current_, to, oldMinimum);
    const auto high = ValueFormatRules::ChangeFormat(current_, to, oldMaximum);
    CColorEdit* failing = !low ? w_.minimum : !high ? w_.maximum : nullptr;
    if (failing) {
        // Both texts stay as typed: rewriting one would lose a float's
        // decimals for a change that does not happen.
        if (controller_)
            ProjectMessages::Error(*controller_, !low ? kMinimumRefused : kMaximumRefused);
        failing->setFocus(Qt::OtherFocusReason);
        failing->SelectAllText();
        return false;
    }
    w_.minimum->SetText(*low);
    w_.maximum->SetText(*high);
    current_ = to;
    return true;
}

void CValueFormatFields::Store(RegisterValueProperties& p) const
{
    p.isFloat = w_.isFloat->isChecked() ? 1 : 0;
    p.registerCount = p.isFloat || w_.count->Text().toInt() != 1 ? 2 : 1;
    p.model = w_.hex->isChecked() ? 1 : 0;
    p.isSigned = w_.isSigned->isChecked() ? 1 : 0;
    p.decimalPlaces = w_.point->Text().toInt();
    // The range pair always; the legacy pair is never written from a form.
    if (const auto low = ValueFormatRules::StoreValue(current_, w_.minimum->Text()))
        p.minimum = *low;
    if (const auto high = ValueFormatRules::StoreValue(current_, w_.maximum->Text()))
        p.maximum = *high;
}

void CValueFormatFields::FloatToggled()
{
    const bool isFloat = w_.isFloat->isChecked();
    const bool wasLoading = loading_;
    loading_ = true;
    if (isFloat)
        w_.count->SetText(QStringLiteral("2"));
    loading_ = wasLoading;
    ShowForFloat(isFloat);
    if (!loading_)
        ApplySettings();
}

void CValueFormatFields::ShowForFloat(bool isFloat)
{
    w_.count->setEnabled(!isFloat);
    w_.modelLabel->setVisible(!isFloat);
    w_.dec->setVisible(!isFloat);
    w_.hex->setVisible(!isFloat);
    w_.isSigned->setVisible(!isFloat);
    if (pointFollowsFloat_) {
        if (w_.pointLabel)
            w_.pointLabel->setVisible(isFloat);
        w_.point->setVisible(isFloat);
    }
}
