// The panel's behaviour on compiled runtime images: start with the log
// screen, the function keys (screen change, coils, registers, RUN/STOP,
// passwords), the alarm list, PLC <-> Panel, screen protection, numerics
// typed on the panel, two-register values in both word orders, simulating
// again after an edit, the reference table and values in every format.
#include "CompileTestProject.h"
#include "app/Compiler.h"
#include "runtime/PanelSimulator.h"
#include "runtime/PanelValue.h"
#include "screen/ObjectBarMeter.h"
#include "screen/ObjectIndicatorLight.h"
#include "screen/ObjectNumeric.h"
#include "screen/ObjectString.h"
#include "screen/ObjectDynamicText.h"

#include <QtTest>

#include <bit>
#include <limits>

using namespace ImageBytes;

namespace {

using Objects = std::vector<std::unique_ptr<CDiagramEntity>>;
using Log = PanelLogEntry;

RuntimeRegister R(int address)
{
    return {1, quint16(address)};
}

RuntimeRegister M(int address)
{
    return {1, quint16(0xF000 + address)};
}

RegisterRef wordRef(int address)
{
    RegisterRef r;
    r.deviceName = QStringLiteral("DEV001");
    r.area = QStringLiteral("R");
    r.address = address;
    r.radix = 1;
    return r;
}

RegisterRef coilRef(int address)
{
    RegisterRef r = wordRef(address);
    r.area = QStringLiteral("M");
    return r;
}

std::unique_ptr<CDiagramEntity> numeric(const CProjectModel& m, int address, int x, int y)
{
    auto o = std::make_unique<CObjectNumeric>(&m);
    o->SetRect(x, y, x + 48, y + 16);
    o->reg = wordRef(address);
    return o;
}

// A project with screens 1, 2 and 3 (and whatever the test adds), compiled
// and loaded into a panel.
class CPanelProject : public CCompileTestProject
{
public:
    CPanelProject()
    {
        for (int n : {1, 2, 3})
            AddScreen(n);
    }
    CProjectModel& Model() { return App().model; }
    CFunKeyParams& Key(int screen, int key)
    {
        return Model().FindScreen(screen)->keys[size_t(key - 1)];
    }
    bool Load()
    {
        if (!Compile())
            return false;
        QString error;
        const bool ok = panel.Load(compiler->Images().runtime, &error);
        if (!ok)
            qWarning() << error;
        return ok;
    }
    CPanelSimulator panel;
};

void screenChangeKey(CFunKeyParams& k, int target, int screen = 1)
{
    k.used = 1;
    k.functionType = 2;
    k.screenChg.target = target;
    k.screenChg.screenNumber = screen;
}

void setCoilKey(CFunKeyParams& k, int address, int action)
{
    k.used = 1;
    k.functionType = 0;
    k.setCoil.coil = coilRef(address);
    k.setCoil.action = action;
}

void tap(CPanelSimulator& p, int key)
{
    p.PressKey(key);
    p.ReleaseKey(key);
}

QList<Log::Kind> kinds(const std::vector<Log>& log)
{
    QList<Log::Kind> out;
    for (const Log& e : log)
        out << e.kind;
    return out;
}

} // namespace

class TestRuntimePanel : public QObject
{
    Q_OBJECT

private slots:
    void startsWithLogScreen();
    void startScreenMissing();
    void screenChangeKeys();
    void coilAndRegisterKeys();
    void passwordKeys();
    void alarmList();
    void plcSwitchesScreenAndBeeps();
    void screenProtection();
    void typedNumerics();
    void twoRegisterValues_data();
    void twoRegisterValues();
    void reloadKeepsValuesAndScreen();
    void references();
    void addressTexts();
    void valuesInFormats();
};

// The log screen for the log timer's seconds, then the start screen; the
// panel-to-PLC word follows the screen shown.
void TestRuntimePanel::startsWithLogScreen()
{
    CPanelProject p;
    CPanelConfigInfo& c = p.Model().panelManager.panelConfig;
    c.logScreenEnabled = 1;
    c.logScreenNumber = 3;
    c.logTimer = 2;
    c.startScreenNumber = 2;
    screenChangeKey(p.Key(3, 1), 0, 1);
    p.Model().plcAndPanel.panelToPlc = wordRef(510);
    p.Model().plcAndPanel.panelToPlcEnabled = 1;
    QVERIFY(p.Load());
    QVERIFY(p.panel.ShowsLogScreen());
    QCOMPARE(p.panel.CurrentScreen(), 3);
    QCOMPARE(p.panel.Memory().Word(R(510)), quint16(3));
    tap(p.panel, 1); // the log screen takes no keys
    p.panel.Advance(1999);
    QCOMPARE(p.panel.CurrentScreen(), 3);
    p.panel.Advance(1);
    QVERIFY(!p.panel.ShowsLogScreen());
    QCOMPARE(p.panel.CurrentScreen(), 2);
    QCOMPARE(p.panel.Memory().Word(R(510)), quint16(2));
    QCOMPARE(kinds(p.panel.Log()),
             QList<Log::Kind>({Log::ScreenNumberWritten, Log::ScreenNumberWritten}));
    QCOMPARE(p.panel.Log()[1].time, qint64(2000));
    QCOMPARE(p.panel.Log()[1].value, 2u);
    QCOMPARE(p.panel.Time(), qint64(2000));

    // Without the log screen (or with a timer of 0) the start screen shows at once.
    CPanelProject q;
    q.Model().panelManager.panelConfig.logScreenEnabled = 1;
    q.Model().panelManager.panelConfig.logTimer = 0;
    q.Model().panelManager.panelConfig.startScreenNumber = 3;
    QVERIFY(q.Load());
    QVERIFY(!q.panel.ShowsLogScreen());
    QCOMPARE(q.panel.CurrentScreen(), 3);
    QVERIFY(q.panel.Log().empty()); // panel-to-PLC disabled
}

