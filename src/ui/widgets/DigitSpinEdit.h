#pragma once
#include "NumberFieldRules.h"

#include <QAbstractSpinBox>
#include <optional>

// A number field of digits only with a spin control, in the MayStayEmpty
// mode of the number-field rules: at most as many digits as the maximum has,
// never above the maximum. Unlike QSpinBox it may be left empty or below its
// minimum, so that the dialog's OK can name the fault. A stored value outside
// the range is shown as it is and kept until the user edits the field.
class CDigitSpinEdit : public QAbstractSpinBox
{
    Q_OBJECT
public:
    explicit CDigitSpinEdit(QWidget* parent = nullptr);

    void SetRange(int minimum, int maximum);
    // Shows a value, one outside the range as its nearest bound.
    void SetValue(int value);
    // Shows a stored value as it is, one outside the range included.
    void SetStoredValue(int value);
    // True while the field shows a stored value outside its range that the
    // user has not edited.
    bool HoldsStoredValue() const { return rules_.Holds(); }
    // None when empty.
    std::optional<int> Value() const;
    void SelectAllText();

    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString&) const override {}
    void stepBy(int steps) override;

signals:
    void textChanged(const QString& text);

protected:
    StepEnabled stepEnabled() const override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void edited();

    CNumberFieldRules rules_{CNumberFieldRules::Mode::MayStayEmpty, 0, 999, 3};
};
