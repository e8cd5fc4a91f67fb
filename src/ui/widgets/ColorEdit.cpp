#include "ColorEdit.h"

#include <QLineEdit>
#include <QRegularExpression>
#include <limits>
#include <optional>

namespace {

constexpr quint64 kAllOnes = 0xFFFFFFFFu;

struct Parsed
{
    qint64 value = 0;
    bool overflow = false;
};

int DigitValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

// Reads the leading digits of the base like the C library does; a value past
// 32 bits is an overflow.
Parsed ParseUnsigned(const QString& text, int base)
{
    Parsed p;
    quint64 v = 0;
    for (QChar c : text) {
        const int d = DigitValue(c);
        if (d < 0 || d >= base)
            break;
        v = v * quint64(base) + quint64(d);
        if (v > kAllOnes) {
            p.overflow = true;
            return p;
        }
    }
    p.value = qint64(v);
    return p;
}

Parsed ParseSigned(const QString& text)
{
    Parsed p;
    int i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    qint64 v = 0;
    for (; i < text.size(); ++i) {
        const int d = DigitValue(text[i]);
        if (d < 0 || d > 9)
            break;
        v = v * 10 + d;
        if (v > qint64(std::numeric_limits<qint32>::max()) + 1) {
            p.overflow = true;
            return p;
        }
    }
    if (negative)
        v = -v;
    if (v > std::numeric_limits<qint32>::max() || v < std::numeric_limits<qint32>::min()) {
        p.overflow = true;
        return p;
    }
    p.value = v;
    return p;
}

// The number at the start of the text, as strtod reads it in the C locale:
// the decimal point is "." whatever the process locale says.
double ParseFloat(const QString& text)
{
    static const QRegularExpression number(
        QStringLiteral("^\\s*[-+]?(\\d+\\.?\\d*|\\.\\d+)([eE][-+]?\\d+)?"));
    const QRegularExpressionMatch m = number.match(text);
    return m.hasMatch() ? m.captured(0).trimmed().toDouble() : 0.0;
}

bool IsHexLetter(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 'a' && u <= 'f') || (u >= 'A' && u <= 'F');
}

} // namespace

CColorEdit::CColorEdit(QWidget* parent) : QAbstractSpinBox(parent)
{
    setButtonSymbols(QAbstractSpinBox::NoButtons);
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    lineEdit()->setMaxLength(maxLength_);
    connect(lineEdit(), &QLineEdit::textEdited, this, &CColorEdit::OnEdited);
}

void CColorEdit::SetMode(Mode mode)
{
    mode_ = mode;
}

void CColorEdit::SetMaxLength(int length)
{
    maxLength_ = length;
    lineEdit()->setMaxLength(length > 0 ? length : 32767);
}

void CColorEdit::SetSigned(bool isSigned)
{
    signed_ = isSigned;
}

void CColorEdit::SetRange(qint32 minimum, qint32 maximum)
{
    rangeKind_ = RangeSigned;
    minimum_ = minimum;
    maximum_ = maximum;
    setToolTip(QString::asprintf("Min: %d  Max: %d", minimum, maximum));
}

void CColorEdit::SetRangeUnsigned(quint32 minimum, quint32 maximum)
{
    rangeKind_ = RangeUnsigned;
    minimum_ = minimum;
    maximum_ = maximum;
    setToolTip(QString::asprintf("Min: %u  Max: %u", minimum, maximum));
}

void CColorEdit::SetRangeFloat(double minimum, double maximum)
{
    rangeKind_ = RangeFloat;
    floatMinimum_ = minimum;
    floatMaximum_ = maximum;
    minimum_ = qint64(minimum);
    maximum_ = qint64(maximum);
    setToolTip(QString::asprintf("Min: %f  Max: %f", minimum, maximum));
}

void CColorEdit::SetSpinRange(qint64 minimum, qint64 maximum)
{
    hasSpin_ = true;
    spinMinimum_ = minimum;
    spinMaximum_ = maximum;
    setButtonSymbols(QAbstractSpinBox::UpDownArrows);
}

