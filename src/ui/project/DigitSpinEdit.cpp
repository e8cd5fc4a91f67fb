#include "DigitSpinEdit.h"

#include "ui/widgets/EditingKey.h"

#include <QKeyEvent>
#include <QLineEdit>

CDigitSpinEdit::CDigitSpinEdit(QWidget* parent) : QAbstractSpinBox(parent)
{
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    connect(lineEdit(), &QLineEdit::textChanged, this, &CDigitSpinEdit::textChanged);
    connect(lineEdit(), &QLineEdit::textEdited, this, &CDigitSpinEdit::edited);
}

void CDigitSpinEdit::SetRange(int minimum, int maximum)
{
    minimum_ = minimum;
    maximum_ = maximum;
    digits_ = int(QString::number(maximum).size());
    lineEdit()->setMaxLength(digits_);
}

void CDigitSpinEdit::SetValue(int value)
{
    edited();
    lineEdit()->setText(QString::number(qBound(minimum_, value, maximum_)));
}

void CDigitSpinEdit::SetStoredValue(int value)
{
    const bool outside = value < minimum_ || value > maximum_;
    held_ = outside ? QString::number(value) : QString();
    lineEdit()->setMaxLength(qMax(digits_, int(held_.size())));
    lineEdit()->setText(QString::number(value));
}

void CDigitSpinEdit::release()
{
    // The length stays until the text has changed, so that nothing is cut
    // from a long stored value before the edit reaches it.
    held_.clear();
}

void CDigitSpinEdit::edited()
{
    release();
    lineEdit()->setMaxLength(digits_);
}

void CDigitSpinEdit::keyPressEvent(QKeyEvent* event)
{
    if (EditingKey::ChangesText(event))
        release();
    QAbstractSpinBox::keyPressEvent(event);
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
    if (input.isEmpty() || (!held_.isEmpty() && input == held_))
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
