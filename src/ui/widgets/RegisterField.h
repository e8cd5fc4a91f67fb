#pragma once
#include "project/RegisterRef.h"

#include <QWidget>
#include <functional>

class QLineEdit;
class QPushButton;

// A field bound to one register or coil: the reference as text (read only)
// and "..." beside it, which opens the register picker. Both parts carry the
// text of the label whose buddy the field is as their accessible name.
class CRegisterField : public QWidget
{
    Q_OBJECT
public:
    // Picks a reference of a kind (RegisterRef::KindBit or KindWord) starting
    // from `ref`; true with the chosen one in `ref`.
    using Picker = std::function<bool(QWidget* parent, int kind, RegisterRef& ref)>;

    explicit CRegisterField(QWidget* parent = nullptr);

    // The kind of reference "..." asks for, and who asks; without a picker
    // "..." does nothing.
    void Bind(int kind, Picker picker);
    const RegisterRef& Ref() const { return ref_; }
    void SetRef(const RegisterRef& ref);

    QLineEdit* Edit() const { return edit_; }
    QPushButton* PickButton() const { return pick_; }

    // What "..." does: the picker, then the field shows its choice.
    void Pick();

signals:
    // The user chose a reference through "...".
    void picked();

protected:
    bool event(QEvent* event) override;

private:
    void takeLabelName();

    QLineEdit* edit_;
    QPushButton* pick_;
    int kind_ = RegisterRef::KindWord;
    Picker picker_;
    RegisterRef ref_;
};