void CColorEdit::ClearSpinRange()
{
    hasSpin_ = false;
    setButtonSymbols(QAbstractSpinBox::NoButtons);
}

void CColorEdit::ApplyLimits(const ValueFormatRules::FieldLimits& limits)
{
    if (limits.isFloat) {
        SetMode(ModeFloat);
        SetSigned(true);
        SetRangeFloat(limits.floatMinimum, limits.floatMaximum);
    } else {
        SetMode(ModeDecimal);
        SetSigned(limits.isSigned);
        if (limits.isSigned)
            SetRange(qint32(limits.minimum), qint32(limits.maximum));
        else
            SetRangeUnsigned(quint32(limits.minimum), quint32(limits.maximum));
    }
    SetMaxLength(limits.maxLength);
    SetSpinRange(limits.spinMinimum, limits.spinMaximum);
}

void CColorEdit::SetText(const QString& text)
{
    SetTextSilently(text, int(text.size()));
    const QString shown = lineEdit()->text();
    if (shown.isEmpty())
        return;
    switch (mode_) {
    case ModeDecimal:
    case ModeHex: {
        const Parsed p = mode_ == ModeDecimal && signed_
                             ? ParseSigned(shown)
                             : ParseUnsigned(shown, mode_ == ModeHex ? 16 : 10);
        if (!p.overflow && InRange(p.value))
            lastValid_ = p.value;
        break;
    }
    case ModeFloat: {
        const double v = ParseFloat(shown);
        if (InRange(v))
            lastValidFloat_ = v;
        break;
    }
    default: break;
    }
}

QString CColorEdit::Text() const
{
    return lineEdit()->text();
}

void CColorEdit::SelectAllText()
{
    lineEdit()->selectAll();
}

QValidator::State CColorEdit::validate(QString& input, int&) const
{
    for (int i = 0; i < input.size(); ++i) {
        const char16_t u = input[i].unicode();
        const bool digit = u >= '0' && u <= '9';
        bool ok = false;
        switch (mode_) {
        case ModeOctal: ok = u >= '0' && u <= '7'; break;
        case ModeDecimal: ok = digit || (signed_ && u == '-' && i == 0); break;
        case ModeHex: ok = DigitValue(input[i]) >= 0; break;
        case ModeFloat:
            ok = digit || u == '.' || u == '-' || u == '+' || u == 'e' || u == 'E';
            break;
        case ModeText: ok = true; break;
        }
        if (!ok)
            return QValidator::Invalid;
    }
    return QValidator::Acceptable;
}

void CColorEdit::OnEdited(const QString&)
{
    if (applying_)
        return;
    ApplyChangeRules(shown_, lineEdit()->cursorPosition());
    emit textChanged(Text());
}

void CColorEdit::ApplyChangeRules(const QString& previous, int caret)
{
    const QString text = lineEdit()->text();
    if (text.isEmpty()) {
        lastValid_ = RangeMinimum();
        lastValidFloat_ = floatMinimum_;
        shown_ = text;
        return;
    }
    switch (mode_) {
    case ModeDecimal:
    case ModeHex: {
        const bool isSigned = mode_ == ModeDecimal && signed_;
        const Parsed p =
            isSigned ? ParseSigned(text) : ParseUnsigned(text, mode_ == ModeHex ? 16 : 10);
        if (p.overflow) {
            // The character just typed goes again.
            SetTextSilently(previous, qBound(0, caret - 1, int(previous.size())));
        } else if (!InRange(p.value)) {
            Revert(FormatInteger(lastValid_));
        } else {
            lastValid_ = p.value;
        }
        break;
    }
    case ModeFloat: {
        const double v = ParseFloat(text);
        if (!InRange(v))
            Revert(QString::asprintf("%f", lastValidFloat_));
        else
            lastValidFloat_ = v;
        break;
    }
    case ModeOctal:
    case ModeText:
        if (maxLength_ > 0 && text.size() > maxLength_) {
            const QString cut = text.left(maxLength_);
            SetTextSilently(cut, int(cut.size()));
        }
        break;
    }
    shown_ = lineEdit()->text();
}

