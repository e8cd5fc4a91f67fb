// The masked number field, typed into with key events: what each mode takes,
// the overflow and range rules on every edit, the leading zeros dropped on
// leaving, the tool-tips and the spin button.
#include "ui/widgets/ColorEdit.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

namespace {

void Retype(CColorEdit& e, const QString& keys)
{
    e.SelectAllText();
    QTest::keyClick(&e, Qt::Key_Backspace);
    QTest::keyClicks(&e, keys);
}

void Leave(CColorEdit& e)
{
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(&e, &out);
}

} // namespace

class TestUiColorEdit : public QObject
{
    Q_OBJECT
private slots:
    void modesTakeOnlyTheirCharacters()
    {
        CColorEdit e;
        e.SetMode(CColorEdit::ModeOctal);
        e.SetMaxLength(6);
        Retype(e, "1789a7");
        QCOMPARE(e.Text(), QString("177"));

        e.SetMode(CColorEdit::ModeDecimal);
        e.SetSigned(false);
        Retype(e, "-12x3");
        QCOMPARE(e.Text(), QString("123"));

        e.SetSigned(true);
        Retype(e, "-1-2");
        QCOMPARE(e.Text(), QString("-12"));

        e.SetMode(CColorEdit::ModeHex);
        e.SetSigned(false);
        Retype(e, "aFg9");
        QCOMPARE(e.Text(), QString("aF9"));

        e.SetMode(CColorEdit::ModeText);
        e.SetMaxLength(24);
        Retype(e, "Tank level 1 (m3) ok? yes, more");
        QCOMPARE(e.Text(), QString("Tank level 1 (m3) ok? ye"));
    }

    void rangesSetTheirToolTips()
    {
        CColorEdit e;
        e.SetRange(-32768, 32767);
        QCOMPARE(e.toolTip(), QString("Min: -32768  Max: 32767"));
        e.SetRangeUnsigned(0, 4294967295u);
        QCOMPARE(e.toolTip(), QString("Min: 0  Max: 4294967295"));
        e.SetRangeFloat(-1.0e9, 1.0e9);
        QCOMPARE(e.toolTip(), QString("Min: -1000000000.000000  Max: 1000000000.000000"));
    }

    void outOfRangeRevertsToTheLastValidValue()
    {
        CColorEdit e;
        e.ApplyLimits(ValueFormatRules::Limits(VF_SIGNED_16));
        QVERIFY(e.IsSigned());
        QCOMPARE(e.MaxLength(), 6);
        // -40000: the last digit takes it out of range; -4000 comes back.
        Retype(e, "-40000");
        QCOMPARE(e.Text(), QString("-4000"));
        QCOMPARE(e.LastValid(), qint64(-4000));
        QCOMPARE(e.TextEditor()->cursorPosition(), 5);

        CColorEdit u;
        u.ApplyLimits(ValueFormatRules::Limits(VF_UNSIGNED_16));
        Retype(u, "65535");
        QCOMPARE(u.Text(), QString("65535"));
        Retype(u, "65536");
        QCOMPARE(u.Text(), QString("6553"));

        // A range that a first digit already misses: the minimum comes back
        // after the text was emptied.
        CColorEdit d;
        d.SetMode(CColorEdit::ModeDecimal);
        d.SetMaxLength(2);
        d.SetRange(2, 38);
        d.SetText("20");
        Retype(d, "1");
        QCOMPARE(d.Text(), QString("2"));
        Retype(d, "39");
        QCOMPARE(d.Text(), QString("3"));
        Retype(d, "38");
        QCOMPARE(d.LastValid(), qint64(38));

        CColorEdit h;
        h.SetMode(CColorEdit::ModeHex);
        h.SetMaxLength(8);
        h.SetRangeUnsigned(0, 0xFFFF);
        Retype(h, "ffff");
        QCOMPARE(h.LastValid(), qint64(0xFFFF));
        QTest::keyClicks(&h, "f");
        QCOMPARE(h.Text(), QString("ffff"));

        CColorEdit f;
        f.ApplyLimits(ValueFormatRules::Limits(VF_FLOAT));
        Retype(f, "12.5");
        QCOMPARE(f.LastValidFloat(), 12.5);
        QTest::keyClicks(&f, "e9");
        QCOMPARE(f.Text(), QString("12.500000"));
    }

