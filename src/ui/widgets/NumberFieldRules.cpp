#include "NumberFieldRules.h"

CNumberFieldRules::CNumberFieldRules(Mode mode, int minimum, int maximum, int characters)
    : mode_(mode)
{
    SetLimits(minimum, maximum, characters);
    last_ = minimum;
}

void CNumberFieldRules::SetLimits(int minimum, int maximum, int characters)
{
    minimum_ = minimum;
    maximum_ = maximum;
    characters_ = mode_ == Mode::MayStayEmpty ? int(QString::number(maximum).size()) : characters;
}

void CNumberFieldRules::Hold(int value)
{
    const bool outside = value < minimum_ || value > maximum_;
    held_ = outside ? QString::number(value) : QString();
    last_ = qBound(minimum_, value, maximum_);
}

QValidator::State CNumberFieldRules::Validate(QString& text, int& pos) const
{
    if (!held_.isEmpty() && text == held_)
        return QValidator::Acceptable;
    return mode_ == Mode::MayStayEmpty ? validateDigits(text) : validateInRange(text, pos);
}

QValidator::State CNumberFieldRules::validateDigits(const QString& text) const
{
    if (text.isEmpty())
        return QValidator::Acceptable;
    for (QChar c : text)
        if (!c.isDigit() || c.unicode() > '9')
            return QValidator::Invalid;
    bool ok = false;
    const qint64 v = text.toLongLong(&ok);
    return ok && v <= maximum_ ? QValidator::Acceptable : QValidator::Invalid;
}

QValidator::State CNumberFieldRules::validateInRange(QString& text, int& pos) const
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
    if (!ok || v < minimum_ || v > maximum_)
        text = QString::number(last_);
    else
        last_ = v;
    pos = int(text.size());
    return QValidator::Acceptable;
}

QString CNumberFieldRules::Fixup(const QString& text) const
{
    return text.isEmpty() && mode_ == Mode::KeepInRange ? QString::number(last_) : text;
}
