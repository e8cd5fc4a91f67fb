#include "PanelNumericField.h"

#include <algorithm>

CPanelNumericField::CPanelNumericField(const RuntimeObject& numeric)
{
    const RuntimeValueFormat format = NumericFormat(numeric);
    digits_ = numeric.Digits();
    places_ = format.decimalPlaces;
    sign_ = CPanelValue(0, format).CanBeNegative();
    leadingZeros_ = numeric.LeadingZeros();
    encrypt_ = numeric.NumericEncrypt();
    // Places at or above the digits put "0." in front, as the editor's
    // preview does.
    if (places_ == 0)
        wholePlaces_ = digits_;
    else if (places_ < digits_)
        wholePlaces_ = digits_ - places_;
    else
        wholePlaces_ = 1;
    width_ = wholePlaces_ + (places_ > 0 ? places_ + 1 : 0) + (sign_ ? 1 : 0);
}

bool CPanelNumericField::Fits(const CPanelValue& value) const
{
    if (!value.IsNumber())
        return false;
    QString text = value.Text();
    if (text.startsWith(QLatin1Char('-'))) {
        if (!sign_)
            return false;
        text.remove(0, 1);
    }
    const int point = text.indexOf(QLatin1Char('.'));
    return (point < 0 ? text.size() : point) <= wholePlaces_;
}

QString CPanelNumericField::Text(const CPanelValue& value) const
{
    if (encrypt_) {
        const int stars = std::min(digits_, width_);
        return QString(width_ - stars, QLatin1Char(' ')) + QString(stars, QLatin1Char('*'));
    }
    if (!Fits(value))
        return QString(width_, QLatin1Char('#'));
    QString text = value.Text();
    const bool negative = text.startsWith(QLatin1Char('-'));
    if (negative)
        text.remove(0, 1);
    if (leadingZeros_) {
        const int point = text.indexOf(QLatin1Char('.'));
        const int whole = point < 0 ? text.size() : point;
        text.prepend(QString(wholePlaces_ - whole, QLatin1Char('0')));
    }
    if (negative)
        text.prepend(QLatin1Char('-'));
    return QString(width_ - text.size(), QLatin1Char(' ')) + text;
}
