#pragma once
#include "screen/ObjectKind.h"
#include "screen/ValueFormatRules.h"

#include <QAbstractSpinBox>

// The number field of a register value: what it takes, its spin range and
// its tool-tip follow a value format (ValueFormatRules). An edit the format
// refuses leaves the text as it was.
class CValueSpinEdit : public QAbstractSpinBox
{
    Q_OBJECT
public:
    explicit CValueSpinEdit(QWidget* parent = nullptr);

    // The field as it is before a format applies: 0..65535, 5 digits.
    void ApplyStart();
    void ApplyFormat(ValueFormat format);
    ValueFormat Format() const { return format_; }
    const ValueFormatRules::FieldLimits& Limits() const { return limits_; }
    void SetText(const QString& text);
    void SelectAllText();

    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString&) const override {}
    void stepBy(int steps) override;

signals:
    void textChanged(const QString& text);

protected:
    StepEnabled stepEnabled() const override;

private:
    ValueFormat format_ = VF_UNSIGNED_16;
    ValueFormatRules::FieldLimits limits_;
    qint64 spinMinimum_ = 0;
    qint64 spinMaximum_ = 65535;
};
