// The rules under the Panel Manager and the register picker: the device
// list, the copy-back of a device page, the choice lists and the register
// numbers an area accepts.
#include "project/CommChoices.h"
#include "project/DeviceInfo.h"
#include "project/DeviceList.h"
#include "project/RegisterNumberRule.h"

#include <QTest>

using namespace ProtocolTables;

class TestDeviceRules : public QObject
{
    Q_OBJECT
private slots:
    void addNamesAndNumbersDevices()
    {
        CDeviceInfo info;
        info.baudRate = 8192;
        info.parity = 2;
        info.selectRs485 = 0;
        info.requireCts = 0;
        info.controlRts = 1;
        info.timeout = 300;
        info.pollTime = 1000;
        QCOMPARE(DeviceList::Add(info), 1);
        const CSingleDeviceInfo& d = info.devices[1];
        QCOMPARE(d.name, QStringLiteral("DEV002"));
        QCOMPARE(int(d.bytes[0]), 2);
        QCOMPARE(DeviceList::DeviceBaudCode(d), 8192);
        QCOMPARE(int(d.bytes[3]), 2);
        QCOMPARE(int(d.bytes[4]), 0);
        QCOMPARE(int(d.bytes[5]), 0); // require CTS, as AddDevice puts it
        QCOMPARE(int(d.bytes[6]), 1);
        QCOMPARE(DeviceList::DeviceWord(d, 7), quint16(300));
        QCOMPARE(DeviceList::DeviceWord(d, 9), quint16(1000));

        // DEV001 and DEV003: DEV003 is taken, so the first free from 1 up.
        CDeviceInfo gap;
        gap.AddDevice(QStringLiteral("DEV003"));
        QCOMPARE(DeviceList::NextDeviceName(gap), QStringLiteral("DEV002"));
        QCOMPARE(DeviceList::Add(gap), 2);
        QCOMPARE(int(gap.devices[2].bytes[0]), 3);

        // At most 64.
        CDeviceInfo full;
        while (int(full.devices.size()) < DeviceList::kMaxDevices)
            QVERIFY(DeviceList::Add(full) >= 0);
        QCOMPARE(DeviceList::Add(full), -1);
        QCOMPARE(int(full.devices.size()), 64);
        QCOMPARE(full.devices.back().name, QStringLiteral("DEV064"));
    }

    void deleteAndRename()
    {
        CDeviceInfo info;
        QVERIFY(!DeviceList::CanDelete(info));
        QCOMPARE(DeviceList::Delete(info, 0), -1);
        DeviceList::Add(info);
        DeviceList::Add(info);
        // The next device is selected, or the previous one after the last.
        QCOMPARE(DeviceList::Delete(info, 0), 0);
        QCOMPARE(info.devices[0].name, QStringLiteral("DEV002"));
        QCOMPARE(DeviceList::Delete(info, 1), 0);
        QCOMPARE(int(info.devices.size()), 1);

        DeviceList::Add(info); // DEV002 and a new DEV001... the first free
        QCOMPARE(info.devices[1].name, QStringLiteral("DEV001"));
        QCOMPARE(DeviceList::RenameError(info, QStringLiteral("DEV002")),
                 QStringLiteral("Error GUI-003 : This device name already exists"));
        QVERIFY(!DeviceList::Rename(info, 1, QStringLiteral("DEV002")));
        QVERIFY(DeviceList::Rename(info, 1, QStringLiteral("dev002")));
        QCOMPARE(info.devices[1].name, QStringLiteral("dev002"));
        // Cut to eight characters, and the cut name is the one compared.
        QVERIFY(DeviceList::Rename(info, 1, QStringLiteral("Conveyor12")));
        QCOMPARE(info.devices[1].name, QStringLiteral("Conveyor"));
        QVERIFY(!DeviceList::RenameError(info, QStringLiteral("Conveyor99")).isEmpty());
    }

    void devicePageGoesBackIntoTheLineSettings()
    {
        CDeviceInfo info;
        CSingleDeviceInfo d;
        DeviceList::SetDeviceBaudCode(d, 16384);
        d.bytes[3] = 0;
        d.bytes[4] = 0;
        d.bytes[5] = 0; // require CTS
        d.bytes[6] = 1; // control RTS
        DeviceList::SetDeviceWord(d, 7, 40);
        DeviceList::SetDeviceWord(d, 9, 30000);
        DeviceList::CopyBack(info, d);
        QCOMPARE(info.baudRate, 16384);
        QCOMPARE(int(info.parity), 0);
        QCOMPARE(int(info.selectRs485), 0);
        QCOMPARE(int(info.requireCts), 0);
        QCOMPARE(int(info.controlRts), 1);
        QCOMPARE(int(info.timeout), 40);
        QCOMPARE(int(info.pollTime), 30000);
        // The protocol dialog's record reads them back the same way round.
        const CSingleDeviceInfo p = DeviceList::ProtocolDevice(info);
        QCOMPARE(int(p.bytes[5]), 0);
        QCOMPARE(int(p.bytes[6]), 1);
        QCOMPARE(DeviceList::DeviceBaudCode(p), 16384);
        QCOMPARE(int(p.bytes[0]), 1);
    }