// A start screen that the image lacks: a blank display on which keys do
// nothing, until the PLC asks for a screen that exists.
void TestRuntimePanel::startScreenMissing()
{
    CPanelProject p;
    p.Model().panelManager.panelConfig.startScreenNumber = 7;
    p.Model().plcAndPanel.plcToPanel = wordRef(500);
    p.Model().plcAndPanel.plcToPanelEnabled = 1;
    QVERIFY(p.Load());
    QCOMPARE(p.panel.CurrentScreen(), 7);
    QCOMPARE(p.panel.Frame().DarkPixels(), 0);
    tap(p.panel, 1);
    QVERIFY(p.panel.Log().empty());
    p.panel.PlcWriteWord(R(500), 2);
    QCOMPARE(p.panel.CurrentScreen(), 2);
}

void TestRuntimePanel::screenChangeKeys()
{
    CPanelProject p;
    screenChangeKey(p.Key(1, 1), 0, 2);
    screenChangeKey(p.Key(1, 2), 0, 9); // no such screen
    screenChangeKey(p.Key(1, 3), 1);    // the alarm list
    p.Key(1, 4) = p.Key(1, 1);
    p.Key(1, 4).used = 0; // configured, but not in use
    screenChangeKey(p.Key(2, 5), 0, 1);
    p.Model().plcAndPanel.panelToPlc = wordRef(510);
    p.Model().plcAndPanel.panelToPlcEnabled = 1;
    QVERIFY(p.Load());
    QCOMPARE(p.panel.CurrentScreen(), 1);
    tap(p.panel, 4);
    tap(p.panel, 2);
    QCOMPARE(p.panel.CurrentScreen(), 1);
    tap(p.panel, 0);
    tap(p.panel, 6);
    tap(p.panel, 1);
    QCOMPARE(p.panel.CurrentScreen(), 2);
    QCOMPARE(p.panel.Memory().Word(R(510)), quint16(2));
    tap(p.panel, 5);
    QCOMPARE(p.panel.CurrentScreen(), 1);
    tap(p.panel, 3);
    QVERIFY(p.panel.ShowsAlarmList());
    QCOMPARE(p.panel.CurrentScreen(), 1);
    QCOMPARE(kinds(p.panel.Log()), QList<Log::Kind>(3, Log::ScreenNumberWritten));
}

