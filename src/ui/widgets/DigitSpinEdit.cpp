#include "DigitSpinEdit.h"
#include "EditingKey.h"

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
    rules_.SetLimits(minimum, maximum, 0);
    lineEdit()->setMaxLength(rules_.Characters());
}

void CDigitSpinEdit::SetValue(int value)
{
    edited();
    lineEdit()->setText(QString::number(qBound(rules_.Minimum(), value, rules_.Maximum())));
}

void CDigitSpinEdit::SetStoredValue(int value)
{
    rules_.Hold(value);
    lineEdit()->setMaxLength(rules_.MaxLength());
    lineEdit()->setText(QString::number(value));
}

void CDigitSpinEdit::edited()
{
    // The length stays until the text has changed, so that nothing is cut
    // from a long stored value before the edit reaches it.
    rules_.Release();
    lineEdit()->setMaxLength(rules_.Characters());
}

void CDigitSpinEdit::keyPressEvent(QKeyEvent* event)
{
    if (EditingKey::ChangesText(event))
        rules_.Release();
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

QValidator::State CDigitSpinEdit::validate(QString& input, int& pos) const
{
    return rules_.Validate(input, pos);
}

void CDigitSpinEdit::stepBy(int steps)
{
    const int from = Value().value_or(rules_.Minimum() - (steps > 0 ? 1 : 0));
    SetValue(qBound(rules_.Minimum(), from + steps, rules_.Maximum()));
    lineEdit()->selectAll();
}

QAbstractSpinBox::StepEnabled CDigitSpinEdit::stepEnabled() const
{
    const auto v = Value();
    StepEnabled e = StepNone;
    if (!v || *v < rules_.Maximum())
        e |= StepUpEnabled;
    if (!v || *v > rules_.Minimum())
        e |= StepDownEnabled;
    return e;
}
