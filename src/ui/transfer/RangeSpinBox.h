#pragma once
#include <QSpinBox>

// A decimal field with a spin button over its range and a limit on its
// characters. While the user types, characters before the first nonzero
// digit are dropped (two or more without one become "0") and a number out
// of the range is replaced at once by the last number that was in range.
class CRangeSpinBox : public QSpinBox
{
    Q_OBJECT
public:
    explicit CRangeSpinBox(QWidget* parent = nullptr);
    // Range of the field and of its spin button, and its length.
    void SetLimits(int minimum, int maximum, int characters);
    // The spin button's range when it differs from the field's.
    void SetSpinRange(int minimum, int maximum) { spinMin_ = minimum; spinMax_ = maximum; }
    // Shows a stored value; one outside the range shows the nearest bound.
    void SetNumber(int value);
    // The value to store: the one given to SetNumber until the user
    // changes the field, so a stored value out of the range stays as it was
    // when nobody touched it.
    int Number() const { return touched_ ? value() : loaded_; }

protected:
    QValidator::State validate(QString& text, int& pos) const override;
    void fixup(QString& text) const override;

private:
    mutable int last_ = 0;
    int loaded_ = 0;
    bool touched_ = false;
    int spinMin_ = 0;
    int spinMax_ = 0;
};
