#include "TestSupport.h"
#include "project/ProtocolTables.h"
#include "screen/ObjectFactory.h"

#include <QGuiApplication>
#include <QTest>

namespace {
const QString kVSeq = QString::fromLatin1(ProtocolTables::kVardoVSequence);

QList<int> numbers(const CProjectModel& m)
{
    QList<int> out;
    for (const auto& s : m.screens)
        out.append(s->number);
    return out;
}
} // namespace

class TestProjectModel : public QObject
{
    Q_OBJECT
private slots:
    void textObjectsWithoutAGuiApplication()
    {
        // qv-cli and the other front ends without a GUI application give a
        // new text the same font as the editor does.
        QVERIFY(!qobject_cast<QGuiApplication*>(QCoreApplication::instance()));
        for (int kind : {OBJ_STATIC_TEXT, OBJ_DYNAMIC_TEXT}) {
            auto text = CreateObjectOfKind(kind);
            QVERIFY2(text->WriteLine().endsWith(
                         QString::fromUtf8(",134,0,0,宋体,-15,0,0,0,0,0,0,0,400,0;")),
                     qPrintable(text->WriteLine()));
        }
    }

    void newScreenRecordDefaults()
    {
        CScreenObject s;
        QCOMPARE(s.number, 1);
        QVERIFY(s.name.isEmpty());
        QCOMPARE(s.screenChange.previous, 1);
        QCOMPARE(s.screenChange.next, 1);
        for (const CFunKeyParams& k : s.keys) {
            QCOMPARE(k.used, 0);
            QCOMPARE(k.functionType, 0);
            QCOMPARE(k.setReg.quantity, 1);
            QCOMPARE(k.screenChg.screenNumber, 1);
            QCOMPARE(k.advanced.command, 0);
            QCOMPARE(k.ListText(), QString("Unused"));
        }
    }

    void screenListOrderAndNeighbours()
    {
        CProjectModel m;
        m.ResetProjectModel("P", "/tmp", "RU03", kVSeq);
        QCOMPARE(m.FirstFreeScreenNumber(), 1);
        m.AddScreen(1, "one");
        CScreenObject* five = m.AddScreen(5, "five");
        m.AddScreen(3, "three");
        QCOMPARE(numbers(m), QList<int>({5, 3, 1}));
        QCOMPARE(five->screenChange.previous, 4);
        QCOMPARE(five->screenChange.next, 6);
        QCOMPARE(m.FindScreen(1)->screenChange.previous, 1);
        QCOMPARE(m.AddScreen(999, "last")->screenChange.next, 999);
        QCOMPARE(m.FirstFreeScreenNumber(), 2);
        QVERIFY(m.IsScreenNumberUsed(3));
        QVERIFY(!m.IsScreenNumberUsed(3, 3));
        QVERIFY(!m.IsScreenNumberUsed(4));
        m.RemoveScreen(3);
        QCOMPARE(numbers(m), QList<int>({999, 5, 1}));
        QVERIFY(!m.FindScreen(3));

        CProjectModel full;
        for (int n = 1; n <= 999; ++n)
            if (n != 4)
                full.AddScreen(n, QString());
        QCOMPARE(full.FirstFreeScreenNumber(), 4);
        full.AddScreen(4, QString());
        QCOMPARE(full.FirstFreeScreenNumber(), 1000);
        QCOMPARE(full.screens.front()->number, 999);
    }

    void registerDefaultsFollowDevicesAndProtocol()
    {
        CProjectModel m;
        m.ResetProjectModel("P", "/tmp", "RU03", kVSeq);
        RegisterRef word, bit;
        m.FillRegisterRefDefaults(word, RegisterRef::KindWord);
        m.FillRegisterRefDefaults(bit, RegisterRef::KindBit);
        QCOMPARE(word.ToText(), QString("DEV001.R.2000"));
        QCOMPARE(bit.ToText(), QString("DEV001.M.0"));
        QCOMPARE(word.radix, 1);
        // Records constructed later take the device list in force.
        CScreenObject s(&m);
        QCOMPARE(s.keys[2].setReg.reg.ToText(), QString("DEV001.R.2000"));
        QCOMPARE(s.keys[2].setCoil.coil.ToText(), QString("DEV001.M.0"));
        QVERIFY(s.keys[2].advanced.device.deviceName.isEmpty());

        // An empty device list keeps the name; an unknown PLC keeps area and address.
        m.Devices().devices.clear();
        m.info.plcType = "Vardo v-sequence (r series)"; // case matters
        RegisterRef kept;
        kept.deviceName = "OLD";
        kept.area = "Q";
        kept.address = 9;
        kept.radix = 1;
        kept.bitOfWord = 1;
        m.FillRegisterRefDefaults(kept, RegisterRef::KindWord);
        QCOMPARE(kept.deviceName, QString("OLD"));
        QCOMPARE(kept.area, QString("Q"));
        QCOMPARE(kept.address, 9);
        QCOMPARE(kept.radix, 2);
        QCOMPARE(kept.bitOfWord, 0);
    }

    void registerTextForms()
    {
        RegisterRef r{"DEV001", "R", 1024, 3, 1, 0};
        QCOMPARE(r.ToText(), QString("DEV001.R.2000"));
        r.radix = 3;
        QCOMPARE(r.ToText(), QString("DEV001.R.400"));
        r.radix = 2;
        QCOMPARE(r.ToText(), QString("DEV001.R.1024"));
        r.bitOfWord = 1;
        QCOMPARE(r.ToText(), QString("DEV001.R.1024.3"));
    }