// SET ON, SET OFF, SET NOT, INSTANT ON held while the key is down (a
// repeated press ignored), Set Register with one and two registers, RUN/STOP.
void TestRuntimePanel::coilAndRegisterKeys()
{
    CPanelProject p;
    setCoilKey(p.Key(1, 1), 10, 0);
    setCoilKey(p.Key(1, 2), 10, 1);
    setCoilKey(p.Key(1, 3), 11, 2);
    setCoilKey(p.Key(1, 4), 12, 3);
    CFunKeyParams& one = p.Key(2, 1);
    one.used = 1;
    one.functionType = 1;
    one.setReg.reg = wordRef(100);
    one.setReg.quantity = 1;
    one.setReg.value = 0x12345;
    CFunKeyParams& two = p.Key(2, 2);
    two = one;
    two.setReg.reg = wordRef(102);
    two.setReg.quantity = 2;
    two.setReg.value = 0x12345678;
    CFunKeyParams& stop = p.Key(2, 3);
    stop.used = 1;
    stop.functionType = 3;
    stop.advanced.device.deviceName = QStringLiteral("DEV001");
    stop.advanced.command = 1;
    screenChangeKey(p.Key(1, 5), 0, 2);
    QVERIFY(p.Load());
    CPanelSimulator& s = p.panel;

    tap(s, 1);
    QVERIFY(s.Memory().Coil(M(10)));
    tap(s, 2);
    QVERIFY(!s.Memory().Coil(M(10)));
    tap(s, 3);
    QVERIFY(s.Memory().Coil(M(11)));
    tap(s, 3);
    QVERIFY(!s.Memory().Coil(M(11)));

    s.PressKey(4);
    QVERIFY(s.Memory().Coil(M(12)));
    s.PressKey(4); // auto-repeat
    s.Advance(500);
    QVERIFY(s.Memory().Coil(M(12)));
    QVERIFY(s.IsKeyDown(4));
    s.ReleaseKey(4);
    QVERIFY(!s.Memory().Coil(M(12)));
    s.ReleaseKey(4);
    const std::vector<Log>& log = s.Log();
    QCOMPARE(log.size(), size_t(6));
    QCOMPARE(log[4].kind, Log::CoilSet);
    QCOMPARE(log[4].reg, M(12));
    QCOMPARE(log[4].value, 1u);
    QCOMPARE(log[4].key, 4);
    QCOMPARE(log[5].value, 0u);
    QCOMPARE(log[5].time, qint64(500));

    tap(s, 5);
    tap(s, 1);
    tap(s, 2);
    tap(s, 3);
    QCOMPARE(s.Memory().Word(R(100)), quint16(0x2345));
    QCOMPARE(s.Memory().DWord(R(102)), 0x12345678u);
    QCOMPARE(s.Memory().Word(R(102)), quint16(0x1234)); // high word first by default
    QCOMPARE(kinds(s.Log()).mid(6),
             QList<Log::Kind>({Log::RegisterWritten, Log::RegisterWritten, Log::RunStop}));
    QCOMPARE(s.Log()[6].value, 0x2345u);
    QCOMPARE(s.Log()[7].value, 0x12345678u);
    QCOMPARE(s.Log()[8].reg.device, std::uint8_t(1));
    QCOMPARE(s.Log()[8].value, 1u);
    QCOMPARE(s.Log()[8].key, 3);
}

// "Used Password" keys wait for the option password: the right one lets the
// key act, a wrong one is refused and logged, other keys wait meanwhile.
void TestRuntimePanel::passwordKeys()
{
    CPanelProject p;
    p.Model().plcAndPanel.optionPassword = QStringLiteral("1234");
    setCoilKey(p.Key(1, 1), 20, 0);
    p.Key(1, 1).password = 1;
    setCoilKey(p.Key(1, 2), 21, 3);
    p.Key(1, 2).password = 1;
    setCoilKey(p.Key(1, 3), 22, 0);
    QVERIFY(p.Load());
    CPanelSimulator& s = p.panel;

    tap(s, 1);
    QVERIFY(s.PasswordPending());
    QCOMPARE(s.PendingKey(), 1);
    QVERIFY(!s.Memory().Coil(M(20)));
    tap(s, 3); // waits too
    QVERIFY(!s.Memory().Coil(M(22)));
    s.EnterPassword(QStringLiteral("4321"));
    QVERIFY(!s.PasswordPending());
    QVERIFY(!s.Memory().Coil(M(20)));
    QCOMPARE(s.Log().size(), size_t(1));
    QCOMPARE(s.Log()[0].kind, Log::PasswordRefused);
    QCOMPARE(s.Log()[0].key, 1);

    // Stored right-aligned in eight places: both spellings are right.
    for (const QString& typed : {QStringLiteral("1234"), QStringLiteral("00001234")}) {
        s.PlcWriteCoil(M(20), false);
        tap(s, 1);
        s.EnterPassword(typed);
        QVERIFY2(s.Memory().Coil(M(20)), qPrintable(typed));
    }
    tap(s, 1);
    s.EnterPassword(QStringLiteral("12a4"));
    s.PlcWriteCoil(M(20), false);
    tap(s, 1);
    s.CancelPassword();
    QVERIFY(!s.PasswordPending());
    QVERIFY(!s.Memory().Coil(M(20)));

    // INSTANT ON behind a password: held while the key stays down, or
    // pulsed when it was let go before the password came.
    s.PressKey(2);
    s.EnterPassword(QStringLiteral("1234"));
    QVERIFY(s.Memory().Coil(M(21)));
    s.ReleaseKey(2);
    QVERIFY(!s.Memory().Coil(M(21)));
    const size_t before = s.Log().size();
    tap(s, 2);
    s.EnterPassword(QStringLiteral("1234"));
    QVERIFY(!s.Memory().Coil(M(21)));
    QCOMPARE(s.Log().size(), before + 2);
    QCOMPARE(s.Log().back().value, 0u);
    QCOMPARE(kinds(s.Log()).count(Log::PasswordRefused), 2);
}

