#include "DigitSpinEdit.h"

#include <QLineEdit>

CDigitSpinEdit::CDigitSpinEdit(QWidget* parent) : QAbstractSpinBox(parent)
{
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    connect(lineEdit(), &QLineEdit::textChanged, this, &CDigitSpinEdit::textChanged);
}

void CDigitSpinEdit::SetRange(int minimum, int maximum)
{
    minimum_ = minimum;
    maximum_ = maximum;
    lineEdit()->setMaxLength(int(QString::number(maximum).size()));
}

void CDigitSpinEdit::SetValue(int value)
{
    lineEdit()->setText(QString::number(qBound(minimum_, value, maximum_)));
}

std::optional<int> CDigitSpinEdit::Value() const
{
    bool ok = false;
    const int v = text().toInt(&ok);
    return ok ? std::optional<int>(v) : std::nullopt;
}

void CDigitSpinEdit::SelectAllText()
{
    lineEdit()->selectAll();
}

QValidator::State CDigitSpinEdit::validate(QString& input, int&) const
{
    if (input.isEmpty())
        return QValidator::Acceptable;
    for (QChar c : input)
        if (!c.isDigit() || c.unicode() > '9')
            return QValidator::Invalid;
    bool ok = false;
    const qint64 v = input.toLongLong(&ok);
    return ok && v <= maximum_ ? QValidator::Acceptable : QValidator::Invalid;
}

void CDigitSpinEdit::stepBy(int steps)
{
    const int from = Value().value_or(minimum_ - (steps > 0 ? 1 : 0));
    SetValue(qBound(minimum_, from + steps, maximum_));
    lineEdit()->selectAll();
}

QAbstractSpinBox::StepEnabled CDigitSpinEdit::stepEnabled() const
{
    const auto v = Value();
    StepEnabled e = StepNone;
    if (!v || *v < maximum_)
        e |= StepUpEnabled;
    if (!v || *v > minimum_)
        e |= StepDownEnabled;
    return e;
}
