#pragma once
#include "RuntimeImage.h"

#include <QString>

class CPanelMemory;

// A meter's or numeric's value in its format: the bits of one or two
// registers read as signed, unsigned, BCD or float, shown and typed as the
// panel does (integers with the decimal point `decimalPlaces` digits from the
// right, floats rounded to that many places).
class CPanelValue
{
public:
    CPanelValue() = default;
    CPanelValue(quint32 pattern, const RuntimeValueFormat& format);

    static CPanelValue Read(const CPanelMemory& memory, RuntimeRegister r,
                            const RuntimeValueFormat& format);
    void Write(CPanelMemory& memory, RuntimeRegister r) const;

    quint32 Pattern() const { return pattern_; } // 16 bits for one register
    const RuntimeValueFormat& Format() const { return format_; }
    bool IsFloat() const; // float format (always two registers)
    bool IsTwoRegisters() const;
    bool CanBeNegative() const;

    // False for a BCD pattern with a digit above 9 and for a float that is
    // not finite.
    bool IsNumber() const;
    // The value before the decimal places: the integer, the BCD digits read
    // as a decimal number, or the float. 0 when !IsNumber().
    double Number() const;
    // As shown: "-123.45", "0.05", "1234"; empty when !IsNumber().
    QString Text() const;

    // A value typed in this format: an optional "-" (formats that can be
    // negative), digits and at most one "." with at most decimalPlaces
    // digits after it. False for anything else or a value outside the
    // format's range.
    static bool Parse(const QString& text, const RuntimeValueFormat& format, CPanelValue* value);

    // Format 1..7 of the value (signed 16, signed 32, unsigned 16, unsigned
    // 32, BCD 16, BCD 32, float).
    static int FormatCode(const RuntimeValueFormat& format);

private:
    quint32 pattern_ = 0;
    RuntimeValueFormat format_;
};
