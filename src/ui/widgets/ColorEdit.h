#pragma once
#include "screen/ValueFormatRules.h"

#include <QAbstractSpinBox>

// The masked number field of the property forms. It takes only the
// characters of its mode, keeps a last valid value, and on every edit drops a
// character that overflows 32 bits or puts the last valid value back when the
// text leaves the range. Leaving the field strips leading zeros from decimal
// and hexadecimal texts. The spin button, when a spin range is set, steps the
// value within that range; without one the field has no buttons.
class CColorEdit : public QAbstractSpinBox
{
    Q_OBJECT
public:
    enum Mode {
        ModeOctal = 0,
        ModeDecimal = 1,
        ModeHex = 2,
        ModeFloat = 3,
        ModeText = 255,
    };
    enum RangeKind {
        RangeNone,
        RangeSigned,
        RangeUnsigned,
        RangeFloat,
    };

    explicit CColorEdit(QWidget* parent = nullptr);

    void SetMode(Mode mode);
    Mode GetMode() const { return mode_; }
    void SetMaxLength(int length);
    int MaxLength() const { return maxLength_; }
    void SetSigned(bool isSigned);
    bool IsSigned() const { return signed_; }

    // Each also sets the tool-tip: "Min: %d  Max: %d", "Min: %u  Max: %u"
    // or "Min: %f  Max: %f".
    void SetRange(qint32 minimum, qint32 maximum);
    void SetRangeUnsigned(quint32 minimum, quint32 maximum);
    void SetRangeFloat(double minimum, double maximum);
    RangeKind GetRangeKind() const { return rangeKind_; }

    // The spin button's own range; the buttons show once one is set.
    void SetSpinRange(qint64 minimum, qint64 maximum);
    // A decimal field of at most `length` digits whose range and spin
    // range are both minimum..maximum.
    void SetDecimalField(int length, qint32 minimum, qint32 maximum);
    void ClearSpinRange();
    bool HasSpin() const { return hasSpin_; }

    // Mode, signed flag, range, length and spin range of a register value
    // format.
    void ApplyLimits(const ValueFormatRules::FieldLimits& limits);

    // Sets the text as it is (a form loading its object); a text that reads
    // as a value within the range becomes the last valid value.
    void SetText(const QString& text);
    QString Text() const;
    qint64 LastValid() const { return lastValid_; }
    double LastValidFloat() const { return lastValidFloat_; }
    void SelectAllText();
    // The line edit inside (caret and selection).
    QLineEdit* TextEditor() const { return lineEdit(); }

    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString&) const override {}
    void stepBy(int steps) override;

signals:
    void textChanged(const QString& text);

protected:
    StepEnabled stepEnabled() const override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void OnEdited(const QString& text);
    void ApplyChangeRules(const QString& previous, int caret);
    void Revert(const QString& text);
    QString FormatInteger(qint64 value) const;
    bool InRange(qint64 value) const;
    bool InRange(double value) const;
    qint64 RangeMinimum() const;
    void SetTextSilently(const QString& text, int caret);

    Mode mode_ = ModeDecimal;
    int maxLength_ = 10;
    bool signed_ = false;
    RangeKind rangeKind_ = RangeNone;
    qint64 minimum_ = 0;
    qint64 maximum_ = 0;
    double floatMinimum_ = 0;
    double floatMaximum_ = 0;
    bool hasSpin_ = false;
    qint64 spinMinimum_ = 0;
    qint64 spinMaximum_ = 0;
    qint64 lastValid_ = 0;
    double lastValidFloat_ = 0;
    QString shown_;
    bool applying_ = false;
};
