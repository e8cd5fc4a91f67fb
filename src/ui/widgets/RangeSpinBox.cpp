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
    lowest_ = minimum;
    highest_ = maximum;
    characters_ = characters;
    held_.clear();
    setRange(minimum, maximum);
    lineEdit()->setMaxLength(characters);
    last_ = value();
}

void CRangeSpinBox::SetNumber(int v)
{
    const bool outside = v < lowest_ || v > highest_;
    held_ = outside ? QString::number(v) : QString();
    // The spin box's own range reaches the stored value so that it can hold
    // it; typing and the spin buttons keep to the field's range.
    setRange(qMin(lowest_, v), qMax(highest_, v));
    lineEdit()->setMaxLength(qMax(characters_, int(held_.size())));
    setValue(v);
    last_ = qBound(lowest_, v, highest_);
}

void CRangeSpinBox::release()
{
    // The length stays until the text has changed, so that nothing is cut
    // from a long stored value before the edit reaches it.
    held_.clear();
}

void CRangeSpinBox::edited()
{
    release();
    lineEdit()->setMaxLength(characters_);
}

void CRangeSpinBox::keyPressEvent(QKeyEvent* event)
{
    if (EditingKey::ChangesText(event))
        release();
    QSpinBox::keyPressEvent(event);
}

void CRangeSpinBox::stepBy(int steps)
{
    // From a stored value outside the range the first step goes to the
    // nearest bound.
    const int from = value();
    const int to = from < lowest_ || from > highest_ ? qBound(lowest_, from, highest_)
                                                     : qBound(lowest_, from + steps * singleStep(), highest_);
    release();
    setValue(to);
    last_ = to;
    lineEdit()->setText(textFromValue(to));
    edited();
    selectAll();
}

QAbstractSpinBox::StepEnabled CRangeSpinBox::stepEnabled() const
{
    // A stored value outside the range steps to the nearest bound.
    StepEnabled e = StepNone;
    if (value() != highest_)
        e |= StepUpEnabled;
    if (value() != lowest_)
        e |= StepDownEnabled;
    return e;
}

QValidator::State CRangeSpinBox::validate(QString& text, int& pos) const
{
    if (!held_.isEmpty() && text == held_)
        return QValidator::Acceptable;
    if (text.isEmpty())
        return QValidator::Intermediate;
    for (QChar c : text)
        if (!c.isDigit())
            return QValidator::Invalid;
    int first = -1;
    for (int i = 0; i < text.size() && first < 0; ++i)
        if (text[i] >= QLatin1Char('1') && text[i] <= QLatin1Char('9'))
            first = i;
    if (first < 0)
        text = QStringLiteral("0");
    else if (first > 0)
        text = text.mid(first);
    bool ok = false;
    const int v = text.toInt(&ok);
    if (!ok || v < lowest_ || v > highest_)
        text = QString::number(last_);
    else
        last_ = v;
    pos = int(text.size());
    return QValidator::Acceptable;
}

void CRangeSpinBox::fixup(QString& text) const
{
    if (text.isEmpty())
        text = QString::number(last_);
}
