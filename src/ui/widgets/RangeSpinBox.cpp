#include "RangeSpinBox.h"
#include "EditingKey.h"

#include <QKeyEvent>
#include <QLineEdit>

CRangeSpinBox::CRangeSpinBox(QWidget* parent) : QSpinBox(parent)
{
    setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    setKeyboardTracking(true);
    // Editing ends the showing of a stored value: from then on the range rules.
    connect(lineEdit(), &QLineEdit::textEdited, this, &CRangeSpinBox::edited);
}

void CRangeSpinBox::SetLimits(int minimum, int maximum, int characters)
{
    rules_.SetLimits(minimum, maximum, characters);
    rules_.Release();
    setRange(minimum, maximum);
    lineEdit()->setMaxLength(characters);
    rules_.SetLastInRange(value());
}

void CRangeSpinBox::SetNumber(int v)
{
    rules_.Hold(v);
    // The spin box's own range reaches the stored value so that it can hold
    // it; typing and the spin buttons keep to the field's range.
    setRange(qMin(rules_.Minimum(), v), qMax(rules_.Maximum(), v));
    lineEdit()->setMaxLength(rules_.MaxLength());
    setValue(v);
    rules_.SetLastInRange(qBound(rules_.Minimum(), v, rules_.Maximum()));
}

void CRangeSpinBox::edited()
{
    // The length stays until the text has changed, so that nothing is cut
    // from a long stored value before the edit reaches it.
    rules_.Release();
    lineEdit()->setMaxLength(rules_.Characters());
}

void CRangeSpinBox::keyPressEvent(QKeyEvent* event)
{
    if (EditingKey::ChangesText(event))
        rules_.Release();
    QSpinBox::keyPressEvent(event);
}

void CRangeSpinBox::stepBy(int steps)
{
    // From a stored value outside the range the first step goes to the
    // nearest bound.
    const int lowest = rules_.Minimum();
    const int highest = rules_.Maximum();
    const int from = value();
    const int to = from < lowest || from > highest
                       ? qBound(lowest, from, highest)
                       : qBound(lowest, from + steps * singleStep(), highest);
    rules_.Release();
    setValue(to);
    rules_.SetLastInRange(to);
    lineEdit()->setText(textFromValue(to));
    edited();
    selectAll();
}

QAbstractSpinBox::StepEnabled CRangeSpinBox::stepEnabled() const
{
    // A stored value outside the range steps to the nearest bound.
    StepEnabled e = StepNone;
    if (value() != rules_.Maximum())
        e |= StepUpEnabled;
    if (value() != rules_.Minimum())
        e |= StepDownEnabled;
    return e;
}

QValidator::State CRangeSpinBox::validate(QString& text, int& pos) const
{
    return rules_.Validate(text, pos);
}

void CRangeSpinBox::fixup(QString& text) const
{
    text = rules_.Fixup(text);
}