    void bytesFiveAndSixMeanOneThingOnEveryPath()
    {
        // The two flags differ, so a path that swaps them shows.
        CDeviceInfo info;
        info.requireCts = 0;
        info.controlRts = 1;
        info.devices.clear();
        const CSingleDeviceInfo added = info.AddDevice(QStringLiteral("DEV001"));
        QCOMPARE(int(added.bytes[5]), 0);
        QCOMPARE(int(added.bytes[6]), 1);
        // The protocol dialog's record holds the bytes AddDevice writes.
        CSingleDeviceInfo protocol = DeviceList::ProtocolDevice(info);
        protocol.name = added.name;
        QVERIFY(protocol == added);
        // A device going back into the line settings changes nothing.
        const CDeviceInfo before = info;
        DeviceList::CopyBack(info, added);
        QVERIFY(info == before);
        info.controlRts = 0;
        info.requireCts = 1;
        DeviceList::CopyBack(info, DeviceList::ProtocolDevice(info));
        QCOMPARE(int(info.requireCts), 1);
        QCOMPARE(int(info.controlRts), 0);
    }

    void choiceListsMapTextsAndCodes()
    {
        using namespace CommChoices;
        QCOMPARE(Texts(Parity()), QStringList({"None", "Even", "Odd"}));
        QCOMPARE(IndexOfCode(Parity(), 1), 2);
        QCOMPARE(CodeAt(Parity(), 1), 2);
        QCOMPARE(Texts(RegistersPerMessage()), QStringList({"1", "2", "4", "16", "32", "64"}));
        // A stored value that no entry has shows the first entry.
        QCOMPARE(IndexOfCode(RegistersPerMessage(), 0), 0);
        QCOMPARE(CodeAt(CoilsPerMessage(), 1), 8);
        QCOMPARE(ScreenProtectTime().size(), size_t(11));
        QCOMPARE(QString::fromUtf8(ScreenProtectTime()[10].text), QStringLiteral("After 1 hours"));
        QCOMPARE(Texts(Transmission()).last(), QStringLiteral("JIS:Data Bit-8, Stop Bits-1"));
        QCOMPARE(Texts(ProtocolStyle()).first(), QStringLiteral("STYTLE1"));
        // The device record's baud bytes of the constructor (37, 128) are no code.
        CSingleDeviceInfo fresh;
        QCOMPARE(ShownBaudCode(DeviceList::DeviceBaudCode(fresh)), 2048);
        QCOMPARE(ShownBaudCode(8192), 8192);
        QCOMPARE(CodeAt(Plc(), 0), 1);
    }

    void registerNumbersLieInTheirAreasRows()
    {
        const Protocol& vseq = *FindProtocol(QString::fromLatin1(kVardoVSequence));
        QCOMPARE(RegisterNumberRule::AreasOfKind(vseq, 2), QStringList({"R"}));
        const QStringList bits = RegisterNumberRule::AreasOfKind(vseq, 0);
        QVERIFY(bits.contains("SP"));
        QVERIFY(!bits.contains("R"));
        QCOMPARE(bits.size(), 9);
        // 677 first row, 700 second, 41200 seventh; 41240 none.
        QCOMPARE(RegisterNumberRule::AcceptingRow(vseq, "R", 0677)->lowest, 0);
        QCOMPARE(RegisterNumberRule::AcceptingRow(vseq, "R", 0700)->lowest, 448);
        QCOMPARE(RegisterNumberRule::AcceptingRow(vseq, "R", 041200)->lowest, 17024);
        QVERIFY(!RegisterNumberRule::AcceptingRow(vseq, "R", 041240));
        QVERIFY(!RegisterNumberRule::AcceptingRow(vseq, "R", 041120));
        QVERIFY(!RegisterNumberRule::AcceptingRow(vseq, "X", 0));
        QCOMPARE(RegisterNumberRule::InvalidNumberMessage(vseq, "R"),
                 QStringLiteral("Error Obj-001 : Register Number is invalid\n[0, 677]\n[700, 777]"
                                "\n[1000, 7577]\n[7600, 7777]\n[10000, 41077]\n[41100, 41117]"
                                "\n[41200, 41237]"));
        QCOMPARE(RegisterNumberRule::InvalidNumberMessage(vseq, "S"),
                 QStringLiteral("Error Obj-001 : Register Number is invalid\n[0, 177]"));
        QCOMPARE(RegisterNumberRule::NumberBase(1), 8);
        QCOMPARE(RegisterNumberRule::NumberBase(3), 16);
        QCOMPARE(RegisterNumberRule::NumberBase(2), 10);
    }
};

QTEST_GUILESS_MAIN(TestDeviceRules)
#include "test_device_rules.moc"
