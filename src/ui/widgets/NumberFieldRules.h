#pragma once
#include <QString>
#include <QValidator>

// The typing rules of the dialogs' decimal number fields besides the
// property forms' masked field (CColorEdit), in one of two modes:
//
// - MayStayEmpty (the screen numbers, the alarm count): digits only, at most
//   as many as the maximum has, never above the maximum; the field may be
//   left empty or below its minimum, so that the dialog's OK can name the
//   fault.
// - KeepInRange (Screen Option's neighbours, a register's quantity): while
//   the user types, characters before the first nonzero digit are dropped
//   (two or more without one become "0") and a number out of the range is
//   replaced at once by the last number that was in range.
//
// In both a stored value outside the range is shown as it is and kept until
// the user edits the field: what the field shows is what it stores. The
// widgets (CDigitSpinEdit, CRangeSpinBox) hand their text to these rules.
class CNumberFieldRules
{
public:
    enum class Mode { MayStayEmpty, KeepInRange };

    explicit CNumberFieldRules(Mode mode, int minimum, int maximum, int characters);

    Mode GetMode() const { return mode_; }
    // The range and the characters typed (for MayStayEmpty: the maximum's
    // digits).
    void SetLimits(int minimum, int maximum, int characters);
    int Minimum() const { return minimum_; }
    int Maximum() const { return maximum_; }
    int Characters() const { return characters_; }

    // A stored value: held when it lies outside the range; the last value in
    // range becomes the nearest bound.
    void Hold(int value);
    // The user edited the field: the range rules from now on.
    void Release() { held_.clear(); }
    bool Holds() const { return !held_.isEmpty(); }
    // The field's length: a held value may be longer than the characters.
    int MaxLength() const { return qMax(characters_, int(held_.size())); }

    // Checks a text as typed; KeepInRange corrects it in place (and the
    // caret to its end) and remembers the last value in range.
    QValidator::State Validate(QString& text, int& pos) const;
    // The text put back when the field is left empty (KeepInRange).
    QString Fixup(const QString& text) const;
    int LastInRange() const { return last_; }
    void SetLastInRange(int value) const { last_ = value; }

private:
    QValidator::State validateDigits(const QString& text) const;
    QValidator::State validateInRange(QString& text, int& pos) const;

    Mode mode_;
    int minimum_;
    int maximum_;
    int characters_;
    QString held_; // the text of a stored value outside the range
    mutable int last_ = 0;
};
