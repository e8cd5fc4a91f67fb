#pragma once
#include "PanelValue.h"
#include "RuntimeImage.h"

#include <QString>

// How a numeric object shows its value: a field of fixed width in the
// panel's font (digits, decimal point, a sign place when the value can be
// negative), the value right-aligned in it.
class CPanelNumericField
{
public:
    explicit CPanelNumericField(const RuntimeObject& numeric);

    int Width() const { return width_; } // characters
    // Whether the value can be shown within the digits.
    bool Fits(const CPanelValue& value) const;
    // Exactly Width() characters: the value, "*" for each digit when
    // encrypted, "#" over the whole field when the value does not fit or is
    // no number.
    QString Text(const CPanelValue& value) const;

private:
    int digits_ = 0;
    int places_ = 0;
    int wholePlaces_ = 0; // digits before the point
    bool sign_ = false;
    bool leadingZeros_ = false;
    bool encrypt_ = false;
    int width_ = 0;
};
