// The number-field rules without a widget: what each mode lets a typed text
// become, and how a stored value outside the range is held.
#include "ui/widgets/NumberFieldRules.h"

#include <QTest>

namespace {

// The text after the rules saw it, with the verdict.
struct Typed
{
    QValidator::State state;
    QString text;
    int caret;
};

Typed type(const CNumberFieldRules& rules, QString text)
{
    int pos = 0;
    const QValidator::State s = rules.Validate(text, pos);
    return {s, text, pos};
}

} // namespace

class TestNumberFieldRules : public QObject
{
    Q_OBJECT
private slots:
    void mayStayEmptyTakesDigitsUpToTheMaximum();
    void keepInRangeCorrectsAsTheUserTypes();
    void storedValuesOutsideTheRangeAreHeldUntilEdited();
};

void TestNumberFieldRules::mayStayEmptyTakesDigitsUpToTheMaximum()
{
    CNumberFieldRules r(CNumberFieldRules::Mode::MayStayEmpty, 1, 999, 0);
    QCOMPARE(r.Characters(), 3);
    // Empty and below the minimum stay: the dialog's OK names the fault.
    QCOMPARE(type(r, "").state, QValidator::Acceptable);
    QCOMPARE(type(r, "0").state, QValidator::Acceptable);
    QCOMPARE(type(r, "007").state, QValidator::Acceptable);
    QCOMPARE(type(r, "999").state, QValidator::Acceptable);
    QCOMPARE(type(r, "1000").state, QValidator::Invalid);
    for (const char* bad : {"-1", "+5", "1.5", "1e2", " 5", "x"})
        QCOMPARE(type(r, bad).state, QValidator::Invalid);
    // Digits of other scripts are no digits here.
    QCOMPARE(type(r, QString::fromUtf8("\xd9\xa3")).state, QValidator::Invalid);
    // A text longer than an int does not wrap into the range.
    QCOMPARE(type(r, "99999999999999999999").state, QValidator::Invalid);
    // Nothing is rewritten in this mode.
    QCOMPARE(type(r, "007").text, QString("007"));
    QCOMPARE(r.Fixup(""), QString());

    r.SetLimits(0, 200, 9);
    QCOMPARE(r.Characters(), 3); // the maximum's digits, not the argument
}

void TestNumberFieldRules::keepInRangeCorrectsAsTheUserTypes()
{
    CNumberFieldRules r(CNumberFieldRules::Mode::KeepInRange, 1, 999, 3);
    QCOMPARE(type(r, "").state, QValidator::Intermediate);
    QCOMPARE(r.Fixup(""), QString("1"));
    Typed t = type(r, "12");
    QCOMPARE(t.state, QValidator::Acceptable);
    QCOMPARE(t.text, QString("12"));
    QCOMPARE(t.caret, 2);
    QCOMPARE(r.LastInRange(), 12);
    // Leading zeros go; zeros alone become "0", which is out of this range:
    // the last number in range comes back.
    QCOMPARE(type(r, "0045").text, QString("45"));
    QCOMPARE(type(r, "000").text, QString("45"));
    QCOMPARE(type(r, "5000").text, QString("45"));
    QCOMPARE(type(r, "5000").caret, 2);
    QCOMPARE(r.Fixup(""), QString("45"));
    QCOMPARE(r.Fixup("7"), QString("7"));
    QCOMPARE(type(r, "-3").state, QValidator::Invalid);
    QCOMPARE(type(r, "4a").state, QValidator::Invalid);
    QCOMPARE(r.LastInRange(), 45);

    // A range from 0 takes the zeros as 0.
    CNumberFieldRules z(CNumberFieldRules::Mode::KeepInRange, 0, 99, 2);
    QCOMPARE(type(z, "00").text, QString("0"));
    QCOMPARE(z.LastInRange(), 0);
    // Too long for an int: the last in range.
    QCOMPARE(type(z, "5").text, QString("5"));
    QCOMPARE(type(z, "99999999999").text, QString("5"));
}

void TestNumberFieldRules::storedValuesOutsideTheRangeAreHeldUntilEdited()
{
    for (const auto mode :
         {CNumberFieldRules::Mode::MayStayEmpty, CNumberFieldRules::Mode::KeepInRange}) {
        CNumberFieldRules r(mode, 1, 999, 3);
        r.Hold(5);
        QVERIFY(!r.Holds());
        QCOMPARE(r.LastInRange(), 5);
        r.Hold(12345);
        QVERIFY(r.Holds());
        // The field is as long as the held text, and the held text passes.
        QCOMPARE(r.MaxLength(), 5);
        QCOMPARE(type(r, "12345").state, QValidator::Acceptable);
        QCOMPARE(type(r, "12345").text, QString("12345"));
        QCOMPARE(r.LastInRange(), 999);
        r.Hold(0);
        QVERIFY(r.Holds());
        QCOMPARE(r.LastInRange(), 1);
        QCOMPARE(type(r, "0").text, QString("0"));
        // Once edited, the range rules.
        r.Release();
        QVERIFY(!r.Holds());
        QCOMPARE(r.MaxLength(), 3);
        if (mode == CNumberFieldRules::Mode::KeepInRange)
            QCOMPARE(type(r, "0").text, QString("1"));
        QCOMPARE(type(r, "12345").state == QValidator::Acceptable,
                 mode == CNumberFieldRules::Mode::KeepInRange);
    }
}

QTEST_GUILESS_MAIN(TestNumberFieldRules)
#include "test_number_field_rules.moc"