// Alarm k is active while the coil k - 1 places after the first alarm's coil
// is on; the list shows the active alarms' messages from the font image.
void TestRuntimePanel::alarmList()
{
    CPanelProject p;
    const QStringList messages = {QStringLiteral("Tank low"),  QStringLiteral("Motor hot"),
                                  QStringLiteral("Door open"), QStringLiteral("Oil"),
                                  QStringLiteral("Fan"),       QStringLiteral("Belt")};
    for (int i = 0; i < messages.size(); ++i) {
        CAlarmObject a(&p.Model());
        a.coil = coilRef(64 + i);
        a.message = messages[i];
        p.Model().alarms.items.push_back(a);
    }
    screenChangeKey(p.Key(1, 4), 1);
    QVERIFY(p.Load());
    CPanelSimulator& s = p.panel;
    s.PlcWriteCoil(M(64), true);
    s.PlcWriteCoil(M(66), true);
    QCOMPARE(s.ActiveAlarms(), std::vector<int>({1, 3}));
    tap(s, 4);
    QVERIFY(s.ShowsAlarmList());

    // The expected display: the messages' glyphs from the compiled font
    // image, one 16-pixel row per active alarm (decoded here by hand).
    const CompiledImages& im = p.compiler->Images();
    // An alarm entry that is not where it should be gives a blank display,
    // which no list with messages matches.
    auto expectedRows = [&](const QList<int>& alarms) -> CPanelFrame {
        CPanelFrame f;
        int row = 0;
        for (int number : alarms) {
            qsizetype at = 16;
            for (int k = 1; k < number; ++k)
                at += 2 + 1 + 3 * qsizetype(U8(im.alarm, at + 2));
            if (U16(im.alarm, at) != quint32(number))
                return CPanelFrame();
            const int count = int(U8(im.alarm, at + 2));
            int x = 0;
            for (int c = 0; c < count; ++c) {
                const bool wide = U8(im.alarm, at + 3 + 3 * c) == 0xFF;
                const qsizetype glyph = U16(im.alarm, at + 4 + 3 * c);
                for (int px = 0; px < (wide ? 16 : 8); ++px)
                    for (int py = 0; py < 16; ++py)
                        f.SetPixel(x + px, row * 16 + py,
                                   quint8(im.font[glyph + px * 2 + py / 8]) & (0x80 >> (py % 8)));
                x += wide ? 16 : 8;
            }
            ++row;
        }
        return f;
    };
    const CPanelFrame twoRows = expectedRows({1, 3});
    QVERIFY(twoRows.DarkPixels() > 50);
    QVERIFY(s.Frame() == twoRows);

    // Alarms come and go while the list shows; F1 and F2 scroll a row at a
    // time within the active alarms; F3 to F5 go back to the screen.
    for (int i = 0; i < 6; ++i)
        s.PlcWriteCoil(M(64 + i), i != 1);
    QVERIFY(s.Frame() == expectedRows({1, 3, 4, 5}));
    tap(s, 2);
    QCOMPARE(s.AlarmListTop(), 1);
    QVERIFY(s.Frame() == expectedRows({3, 4, 5, 6}));
    tap(s, 2);
    QCOMPARE(s.AlarmListTop(), 1);
    tap(s, 1);
    tap(s, 1);
    QCOMPARE(s.AlarmListTop(), 0);
    s.PlcWriteCoil(M(64), false);
    QVERIFY(s.Frame() == expectedRows({3, 4, 5, 6}));
    tap(s, 5);
    QVERIFY(!s.ShowsAlarmList());
    QCOMPARE(s.CurrentScreen(), 1);
    QCOMPARE(s.Frame().DarkPixels(), 0);
    QVERIFY(s.Log().empty()); // the list's keys write nothing
}

// A screen number written into the switch-to word changes the screen when it
// changes and names a screen; the next word sounds the beeper.
void TestRuntimePanel::plcSwitchesScreenAndBeeps()
{
    CPanelProject p;
    CPLCAndPanelAlternation& x = p.Model().plcAndPanel;
    x.plcToPanel = wordRef(500);
    x.plcToPanelEnabled = 1;
    x.beepControlEnabled = 1;
    x.panelToPlc = wordRef(510);
    x.panelToPlcEnabled = 1;
    screenChangeKey(p.Key(2, 1), 0, 1);
    screenChangeKey(p.Key(1, 2), 1);
    QVERIFY(p.Load());
    CPanelSimulator& s = p.panel;
    s.PlcWriteWord(R(500), 2);
    QCOMPARE(s.CurrentScreen(), 2);
    QCOMPARE(s.Memory().Word(R(510)), quint16(2));
    QCOMPARE(s.Memory().Word(R(500)), quint16(2)); // left as the PLC wrote it
    tap(s, 1);
    QCOMPARE(s.CurrentScreen(), 1);
    s.PlcWriteWord(R(500), 2); // unchanged: nothing happens
    QCOMPARE(s.CurrentScreen(), 1);
    s.PlcWriteWord(R(500), 9); // no such screen
    QCOMPARE(s.CurrentScreen(), 1);
    // Written straight into the memory: taken at the next Advance.
    s.Memory().SetWord(R(500), 3);
    QCOMPARE(s.CurrentScreen(), 1);
    s.Advance(10);
    QCOMPARE(s.CurrentScreen(), 3);
    // A switch leaves the alarm list.
    s.PlcWriteWord(R(500), 1);
    tap(s, 2);
    QVERIFY(s.ShowsAlarmList());
    s.PlcWriteWord(R(500), 2);
    QVERIFY(!s.ShowsAlarmList());
    QCOMPARE(s.CurrentScreen(), 2);

    s.PlcWriteWord(R(501), 1);
    s.PlcWriteWord(R(501), 3); // still sounding
    s.PlcWriteWord(R(501), 0);
    s.PlcWriteWord(R(501), 1);
    QCOMPARE(kinds(s.Log()).count(Log::Beep), 2);
    QCOMPARE(s.Log().back().reg, R(501));
    QCOMPARE(s.Log().back().value, 1u);
    QList<quint32> written;
    for (const Log& e : s.Log())
        if (e.kind == Log::ScreenNumberWritten)
            written << e.value;
    QCOMPARE(written, QList<quint32>({1, 2, 1, 3, 1, 2}));
}

