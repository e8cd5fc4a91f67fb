#include "ValueFormatRules.h"

#include <QRegularExpression>
#include <cstring>

namespace ValueFormatRules {

namespace {

constexpr double kFloatLimit = 1.0e9;

bool isBcd(ValueFormat f)
{
    return f == VF_BCD_16 || f == VF_BCD_32;
}
bool isSignedInt(ValueFormat f)
{
    return f == VF_SIGNED_16 || f == VF_SIGNED_32;
}

quint32 floatBits(double value)
{
    const float f = float(value);
    quint32 bits;
    std::memcpy(&bits, &f, sizeof bits);
    return bits;
}

double bitsFloat(quint32 bits)
{
    float f;
    std::memcpy(&f, &bits, sizeof f);
    return f;
}

// The integer at the start of a text as strtoul reads it into 32 bits:
// blanks, a sign and digits; a negative number wraps, an overflow gives all
// ones, no digits give 0.
quint32 leadingUnsigned(const QString& text)
{
    int i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+')))
        negative = text[i++] == QLatin1Char('-');
    quint64 magnitude = 0;
    bool overflow = false;
    for (; i < text.size() && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9'); ++i) {
        magnitude = magnitude * 10 + quint64(text[i].unicode() - '0');
        if (magnitude > 0xFFFFFFFFull) {
            overflow = true;
            break;
        }
    }
    if (overflow)
        return 0xFFFFFFFFu;
    return negative ? quint32(0u - quint32(magnitude)) : quint32(magnitude);
}

// The floating-point number at the start of a text as atof reads it.
double leadingDouble(const QString& text)
{
    static const QRegularExpression number(
        QStringLiteral("^\\s*[-+]?(\\d+\\.?\\d*|\\.\\d+)([eE][-+]?\\d+)?"));
    const auto m = number.match(text);
    return m.hasMatch() ? m.captured(0).trimmed().toDouble() : 0.0;
}

bool isFloatText(const QString& text)
{
    bool ok = false;
    text.trimmed().toDouble(&ok);
    return ok;
}

} // namespace

FieldLimits Limits(ValueFormat format)
{
    FieldLimits s;
    switch (format) {
    case VF_SIGNED_16:
        s.isSigned = true;
        s.minimum = -32768;
        s.maximum = 32767;
        s.maxLength = 6;
        s.spinMinimum = -32768;
        s.spinMaximum = 32767;
        break;
    case VF_SIGNED_32:
        s.isSigned = true;
        s.minimum = -2147483648LL;
        s.maximum = 2147483647LL;
        s.maxLength = 11;
        s.spinMinimum = s.minimum;
        s.spinMaximum = s.maximum;
        break;
    case VF_UNSIGNED_16: break;
    case VF_UNSIGNED_32:
        s.maximum = 4294967295LL;
        s.maxLength = 10;
        s.spinMaximum = s.maximum;
        break;
    case VF_BCD_16:
        s.maximum = 9999;
        s.maxLength = 4;
        s.spinMaximum = 9999;
        break;
    case VF_BCD_32:
        s.maximum = 99999999;
        s.maxLength = 8;
        s.spinMaximum = s.maximum;
        break;
    case VF_FLOAT:
        s.isFloat = true;
        s.isSigned = true;
        s.floatMinimum = -kFloatLimit;
        s.floatMaximum = kFloatLimit;
        s.maxLength = 11;
        // Whole steps over the float's range.
        s.spinMinimum = qint64(-kFloatLimit);
        s.spinMaximum = qint64(kFloatLimit);
        break;
    }
    return s;
}

FieldLimits StartLimits()
{
    return FieldLimits();
}

QString HintText(const FieldLimits& limits)
{
    if (limits.isFloat)
        return QString::asprintf("Min: %f  Max: %f", limits.floatMinimum, limits.floatMaximum);
    return QStringLiteral("Min: %1  Max: %2").arg(limits.minimum).arg(limits.maximum);
}

QString ShowValue(ValueFormat format, quint32 pattern)
{
    switch (format) {
    case VF_SIGNED_16:
    case VF_SIGNED_32: return QString::number(qint32(pattern));
    case VF_UNSIGNED_16:
    case VF_UNSIGNED_32: return QString::number(pattern);
    case VF_BCD_16:
    case VF_BCD_32: return QString::number(pattern, 16);
    case VF_FLOAT: return QString::asprintf("%f", bitsFloat(pattern));
    }
    return QString::number(pattern);
}

std::optional<quint32> StoreValue(ValueFormat format, const QString& text)
{
    const FieldLimits limits = Limits(format);
    if (format == VF_FLOAT) {
        const double v = leadingDouble(text);
        if (v < limits.floatMinimum || v > limits.floatMaximum)
            return std::nullopt;
        return floatBits(v);
    }
    // An empty field reads as 0, as the C library's parse reads it.
    if (text.isEmpty())
        return 0u;
    if (isSignedInt(format)) {
        static const QRegularExpression digits(QStringLiteral("^-?\\d*$"));
        if (!digits.match(text).hasMatch())
            return std::nullopt;
        if (text == QLatin1String("-"))
            return 0u;
        bool ok = false;
        const qint64 v = text.toLongLong(&ok);
        if (!ok || v < limits.minimum || v > limits.maximum)
            return std::nullopt;
        return quint32(qint32(v));
    }
    static const QRegularExpression digits(QStringLiteral("^\\d+$"));
    if (!digits.match(text).hasMatch())
        return std::nullopt;
    bool ok = false;
    const qint64 v = text.toLongLong(&ok);
    if (!ok || v > limits.maximum)
        return std::nullopt;
    if (isBcd(format))
        return quint32(text.toUInt(nullptr, 16));
    return quint32(v);
}

bool AcceptsTyped(ValueFormat format, const QString& text)
{
    if (text.isEmpty())
        return true;
    if (format == VF_FLOAT) {
        static const QRegularExpression partial(
            QStringLiteral("^[-+]?(\\d+\\.?\\d*|\\.\\d*)?([eE][-+]?\\d*)?$"));
        if (!partial.match(text).hasMatch())
            return false;
        const double v = leadingDouble(text);
        return v >= -kFloatLimit && v <= kFloatLimit;
    }
    if (isSignedInt(format) && text == QLatin1String("-"))
        return true;
    return StoreValue(format, text).has_value();
}

std::optional<QString> ChangeFormat(ValueFormat from, ValueFormat to, const QString& text)
{
    QString old = text.trimmed();
    if (old.isEmpty())
        old = QStringLiteral("0");
    if (from == VF_FLOAT && !isFloatText(old))
        return std::nullopt;
    if (to == VF_FLOAT) {
        const double v = leadingDouble(old);
        if (v < -kFloatLimit || v > kFloatLimit)
            return std::nullopt;
        return QString::asprintf("%f", v);
    }
    const quint32 u = leadingUnsigned(old);
    switch (to) {
    case VF_SIGNED_16:
        if (qint32(u) < -32768 || qint32(u) > 32767)
            return std::nullopt;
        return QString::number(qint32(u));
    case VF_SIGNED_32: return QString::number(qint32(u));
    case VF_UNSIGNED_16:
        if (u > 65535)
            return std::nullopt;
        break;
    case VF_BCD_16:
        if (u > 9999)
            return std::nullopt;
        break;
    case VF_BCD_32:
        if (u > 99999999)
            return std::nullopt;
        break;
    default: break;
    }
    return QString::number(u);
}

} // namespace ValueFormatRules