void CColorEdit::Revert(const QString& text)
{
    SetTextSilently(text, int(text.size()));
}

QString CColorEdit::FormatInteger(qint64 value) const
{
    if (mode_ == ModeHex)
        return QString::number(quint32(value), 16);
    if (mode_ == ModeOctal)
        return QString::number(quint32(value), 8);
    if (mode_ == ModeDecimal && !signed_)
        return QString::number(quint32(value));
    return QString::number(value);
}

bool CColorEdit::InRange(qint64 value) const
{
    switch (rangeKind_) {
    case RangeNone: return true;
    case RangeFloat: return double(value) >= floatMinimum_ && double(value) <= floatMaximum_;
    default: return value >= minimum_ && value <= maximum_;
    }
}

bool CColorEdit::InRange(double value) const
{
    switch (rangeKind_) {
    case RangeNone: return true;
    case RangeFloat: return value >= floatMinimum_ && value <= floatMaximum_;
    default: return value >= double(minimum_) && value <= double(maximum_);
    }
}

qint64 CColorEdit::RangeMinimum() const
{
    return rangeKind_ == RangeNone ? 0 : minimum_;
}

void CColorEdit::SetTextSilently(const QString& text, int caret)
{
    applying_ = true;
    lineEdit()->setText(text);
    lineEdit()->setCursorPosition(qBound(0, caret, int(lineEdit()->text().size())));
    applying_ = false;
    shown_ = lineEdit()->text();
}

void CColorEdit::stepBy(int steps)
{
    if (!hasSpin_)
        return;
    qint64 current = lastValid_;
    const QString text = Text();
    if (mode_ == ModeFloat) {
        current = text.isEmpty() ? qint64(lastValidFloat_) : qint64(ParseFloat(text));
    } else if (!text.isEmpty() && (mode_ == ModeDecimal || mode_ == ModeHex)) {
        const Parsed p = mode_ == ModeDecimal && signed_
                             ? ParseSigned(text)
                             : ParseUnsigned(text, mode_ == ModeHex ? 16 : 10);
        if (!p.overflow)
            current = p.value;
    } else if (!text.isEmpty() && mode_ == ModeOctal) {
        current = ParseUnsigned(text, 8).value;
    }
    const qint64 next = qBound(spinMinimum_, current + steps, spinMaximum_);
    const QString previous = shown_;
    const QString shown =
        mode_ == ModeFloat ? QString::asprintf("%f", double(next)) : FormatInteger(next);
    SetTextSilently(shown, int(shown.size()));
    ApplyChangeRules(previous, int(shown.size()));
    lineEdit()->selectAll();
    emit textChanged(Text());
}

QAbstractSpinBox::StepEnabled CColorEdit::stepEnabled() const
{
    if (!hasSpin_ || isReadOnly())
        return StepNone;
    return StepUpEnabled | StepDownEnabled;
}

void CColorEdit::focusOutEvent(QFocusEvent* event)
{
    const QString text = Text();
    if ((mode_ == ModeDecimal || mode_ == ModeHex) && text.size() > 1) {
        int first = -1;
        for (int i = 0; i < text.size(); ++i) {
            const QChar c = text[i];
            if ((c >= u'1' && c <= u'9') || (signed_ && c == u'-')
                || (mode_ == ModeHex && IsHexLetter(c))) {
                first = i;
                break;
            }
        }
        const QString stripped = first < 0 ? QStringLiteral("0") : text.mid(first);
        if (stripped != text) {
            const QString previous = shown_;
            SetTextSilently(stripped, int(stripped.size()));
            ApplyChangeRules(previous, int(stripped.size()));
            emit textChanged(Text());
        }
    }
    QAbstractSpinBox::focusOutEvent(event);
}

void CColorEdit::SetDecimalField(int length, qint32 minimum, qint32 maximum)
{
    SetMode(ModeDecimal);
    SetMaxLength(length);
    SetRange(minimum, maximum);
    SetSpinRange(minimum, maximum);
}
