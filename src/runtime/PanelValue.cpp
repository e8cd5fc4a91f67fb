#include "PanelValue.h"
#include "PanelMemory.h"

#include <QLocale>

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>

namespace {

// BCD digits of a pattern read as a decimal number; -1 when a digit is above 9.
qint64 bcdNumber(quint32 pattern, int digits)
{
    qint64 n = 0;
    for (int i = digits - 1; i >= 0; --i) {
        const quint32 d = (pattern >> (4 * i)) & 0x0F;
        if (d > 9)
            return -1;
        n = n * 10 + d;
    }
    return n;
}

quint32 bcdPattern(qint64 n)
{
    quint32 p = 0;
    for (int i = 0; n > 0; ++i, n /= 10)
        p |= quint32(n % 10) << (4 * i);
    return p;
}

} // namespace

CPanelValue::CPanelValue(quint32 pattern, const RuntimeValueFormat& format) : format_(format)
{
    pattern_ = IsTwoRegisters() ? pattern : (pattern & 0xFFFF);
}

CPanelValue CPanelValue::Read(const CPanelMemory& memory, RuntimeRegister r,
                              const RuntimeValueFormat& format)
{
    CPanelValue v;
    v.format_ = format;
    v.pattern_ = v.IsTwoRegisters() ? memory.DWord(r) : memory.Word(r);
    return v;
}

void CPanelValue::Write(CPanelMemory& memory, RuntimeRegister r) const
{
    if (IsTwoRegisters())
        memory.SetDWord(r, pattern_);
    else
        memory.SetWord(r, quint16(pattern_));
}

bool CPanelValue::IsFloat() const
{
    return format_.isFloat;
}

bool CPanelValue::IsTwoRegisters() const
{
    return format_.isFloat || format_.twoRegisters;
}

bool CPanelValue::CanBeNegative() const
{
    return format_.isFloat || (format_.dec && format_.isSigned);
}

int CPanelValue::FormatCode(const RuntimeValueFormat& f)
{
    if (f.isFloat)
        return 7;
    if (!f.dec)
        return f.twoRegisters ? 6 : 5;
    if (f.isSigned)
        return f.twoRegisters ? 2 : 1;
    return f.twoRegisters ? 4 : 3;
}

bool CPanelValue::IsNumber() const
{
    switch (FormatCode(format_)) {
    case 5: return bcdNumber(pattern_, 4) >= 0;
    case 6: return bcdNumber(pattern_, 8) >= 0;
    case 7: return std::isfinite(std::bit_cast<float>(pattern_));
    default: return true;
    }
}

double CPanelValue::Number() const
{
    if (!IsNumber())
        return 0;
    switch (FormatCode(format_)) {
    case 1: return qint16(pattern_);
    case 2: return qint32(pattern_);
    case 5: return double(bcdNumber(pattern_, 4));
    case 6: return double(bcdNumber(pattern_, 8));
    case 7: return std::bit_cast<float>(pattern_);
    default: return pattern_;
    }
}

QString CPanelValue::Text() const
{
    if (!IsNumber())
        return QString();
    const int places = format_.decimalPlaces;
    if (IsFloat()) {
        QString s = QString::number(Number(), 'f', places);
        // No "-0.00": a value that rounds to zero shows without a sign.
        if (s.startsWith(QLatin1Char('-')) && std::all_of(s.cbegin() + 1, s.cend(), [](QChar c) {
                return c == QLatin1Char('0') || c == QLatin1Char('.');
            }))
            s.remove(0, 1);
        return s;
    }
    const qint64 n = qint64(Number());
    QString digits = QString::number(n < 0 ? -n : n);
    if (places > 0) {
        if (digits.size() <= places)
            digits.prepend(QString(places + 1 - digits.size(), QLatin1Char('0')));
        digits.insert(digits.size() - places, QLatin1Char('.'));
    }
    return n < 0 ? QLatin1Char('-') + digits : digits;
}

bool CPanelValue::Parse(const QString& typed, const RuntimeValueFormat& format, CPanelValue* value)
{
    CPanelValue v;
    v.format_ = format;
    const QString text = typed.trimmed();
    const bool negative = text.startsWith(QLatin1Char('-'));
    if (negative && !v.CanBeNegative())
        return false;
    const QString body = negative ? text.mid(1) : text;
    const int point = body.indexOf(QLatin1Char('.'));
    const QString whole = point < 0 ? body : body.left(point);
    const QString fraction = point < 0 ? QString() : body.mid(point + 1);
    const int places = format.decimalPlaces;
    if (whole.isEmpty() && fraction.isEmpty())
        return false;
    if (fraction.size() > places || (point >= 0 && fraction.isEmpty() && whole.isEmpty()))
        return false;
    for (QChar c : whole + fraction)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;

    if (v.IsFloat()) {
        bool ok = false;
        double d = QLocale::c().toDouble((whole.isEmpty() ? QStringLiteral("0") : whole)
                                             + QLatin1Char('.') + fraction + QLatin1Char('0'),
                                         &ok);
        if (!ok || !std::isfinite(d) || d > std::numeric_limits<float>::max())
            return false;
        v.pattern_ = std::bit_cast<quint32>(float(negative ? -d : d));
        *value = v;
        return true;
    }

    // The digits as an integer scaled by the decimal places.
    QString digits = whole + fraction + QString(places - fraction.size(), QLatin1Char('0'));
    while (digits.size() > 1 && digits.startsWith(QLatin1Char('0')))
        digits.remove(0, 1);
    if (digits.size() > 18)
        return false;
    qint64 n = digits.toLongLong();
    if (negative)
        n = -n;
    qint64 lowest = 0, highest = 0;
    switch (FormatCode(format)) {
    case 1:
        lowest = -32768;
        highest = 32767;
        break;
    case 2:
        lowest = std::numeric_limits<qint32>::min();
        highest = std::numeric_limits<qint32>::max();
        break;
    case 3: highest = 65535; break;
    case 4: highest = std::numeric_limits<quint32>::max(); break;
    case 5: highest = 9999; break;
    default: highest = 99999999; break;
    }
    if (n < lowest || n > highest)
        return false;
    v.pattern_ = format.dec ? quint32(n) : bcdPattern(n);
    if (!v.IsTwoRegisters())
        v.pattern_ &= 0xFFFF;
    *value = v;
    return true;
}
