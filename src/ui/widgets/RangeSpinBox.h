#pragma once
#include "NumberFieldRules.h"

#include <QSpinBox>

// A decimal field with a spin button over its range and a limit on its
// characters, in the KeepInRange mode of the number-field rules: while the
// user types, characters before the first nonzero digit are dropped (two or
// more without one become "0") and a number out of the range is replaced at
// once by the last number that was in range.
//
// A stored value outside the range is shown as it is and kept until the
// user edits the field: what the field shows is what it stores.
class CRangeSpinBox : public QSpinBox
{
    Q_OBJECT
public:
    explicit CRangeSpinBox(QWidget* parent = nullptr);
    // Range of the field and of its spin button, and its length.
    void SetLimits(int minimum, int maximum, int characters);
    // Shows a stored value, one outside the range included.
    void SetNumber(int value);
    // The value to store: the one shown.
    int Number() const { return value(); }
    // True while the field shows a stored value outside its range that the
    // user has not edited.
    bool HoldsStoredValue() const { return rules_.Holds(); }

    void stepBy(int steps) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    QValidator::State validate(QString& text, int& pos) const override;
    void fixup(QString& text) const override;
    StepEnabled stepEnabled() const override;

private:
    void edited();

    CNumberFieldRules rules_{CNumberFieldRules::Mode::KeepInRange, 0, 99, 2};
};
