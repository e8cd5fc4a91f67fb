#pragma once
#include <QString>
#include <QStringView>
#include <QtGlobal>

// Number reading and writing of screen-file fields.
namespace ScreenNumbers {

// A decimal integer with an optional sign: leading white space skipped,
// parsing stops at the first other character, no digits give 0; values
// beyond 32 bits are held at the int range.
int ParseInt(QStringView text);
// A decimal floating-point number read the same way (digits, one point, an
// exponent); no number, or one that is not finite, gives 0.
double ParseDouble(QStringView text);
// A "%u" range field: read as floating point, truncated toward zero to 64
// bits, of which the low 32 bits are the pattern ("-1" and "4294967295" both
// give all ones).
quint32 ParseRangePattern(QStringView text);
// An edge truncated toward zero, held at the int range.
int TruncateToInt(double value);
// "%f": six decimals.
void AppendFixed(QString& out, double value);

} // namespace ScreenNumbers
