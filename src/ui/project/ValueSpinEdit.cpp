#include "ValueSpinEdit.h"

#include <QLineEdit>
#include <cstring>
#include <cstring>

CValueSpinEdit::CValueSpinEdit(QWidget* parent) : QAbstractSpinBox(parent)
{
    connect(lineEdit(), &QLineEdit::textChanged, this, &CValueSpinEdit::textChanged);
    ApplyStart();
}

void CValueSpinEdit::ApplyStart()
{
    format_ = VF_UNSIGNED_16;
    limits_ = ValueFormatRules::StartLimits();
    spinMinimum_ = limits_.spinMinimum;
    spinMaximum_ = limits_.spinMaximum;
    setToolTip(ValueFormatRules::HintText(limits_));
}

void CValueSpinEdit::ApplyFormat(ValueFormat format)
{
    format_ = format;
    limits_ = ValueFormatRules::Limits(format);
    if (limits_.setsSpinRange) {
        spinMinimum_ = limits_.spinMinimum;
        spinMaximum_ = limits_.spinMaximum;
    }
    setToolTip(ValueFormatRules::HintText(limits_));
}

void CValueSpinEdit::SetText(const QString& text)
{
    lineEdit()->setText(text);
}

void CValueSpinEdit::SelectAllText()
{
    lineEdit()->setFocus();
    lineEdit()->selectAll();
}

QValidator::State CValueSpinEdit::validate(QString& input, int&) const
{
    // Longer than the field only by shortening a longer text (a "%f" value).
    if (input.size() > limits_.maxLength && input.size() > text().size())
        return QValidator::Invalid;
    return ValueFormatRules::AcceptsTyped(format_, input) ? QValidator::Acceptable : QValidator::Invalid;
}

void CValueSpinEdit::stepBy(int steps)
{
    if (limits_.isFloat) {
        const auto bits = ValueFormatRules::StoreValue(format_, text());
        float f = 0;
        if (bits)
            std::memcpy(&f, &*bits, sizeof f);
        const double v = qBound(limits_.floatMinimum, double(f) + steps, limits_.floatMaximum);
        SetText(QString::asprintf("%f", v));
        return;
    }
    // The spin works on the number as typed (BCD digits as decimal digits).
    bool ok = false;
    qint64 v = text().toLongLong(&ok);
    if (!ok)
        v = limits_.minimum;
    const qint64 low = qMax(spinMinimum_, limits_.minimum);
    const qint64 high = qMin(spinMaximum_, limits_.maximum);
    v = qBound(low, v + steps, qMax(low, high));
    SetText(QString::number(v));
}

QAbstractSpinBox::StepEnabled CValueSpinEdit::stepEnabled() const
{
    return StepUpEnabled | StepDownEnabled;
}