    void overflowDropsTheCharacterJustTyped()
    {
        CColorEdit s;
        s.ApplyLimits(ValueFormatRules::Limits(VF_SIGNED_32));
        QCOMPARE(s.MaxLength(), 11);
        Retype(s, "-2147483648");
        QCOMPARE(s.Text(), QString("-2147483648"));
        Retype(s, "2147483647");
        QCOMPARE(s.Text(), QString("2147483647"));
        QTest::keyClicks(&s, "9");
        QCOMPARE(s.Text(), QString("2147483647"));
        // Typed in the middle: the same digit goes, the caret stays where it was.
        s.TextEditor()->setCursorPosition(3);
        QTest::keyClicks(&s, "5");
        QCOMPARE(s.Text(), QString("2147483647"));
        QCOMPARE(s.TextEditor()->cursorPosition(), 3);

        CColorEdit u;
        u.ApplyLimits(ValueFormatRules::Limits(VF_UNSIGNED_32));
        Retype(u, "4294967295");
        QCOMPARE(u.Text(), QString("4294967295"));
        QCOMPARE(u.LastValid(), qint64(4294967295LL));
        Retype(u, "429496729");
        QTest::keyClicks(&u, "6");
        QCOMPARE(u.Text(), QString("429496729"));

        CColorEdit h;
        h.SetMode(CColorEdit::ModeHex);
        h.SetMaxLength(9);
        Retype(h, "FFFFFFFF");
        QCOMPARE(h.Text(), QString("FFFFFFFF"));
        QTest::keyClicks(&h, "0");
        QCOMPARE(h.Text(), QString("FFFFFFFF"));
    }

    void emptyTextMakesTheMinimumTheLastValue()
    {
        CColorEdit e;
        e.SetMode(CColorEdit::ModeDecimal);
        e.SetMaxLength(4);
        e.SetRange(1, 6000);
        Retype(e, "250");
        QCOMPARE(e.LastValid(), qint64(250));
        e.SelectAllText();
        QTest::keyClick(&e, Qt::Key_Backspace);
        QCOMPARE(e.Text(), QString());
        QCOMPARE(e.LastValid(), qint64(1));
        // 7000 is refused digit by digit from there: the minimum comes back.
        QTest::keyClicks(&e, "7000");
        QCOMPARE(e.Text(), QString("700"));
        QTest::keyClick(&e, Qt::Key_Backspace);
        QTest::keyClick(&e, Qt::Key_Backspace);
        QTest::keyClick(&e, Qt::Key_Backspace);
        QTest::keyClicks(&e, "0");
        QCOMPARE(e.Text(), QString("1"));
    }

    void leavingDropsLeadingZeros()
    {
        CColorEdit d;
        d.SetMode(CColorEdit::ModeDecimal);
        d.SetMaxLength(5);
        Retype(d, "00070");
        Leave(d);
        QCOMPARE(d.Text(), QString("70"));
        Retype(d, "000");
        Leave(d);
        QCOMPARE(d.Text(), QString("0"));
        Retype(d, "0");
        Leave(d);
        QCOMPARE(d.Text(), QString("0"));

        CColorEdit s;
        s.ApplyLimits(ValueFormatRules::Limits(VF_SIGNED_16));
        Retype(s, "-05");
        Leave(s);
        QCOMPARE(s.Text(), QString("-05"));

        CColorEdit h;
        h.SetMode(CColorEdit::ModeHex);
        h.SetMaxLength(4);
        Retype(h, "00a0");
        Leave(h);
        QCOMPARE(h.Text(), QString("a0"));

        // The range still holds after the zeros went.
        CColorEdit r;
        r.SetMode(CColorEdit::ModeDecimal);
        r.SetMaxLength(3);
        r.SetRange(0, 100);
        Retype(r, "009");
        Leave(r);
        QCOMPARE(r.Text(), QString("9"));
        QCOMPARE(r.LastValid(), qint64(9));

        CColorEdit o;
        o.SetMode(CColorEdit::ModeOctal);
        o.SetMaxLength(5);
        Retype(o, "0017");
        Leave(o);
        QCOMPARE(o.Text(), QString("0017"));
    }

    void spinButtonStepsWithinItsOwnRange()
    {
        CColorEdit e;
        e.SetMode(CColorEdit::ModeDecimal);
        e.SetMaxLength(1);
        e.SetRange(1, 2);
        QCOMPARE(e.buttonSymbols(), QAbstractSpinBox::NoButtons);
        e.SetText("1");
        QTest::keyClick(&e, Qt::Key_Up);
        QCOMPARE(e.Text(), QString("1"));

        e.SetSpinRange(1, 2);
        QCOMPARE(e.buttonSymbols(), QAbstractSpinBox::UpDownArrows);
        QSignalSpy changed(&e, &CColorEdit::textChanged);
        QTest::keyClick(&e, Qt::Key_Up);
        QCOMPARE(e.Text(), QString("2"));
        QCOMPARE(e.LastValid(), qint64(2));
        QTest::keyClick(&e, Qt::Key_Up);
        QCOMPARE(e.Text(), QString("2"));
        QTest::keyClick(&e, Qt::Key_Down);
        QTest::keyClick(&e, Qt::Key_Down);
        QCOMPARE(e.Text(), QString("1"));
        QVERIFY(changed.count() >= 3);

        // A spin range wider than the field's range: the field's range wins.
        CColorEdit w;
        w.SetMode(CColorEdit::ModeDecimal);
        w.SetMaxLength(2);
        w.SetRange(0, 5);
        w.SetSpinRange(0, 10);
        w.SetText("5");
        QTest::keyClick(&w, Qt::Key_Up);
        QCOMPARE(w.Text(), QString("5"));
    }
};

QTEST_MAIN(TestUiColorEdit)
#include "test_ui_color_edit.moc"
