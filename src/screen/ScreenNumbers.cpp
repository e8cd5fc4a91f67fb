#include "ScreenNumbers.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <string>

namespace ScreenNumbers {

namespace {

bool isSpace(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\v' || c == u'\f';
}

bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

int ParseInt(QStringView text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && isSpace(text[i].unicode()))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    qint64 value = 0;
    for (; i < n && isDigit(text[i].unicode()); ++i) {
        value = value * 10 + (text[i].unicode() - u'0');
        if (value > qint64(INT_MAX) + 1)
            value = qint64(INT_MAX) + 1; // held; keep scanning the digits
    }
    if (negative)
        value = -value;
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return int(value);
}

double ParseDouble(QStringView text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && isSpace(text[i].unicode()))
        ++i;
    // The longest prefix that has the form of a decimal number.
    std::string buf;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        if (text[i] == QLatin1Char('-'))
            buf += '-';
        ++i;
    }
    int digits = 0;
    while (i < n && isDigit(text[i].unicode())) {
        buf += char(text[i++].unicode());
        ++digits;
    }
    if (i < n && text[i] == QLatin1Char('.')) {
        buf += '.';
        ++i;
        while (i < n && isDigit(text[i].unicode())) {
            buf += char(text[i++].unicode());
            ++digits;
        }
    }
    if (digits == 0)
        return 0.0;
    if (i < n && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        qsizetype j = i + 1;
        bool negative = false;
        if (j < n && (text[j] == QLatin1Char('+') || text[j] == QLatin1Char('-'))) {
            negative = text[j] == QLatin1Char('-');
            ++j;
        }
        if (j < n && isDigit(text[j].unicode())) {
            buf += negative ? "e-" : "e";
            while (j < n && isDigit(text[j].unicode()))
                buf += char(text[j++].unicode());
        }
    }
    double value = 0.0;
    const auto result =
        std::from_chars(buf.data(), buf.data() + buf.size(), value, std::chars_format::general);
    if (result.ec != std::errc())
        return 0.0;
    return std::isfinite(value) ? value : 0.0;
}

quint32 ParseRangePattern(QStringView text)
{
    const double v = std::trunc(ParseDouble(text));
    // Beyond the 64-bit range no pattern is meaningful: 0.
    if (!(v >= -9223372036854775808.0 && v < 9223372036854775808.0))
        return 0;
    return quint32(quint64(qint64(v)) & 0xFFFFFFFFu);
}

int TruncateToInt(double value)
{
    if (!(value == value))
        return 0;
    if (value >= double(INT_MAX))
        return INT_MAX;
    if (value <= double(INT_MIN))
        return INT_MIN;
    return int(value);
}

void AppendFixed(QString& out, double value)
{
    char buf[400];
    const auto result = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, 6);
    if (result.ec != std::errc()) {
        out += QString::asprintf("%f", value);
        return;
    }
    out += QLatin1String(buf, result.ptr - buf);
}

} // namespace ScreenNumbers