// After the protect time without a key the protect screen shows, or the
// backlight goes off; the next key only wakes the panel.
void TestRuntimePanel::screenProtection()
{
    for (int showsScreen : {1, 0}) {
        CPanelProject p;
        CPanelConfigInfo& c = p.Model().panelManager.panelConfig;
        c.screenProtectTime = 1; // 1 minute
        c.protectShowsScreen = showsScreen;
        c.protectScreenNumber = 3;
        setCoilKey(p.Key(1, 1), 30, 2);
        QVERIFY(p.Load());
        CPanelSimulator& s = p.panel;
        s.Advance(30000);
        tap(s, 1); // a key starts the minute again
        s.Advance(59999);
        QVERIFY(s.BacklightOn() && !s.ShowsProtectScreen());
        s.Advance(1);
        QCOMPARE(s.ShowsProtectScreen(), bool(showsScreen));
        QCOMPARE(s.BacklightOn(), bool(showsScreen));
        QCOMPARE(s.CurrentScreen(), showsScreen ? 3 : 1);
        s.Advance(3600000);
        QCOMPARE(s.ShowsProtectScreen(), bool(showsScreen));
        tap(s, 1);
        QVERIFY(s.BacklightOn() && !s.ShowsProtectScreen());
        QCOMPARE(s.CurrentScreen(), 1);
        QCOMPARE(kinds(s.Log()).count(Log::CoilSet), 1); // the waking press did nothing
        tap(s, 1);
        QCOMPARE(kinds(s.Log()).count(Log::CoilSet), 2);
    }
    // "None" never protects; the times of the list.
    CPanelProject p;
    p.Model().panelManager.panelConfig.screenProtectTime = 0;
    QVERIFY(p.Load());
    p.panel.Advance(std::numeric_limits<int>::max());
    QVERIFY(!p.panel.ShowsProtectScreen() && p.panel.BacklightOn());
    const int minutes[] = {0, 1, 2, 3, 5, 10, 15, 20, 30, 45, 60, 0};
    for (int i = 0; i < 12; ++i)
        QCOMPARE(CPanelSimulator::ProtectMinutes(i), minutes[i]);
}

// A value typed into a numeric is written when it is a value of the format
// that the numeric can show and, with range check, within the range.
void TestRuntimePanel::typedNumerics()
{
    CPanelProject p;
    const CProjectModel& m = p.Model();
    Objects objects;
    auto plain = numeric(m, 100, 0, 0);
    static_cast<CObjectNumeric*>(plain.get())->decimalPlaces = 2;
    static_cast<CObjectNumeric*>(plain.get())->isSigned = 1;
    objects.push_back(std::move(plain));
    auto ranged = numeric(m, 101, 0, 20);
    auto* r = static_cast<CObjectNumeric*>(ranged.get());
    r->rangeCheck = 1;
    r->minimum = 10;
    r->maximum = 50;
    objects.push_back(std::move(ranged));
    auto fl = numeric(m, 102, 0, 40);
    static_cast<CObjectNumeric*>(fl.get())->isFloat = 1;
    static_cast<CObjectNumeric*>(fl.get())->registerCount = 2;
    static_cast<CObjectNumeric*>(fl.get())->decimalPlaces = 1;
    objects.push_back(std::move(fl));
    auto light = std::make_unique<CObjectIndicatorLight>(&m);
    light->SetRect(100, 0, 116, 16);
    objects.push_back(std::move(light));
    p.WriteScreenFile(1, std::move(objects));
    QVERIFY(p.Load());
    CPanelSimulator& s = p.panel;

    QVERIFY(s.EnterNumeric(0, QStringLiteral("-123.45")));
    QCOMPARE(s.Memory().Word(R(100)), quint16(-12345));
    QVERIFY(s.EnterNumeric(0, QStringLiteral(" 7 ")));
    QCOMPARE(s.Memory().Word(R(100)), quint16(700));
    for (const char* bad : {"", "abc", "1.234", "1e3", "--1", "1.2.3", "1000.00", "."})
        QVERIFY2(!s.EnterNumeric(0, QString::fromLatin1(bad)), bad);
    QCOMPARE(s.Memory().Word(R(100)), quint16(700));

    QVERIFY(s.EnterNumeric(1, QStringLiteral("10")));
    QVERIFY(s.EnterNumeric(1, QStringLiteral("50")));
    QVERIFY(!s.EnterNumeric(1, QStringLiteral("51")));
    QVERIFY(!s.EnterNumeric(1, QStringLiteral("9")));
    QVERIFY(!s.EnterNumeric(1, QStringLiteral("-20"))); // unsigned
    QCOMPARE(s.Memory().Word(R(101)), quint16(50));

    QVERIFY(s.EnterNumeric(2, QStringLiteral("-2.5")));
    QCOMPARE(s.Memory().DWord(R(102)), std::bit_cast<quint32>(-2.5f));

    // Not a numeric, or no object there.
    QVERIFY(!s.EnterNumeric(3, QStringLiteral("1")));
    QVERIFY(!s.EnterNumeric(4, QStringLiteral("1")));
    QVERIFY(!s.EnterNumeric(-1, QStringLiteral("1")));

    int entered = 0, refused = 0;
    for (const Log& e : s.Log()) {
        entered += e.kind == Log::NumericEntered;
        refused += e.kind == Log::NumericRefused;
    }
    QCOMPARE(entered, 5);
    QCOMPARE(refused, 11);
    QCOMPARE(s.Log().back().kind, Log::NumericEntered);
    QCOMPARE(s.Log().back().reg, R(102));
    QCOMPARE(s.Log().back().value, std::bit_cast<quint32>(-2.5f));
}