    void protocolTables()
    {
        const auto* p = ProtocolTables::FindProtocol(kVSeq);
        QVERIFY(p);
        QVERIFY(!ProtocolTables::FindProtocol("Vardo V-Sequence"));
        auto rows = ProtocolTables::RowsOfArea(*p, "R");
        QCOMPARE(rows.size(), size_t(7));
        auto inRow = [&](int address) {
            for (size_t i = 0; i < rows.size(); ++i)
                if (address >= rows[i]->lowest && address <= rows[i]->highest)
                    return int(i);
            return -1;
        };
        QCOMPARE(inRow(448), 1);    // octal 700
        QCOMPARE(inRow(16976), -1); // octal 41120
        QCOMPARE(inRow(17055), 6);
        QCOMPARE(ProtocolTables::PanelAddress(*p, RegisterRef{"D", "T", 5, 0, 1, 0}),
                 quint16(0xFC05));
        QCOMPARE(ProtocolTables::PanelAddress(*p, RegisterRef{"D", "M", 10, 2, 1, 0}),
                 quint16(0xF00C));
        QCOMPARE(ProtocolTables::PanelAddress(*p, RegisterRef{"D", "X", 5, 0, 1, 0}), quint16(0));
        QVERIFY(ProtocolTables::RowsOfArea(*p, "X").empty());
        QVERIFY(!ProtocolTables::BaseAddress(*p, "X"));
        // Taken to 16 bits.
        QCOMPARE(ProtocolTables::PanelAddress(*p, RegisterRef{"D", "SP", 0x300, 0, 1, 0}),
                 quint16(0x0100));
        QCOMPARE(ProtocolTables::PanelModelName(0), QString("RU03"));
        QCOMPARE(ProtocolTables::PanelModelName(1), QString("Unknown"));
    }

    void resetGivesDefaultsAndOneDevice()
    {
        CProjectModel m;
        m.alarms.items.emplace_back(&m);
        m.bitmapFiles << "a.bmp";
        m.AddScreen(2, "x");
        m.panelManager.panelConfig.logTimer = 30;
        m.Devices().baudRate = 16384;
        m.Devices().AddDevice("DEV002");
        m.ResetProjectModel("N", "/loc", "RU03", kVSeq);
        QVERIFY(m.screens.empty() && m.alarms.items.empty() && m.bitmapFiles.isEmpty());
        QCOMPARE(m.panelManager.panelConfig, CPanelConfigInfo());
        QCOMPARE(m.Devices().devices.size(), size_t(1));
        const CSingleDeviceInfo& d = m.Devices().devices[0];
        QCOMPARE(d.name, QString("DEV001"));
        // AddDevice takes the link settings: 9600 baud is code 2048 = 0x08 0x00.
        QCOMPARE(
            QList<int>({d.bytes[0], d.bytes[1], d.bytes[2], d.bytes[3], d.bytes[4], d.bytes[5],
                        d.bytes[6], d.bytes[7], d.bytes[8], d.bytes[9], d.bytes[10], d.bytes[11]}),
            QList<int>({1, 8, 0, 1, 1, 1, 1, 0, 10, 0, 10, 0}));
        QCOMPARE(m.plcAndPanel.optionPassword, QString("36093609"));
        QCOMPARE(m.plcAndPanel.panelToPlc.ToText(), QString("DEV001.R.2000"));
        QCOMPARE(m.transferInfo.uploadPassword, QString("52815281"));
        QCOMPARE(m.info.name, QString("N"));
        QVERIFY(m.info.date.isEmpty());
        // The constructor's own device bytes are not a baud code.
        CSingleDeviceInfo raw;
        QCOMPARE(int(raw.bytes[1]), 37);
        QCOMPARE(int(raw.bytes[2]), 128);
    }

    void copyingAScreenSharesNothing()
    {
        CScreenObject a;
        a.number = 7;
        a.keys[2].description = "before";
        a.keys[2].setReg.reg.area = "R";
        CScreenObject b;
        CProjectModel::CopyScreenObject(a, b);
        QCOMPARE(b, a);
        b.keys[2].description = "after";
        b.keys[2].setReg.reg.area = "S";
        QCOMPARE(a.keys[2].description, QString("before"));
        QCOMPARE(a.keys[2].setReg.reg.area, QString("R"));
    }

    void functionKeyListText()
    {
        CFunKeyParams k;
        k.used = 1;
        k.password = 1;
        QCOMPARE(k.ListText(), QString("Used,PSW,Set Coil"));
        k.password = 0;
        k.functionType = 2;
        QCOMPARE(k.ListText(), QString("Used,NO PSW,Screen Change"));
        k.functionType = 9;
        QCOMPARE(k.ListText(), QString("Used,NO PSW,Unknown"));
        k.showDescription = 1;
        k.description = "Pump on";
        QCOMPARE(k.ListText(), QString("Used,NO PSW,Pump on"));
    }

    void screenTitles()
    {
        QCOMPARE(ScreenTitle("Line1", 3, "Pump"), QString("Line1.cgp - #3 Pump"));
        QCOMPARE(ScreenNumberFromTitle("Line1.cgp - #3 Pump"), 3);
        QCOMPARE(ScreenNumberFromTitle("A#1.cgp - #12 #5"), 12);
        QCOMPARE(ScreenNumberFromTitle("none"), 0);
    }
};

QTEST_GUILESS_MAIN(TestProjectModel)
#include "test_project_model.moc"
