#pragma once
#include "ObjectKind.h"

#include <QString>
#include <QtGlobal>
#include <optional>

// The number field of a register value in one value format: its range,
// length, spin range and Min/Max hint, how a 32-bit pattern is shown in it
// and stored from it, and the test a value passes when the format changes.
// The set-register action of a function key and the meter and numeric forms
// share these rules.
namespace ValueFormatRules {

struct FieldLimits
{
    bool isFloat = false;
    bool isSigned = false;
    qint64 minimum = 0; // integer formats
    qint64 maximum = 65535;
    double floatMinimum = 0; // format 7
    double floatMaximum = 0;
    int maxLength = 5;
    // The spin button steps over the format's own range (format 7 in whole
    // steps).
    qint64 spinMinimum = 0;
    qint64 spinMaximum = 65535;
};

FieldLimits Limits(ValueFormat format);
// The field before any format is applied: 0..65535, 5 digits, spin 0..65535.
FieldLimits StartLimits();

// "Min: %d  Max: %d" (signed), "Min: %u  Max: %u" (unsigned and BCD) or
// "Min: %f  Max: %f" (float), with the format's bounds.
QString HintText(const FieldLimits& limits);

// A stored pattern as the field shows it: "%d" for 1 and 2, "%u" for 3 and 4,
// "%x" for 5 and 6 (the BCD digits), "%f" of the float bits for 7.
QString ShowValue(ValueFormat format, quint32 pattern);
// The field's text as a stored pattern: signed decimal for 1 and 2, unsigned
// decimal for 3 and 4, hexadecimal for 5 and 6 (the typed digits become the
// BCD digits), the float's bits for 7. An empty text stores 0.
// None when the text is no number of the format or lies outside its range.
std::optional<quint32> StoreValue(ValueFormat format, const QString& text);

// Whether an edit of the field is kept: a text that is no number of the
// format, overflows, is longer than the field or lies outside its range is
// refused (the field keeps what it had). Empty text and a lone "-" in a
// signed or float field are kept while typing.
bool AcceptsTyped(ValueFormat format, const QString& text);

// A format change. The text is rewritten for the new format ("%f" of its
// float value for a float format, otherwise its integer value as the new
// field writes it) and tested: 1 within -32768..32767, 3 at most 65535,
// 5 at most 9999, 6 at most 99999999, 7 within -1e9..1e9, 2 and 4 pass;
// coming from format 7 the old text must be a floating-point number. An
// empty text reads as 0.
// None when the value fails.
std::optional<QString> ChangeFormat(ValueFormat from, ValueFormat to, const QString& text);

} // namespace ValueFormatRules