void TestRuntimePanel::twoRegisterValues_data()
{
    QTest::addColumn<int>("wordOrder");
    QTest::addColumn<int>("exchange");
    QTest::addColumn<bool>("lowFirst");
    QTest::newRow("high word first") << 0 << 0 << false;
    QTest::newRow("low word first") << 1 << 0 << true;
    QTest::newRow("high word first, exchanged") << 0 << 1 << true;
    QTest::newRow("low word first, exchanged") << 1 << 1 << false;
}

// A two-register value in the order that the word order and the DWORD
// exchange give: written by the PLC, shown and typed on the panel.
void TestRuntimePanel::twoRegisterValues()
{
    QFETCH(int, wordOrder);
    QFETCH(int, exchange);
    QFETCH(bool, lowFirst);
    CPanelProject p;
    p.Model().Devices().wordOrder = quint8(wordOrder);
    p.Model().panelManager.panelConfig.dwordExchange = exchange;
    Objects objects;
    auto n = numeric(p.Model(), 200, 0, 0);
    static_cast<CObjectNumeric*>(n.get())->registerCount = 2;
    static_cast<CObjectNumeric*>(n.get())->digits = 8;
    objects.push_back(std::move(n));
    p.WriteScreenFile(1, std::move(objects));
    QVERIFY(p.Load());
    CPanelSimulator& s = p.panel;
    QCOMPARE(s.Memory().LowWordFirst(), lowFirst);
    s.PlcWriteDWord(R(200), 0x00012345);
    QCOMPARE(s.Memory().Word(R(200)), quint16(lowFirst ? 0x2345 : 0x0001));
    QCOMPARE(s.Memory().Word(R(201)), quint16(lowFirst ? 0x0001 : 0x2345));
    QCOMPARE(CPanelValue::Read(s.Memory(), R(200), NumericFormat(s.Image().screens[0].objects[0]))
                 .Text(),
             QStringLiteral("74565"));
    QVERIFY(s.EnterNumeric(0, QStringLiteral("65536")));
    QCOMPARE(s.Memory().Word(R(lowFirst ? 201 : 200)), quint16(1));
    QCOMPARE(s.Memory().Word(R(lowFirst ? 200 : 201)), quint16(0));
    // The register pair written by hand reads back in the same order.
    s.Memory().SetWord(R(200), 0xAAAA);
    s.Memory().SetWord(R(201), 0x5555);
    QCOMPARE(s.Memory().DWord(R(200)), lowFirst ? 0x5555AAAAu : 0xAAAA5555u);
}

