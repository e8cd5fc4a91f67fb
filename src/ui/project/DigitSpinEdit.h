#pragma once
#include <QAbstractSpinBox>
#include <optional>

// A number field of digits only with a spin control: at most as many digits
// as the maximum has, never above the maximum. Unlike QSpinBox it may be left
// empty or below its minimum, so that the dialog's OK can name the fault.
class CDigitSpinEdit : public QAbstractSpinBox
{
    Q_OBJECT
public:
    explicit CDigitSpinEdit(QWidget* parent = nullptr);

    void SetRange(int minimum, int maximum);
    void SetValue(int value);
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

private:
    int minimum_ = 0;
    int maximum_ = 999;
};
