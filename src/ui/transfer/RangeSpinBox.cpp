#include "RangeSpinBox.h"

#include <QLineEdit>

CRangeSpinBox::CRangeSpinBox(QWidget* parent) : QSpinBox(parent)
{
    setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    setKeyboardTracking(true);
    connect(this, &QSpinBox::valueChanged, this, [this](int v) {
        last_ = v;
        touched_ = true;
    });
}

void CRangeSpinBox::SetLimits(int minimum, int maximum, int characters)
{
    setRange(minimum, maximum);
    spinMin_ = minimum;
    spinMax_ = maximum;
    lineEdit()->setMaxLength(characters);
    last_ = value();
    loaded_ = value();
}

void CRangeSpinBox::SetNumber(int v)
{
    setValue(v);
    last_ = value();
    loaded_ = v;
    touched_ = false;
}

QValidator::State CRangeSpinBox::validate(QString& text, int& pos) const
{
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
    if (!ok || v < minimum() || v > maximum())
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