// Simulating again after an edit keeps the PLC's values and the screen; a
// screen that is gone gives the start screen; an unreadable image changes
// nothing.
void TestRuntimePanel::reloadKeepsValuesAndScreen()
{
    CPanelProject p;
    screenChangeKey(p.Key(1, 1), 0, 2);
    setCoilKey(p.Key(2, 1), 5, 3);
    p.Model().plcAndPanel.panelToPlc = wordRef(510);
    p.Model().plcAndPanel.panelToPlcEnabled = 1;
    QVERIFY(p.Load());
    CPanelSimulator& s = p.panel;
    tap(s, 1);
    s.PressKey(1); // INSTANT ON held across the reload
    s.PlcWriteWord(R(300), 77);
    s.PlcWriteCoil(M(9), true);
    s.Advance(1234);

    Objects objects;
    objects.push_back(numeric(p.Model(), 300, 0, 0));
    p.WriteScreenFile(2, std::move(objects));
    QVERIFY(p.Load());
    QCOMPARE(s.CurrentScreen(), 2);
    QCOMPARE(s.Image().FindScreen(2)->objects.size(), size_t(1));
    QCOMPARE(s.Memory().Word(R(300)), quint16(77));
    QVERIFY(s.Memory().Coil(M(9)));
    QCOMPARE(s.Time(), qint64(1234));
    QVERIFY(s.Frame().DarkPixels() > 0);
    s.ReleaseKey(1);
    QVERIFY(!s.Memory().Coil(M(5)));

    // A broken image: refused with the reader's message, the panel unchanged.
    QString error;
    QVERIFY(!s.Load(QByteArray("\0\0\0\x10", 4), &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(s.CurrentScreen(), 2);
    QVERIFY(s.IsLoaded());

    // Screen 2 deleted: back to the start screen, values still kept.
    p.Model().RemoveScreen(2);
    QVERIFY(p.Load());
    QCOMPARE(s.CurrentScreen(), 1);
    QCOMPARE(s.Memory().Word(R(300)), quint16(77));
    QCOMPARE(s.Memory().Word(R(510)), quint16(1));
}

// Every register and coil of the image with its uses, in one row each.
void TestRuntimePanel::references()
{
    CPanelProject p;
    CProjectModel& m = p.Model();
    Objects objects;
    auto n = numeric(m, 448, 0, 0); // R700
    static_cast<CObjectNumeric*>(n.get())->registerCount = 2;
    static_cast<CObjectNumeric*>(n.get())->isSigned = 1;
    objects.push_back(std::move(n));
    auto bar = std::make_unique<CObjectBarMeter>(&m);
    bar->SetRect(60, 0, 76, 32);
    bar->reg = wordRef(448);
    objects.push_back(std::move(bar));
    auto str = std::make_unique<CObjectString>(&m);
    str->SetRect(80, 0, 120, 16);
    str->reg = wordRef(8);
    str->registerCount = 3;
    objects.push_back(std::move(str));
    auto light = std::make_unique<CObjectIndicatorLight>(&m);
    light->SetRect(130, 0, 146, 16);
    light->coil = coilRef(8);
    objects.push_back(std::move(light));
    p.WriteScreenFile(3, std::move(objects));
    setCoilKey(p.Key(1, 2), 8, 0);
    CAlarmObject a(&m);
    a.coil = coilRef(7);
    a.message = QStringLiteral("A");
    m.alarms.items = {a, a};
    m.plcAndPanel.plcToPanel = wordRef(500);
    m.plcAndPanel.plcToPanelEnabled = 1;
    m.plcAndPanel.beepControlEnabled = 1;
    QVERIFY(p.Load());
    const std::vector<PanelReference> rows = p.panel.References();
    QStringList table;
    for (const PanelReference& r : rows)
        table << QStringLiteral("%1 %2 %3: %4")
                     .arg(r.text)
                     .arg(r.coil)
                     .arg(r.words)
                     .arg(r.uses.join(QStringLiteral("; ")));
    QCOMPARE(
        table,
        QStringList({
            QStringLiteral("R10 0 3: Screen 3: String 3"),
            QStringLiteral("R700 0 2: Screen 3: Numeric 1; Screen 3: Bar Meter 2"),
            QStringLiteral("R764 0 1: PLC -> Panel"),
            QStringLiteral("R765 0 1: PLC -> Panel: Beep"),
            QStringLiteral("M7 1 1: Alarm 1"),
            QStringLiteral("M10 1 1: Screen 1: F2 Set Coil; Screen 3: Indicator Light 4; Alarm 2"),
        }));
    QVERIFY(rows[0].ascii && !rows[0].hasFormat);
    QVERIFY(rows[1].hasFormat && rows[1].format.isSigned && rows[1].format.twoRegisters);
    QCOMPARE(rows[1].reg, R(448));
    QCOMPARE(rows[5].reg, M(8));
}

void TestRuntimePanel::addressTexts()
{
    QCOMPARE(PanelAddressText(448, false), QStringLiteral("R700"));
    QCOMPARE(PanelAddressText(0, false), QStringLiteral("R0"));
    QCOMPARE(PanelAddressText(0xF008, true), QStringLiteral("M10"));
    QCOMPARE(PanelAddressText(0xFC05, true), QStringLiteral("T5"));
    QCOMPARE(PanelAddressText(0xFE00, true), QStringLiteral("SP0"));
    QCOMPARE(PanelAddressText(16976, false), QStringLiteral("0x4250")); // in no R row
    QCOMPARE(PanelAddressText(0x1234, true), QStringLiteral("0x1234")); // no bit area
    QCOMPARE(PanelAddressText(0xF008, false), QStringLiteral("0xF008"));
    struct Case
    {
        const char* text;
        bool ok;
        quint16 address;
        bool coil;
    };
    const Case cases[] = {
        {"R700", true, 448, false},     {"r700", true, 448, false}, {"M10", true, 0xF008, true},
        {"GI3777", true, 0xC7FF, true}, {"I0", true, 0xE000, true}, {"SP777", true, 0xFFFF, true},
        {"R41120", false, 0, false},    {"R8", false, 0, false},    {"M4000", false, 0, false},
        {"X1", false, 0, false},        {"R", false, 0, false},     {"700", false, 0, false},
        {"R-1", false, 0, false},       {"", false, 0, false}};
    for (const Case& c : cases) {
        quint16 address = 1;
        bool coil = false;
        QCOMPARE(ParsePanelAddressText(QString::fromLatin1(c.text), &address, &coil), c.ok);
        if (c.ok) {
            QCOMPARE(address, c.address);
            QCOMPARE(coil, c.coil);
            QCOMPARE(PanelAddressText(address, coil), QString::fromLatin1(c.text).toUpper());
        }
    }
}

// Values read, shown and typed in each format.
void TestRuntimePanel::valuesInFormats()
{
    auto fmt = [](bool isFloat, bool dec, bool isSigned, bool two, int places) {
        return RuntimeValueFormat{isFloat, dec, isSigned, two, places};
    };
    struct Shown
    {
        RuntimeValueFormat f;
        quint32 pattern;
        const char* text;
    };
    const Shown shown[] = {
        {fmt(false, true, true, false, 0), 0xFFFF, "-1"},
        {fmt(false, true, true, false, 0), 0x18000, "-32768"}, // one register: the low 16 bits
        {fmt(false, true, false, false, 0), 0xFFFF, "65535"},
        {fmt(false, true, true, true, 3), 0xFFFFFFFF, "-0.001"},
        {fmt(false, true, false, true, 0), 0xFFFFFFFF, "4294967295"},
        {fmt(false, false, true, false, 2), 0x9999, "99.99"},
        {fmt(false, false, false, true, 0), 0x99999999, "99999999"},
        {fmt(false, false, false, false, 0), 0x00F0, ""},
        {fmt(true, true, false, false, 3), std::bit_cast<quint32>(2.5f), "2.500"},
        {fmt(true, true, false, true, 1), std::bit_cast<quint32>(-0.01f), "0.0"},
        {fmt(true, true, false, true, 0), 0x7FC00000, ""}, // NaN
    };
    for (const Shown& s : shown)
        QCOMPARE(CPanelValue(s.pattern, s.f).Text(), QString::fromLatin1(s.text));

    struct Typed
    {
        RuntimeValueFormat f;
        const char* text;
        bool ok;
        quint32 pattern;
    };
    const Typed typed[] = {
        {fmt(false, true, true, false, 0), "-32768", true, 0x8000},
        {fmt(false, true, true, false, 0), "32768", false, 0},
        {fmt(false, true, false, false, 0), "65535", true, 0xFFFF},
        {fmt(false, true, false, false, 0), "65536", false, 0},
        {fmt(false, true, false, false, 0), "-1", false, 0},
        {fmt(false, true, true, true, 2), "-21474836.48", true, 0x80000000},
        {fmt(false, true, false, true, 0), "4294967296", false, 0},
        {fmt(false, false, false, false, 0), "9999", true, 0x9999},
        {fmt(false, false, false, false, 0), "10000", false, 0},
        {fmt(false, false, true, false, 0), "-1", false, 0}, // BCD has no sign
        {fmt(false, false, false, true, 1), "1234567.8", true, 0x12345678},
        {fmt(true, true, false, true, 2), "123.45", true, std::bit_cast<quint32>(123.45f)},
        {fmt(true, true, false, true, 2), "1e5", false, 0},
        {fmt(true, true, false, true, 0), "99999999999999999999999999999999999999999", false, 0},
        {fmt(false, true, false, false, 1), ".5", true, 5},
        {fmt(false, true, false, false, 1), "5.", true, 50},
        {fmt(false, true, false, false, 0), "00000000000000000000042", true, 42},
    };
    for (const Typed& t : typed) {
        CPanelValue v;
        QVERIFY2(CPanelValue::Parse(QString::fromLatin1(t.text), t.f, &v) == t.ok, t.text);
        if (t.ok)
            QCOMPARE(v.Pattern(), t.pattern);
    }
    QCOMPARE(CPanelValue::FormatCode(fmt(true, false, true, false, 0)), 7);
    QCOMPARE(CPanelValue::FormatCode(fmt(false, false, true, true, 0)), 6);
    QCOMPARE(CPanelValue::FormatCode(fmt(false, true, true, false, 0)), 1);
}

QTEST_MAIN(TestRuntimePanel)
#include "test_runtime_panel.moc"
