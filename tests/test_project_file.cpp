#include "TestSupport.h"
#include "project/LineArchive.h"
#include "project/ProtocolTables.h"

#include <QTest>

using namespace TestSupport;

namespace {

const QString kVSeq = QString::fromLatin1(ProtocolTables::kVardoVSequence);
const QDate kDay(2026, 3, 7);
const VersionNumber kCurrent{1, 0, 0, 4};

QStringList linesOf(const QByteArray& bytes)
{
    QString text =
        QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.constData()), bytes.size() / 2);
    QStringList lines = text.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

void fillSample(CProjectModel& m)
{
    m.ResetProjectModel("Line1", "/p", "RU03", kVSeq);
    m.info.companyName = "ACME";
    m.info.programmer = "Ann";
    m.info.description = "Filling line";
    m.panelManager.panelConfig.logTimer = 45;
    m.panelManager.panelConfig.screenProtectTime = 7;
    m.Devices().timeout = 300;
    m.Devices().AddDevice("DEV002").bytes[31] = 200;
    CAlarmObject a(&m);
    a.message = "Pump overload";
    a.coil.address = 012;
    m.alarms.items.push_back(a);
    m.plcAndPanel.beepControlEnabled = 1;
    m.transferInfo.enableUpdateRuntimeFile = 1;
    m.bitmapFiles << "Bitmap/pump.bmp"
                  << "logo.bmp";
    CScreenObject* s = m.AddScreen(7, "Main");
    s->keys[0].used = 1;
    s->keys[0].functionType = 1;
    s->keys[0].setReg.value = -5;
    s->keys[0].setReg.isSigned = 1;
    s->keys[4].description = QString::fromUtf8("泵启动");
    s->keys[4].advanced.device.deviceName = "DEV002";
    m.AddScreen(2, "Alarm");
}

} // namespace

class TestProjectFile : public QObject
{
    Q_OBJECT
private slots:
    void layoutOfAnEmptyProject()
    {
        CProjectModel m;
        m.ResetProjectModel("Empty", "/work/p", "RU03", kVSeq);
        CPrjDoc doc;
        QByteArray bytes = doc.Store(m, kDay);
        QVERIFY(!bytes.startsWith("\xFF\xFE"));
        QVERIFY(!bytes.contains(QByteArray("\r\0", 2)));
        QStringList lines = linesOf(bytes);
        QCOMPARE(
            lines[0],
            QString("//Produce Info////////////////////////////////////////////////////////////"));
        QCOMPARE(lines.mid(1, 2), QStringList({"Corvel", "1, 0, 0, 4"}));
        QCOMPARE(lines[3].size(), 74);
        QCOMPARE(lines.mid(4, 8),
                 QStringList({"/work/p", "Empty", "RU03", kVSeq, "3/7/2026", "", "", ""}));
        QCOMPARE(
            lines[12],
            QString("//Panel Info//////////////////////////////////////////////////////////////"));
        QCOMPARE(lines.mid(13, 10),
                 QStringList({"0", "1", "0", "1", "0", "3", "1", "0", "1", "1"}));
        QCOMPARE(
            lines[23],
            QString("//Device Info/////////////////////////////////////////////////////////////"));
        QCOMPARE(lines.mid(24, 2), QStringList({"1", "2048"}));
        int devCount = 24 + 2 + 17 + 4;
        QCOMPARE(lines[devCount], QString("1"));
        QCOMPARE(lines[devCount + 1], CLineArchive::HeaderLine("Single device Info"));
        QCOMPARE(lines[devCount + 34], QString("DEV001"));
        int at = devCount + 35;
        QCOMPARE(lines[at], CLineArchive::HeaderLine("Alarm Object List"));
        QCOMPARE(lines[at + 1], QString("0"));
        QCOMPARE(lines[at + 2], CLineArchive::HeaderLine("PLC and Panel"));
        QCOMPARE(lines.mid(at + 3, 7),
                 QStringList({"36093609", "DEV001", "R", "1024", "0", "1", "0"}));
        at += 2 + 1 + 6 + 1 + 6 + 2 + 1;
        QCOMPARE(lines[at], CLineArchive::HeaderLine("Transfer Info"));
        QCOMPARE(lines.mid(at + 1, 2), QStringList({"52815281", "0"}));
        QCOMPARE(lines.mid(at + 3), QStringList({CLineArchive::HeaderLine("Bitmap File"), "0",
                                                 CLineArchive::HeaderLine("Screen Info"), "0"}));
        for (const QString& line : lines)
            if (line.startsWith("//"))
                QCOMPARE(line.size(), 74);

        // Name and location come from where the file was found, not from the file.
        CProjectModel back;
        back.ResetProjectModel("Empty", "/work/p", "", "");
        back.formatVersion = kCurrent;
        CPrjDoc doc2;
        doc2.Load(bytes, back);
        QCOMPARE(doc2.Store(back, kDay), bytes);
    }

    void roundTripOfAFullProject()
    {
        CProjectModel m;
        fillSample(m);
        CPrjDoc doc;
        const QByteArray bytes = doc.Store(m, kDay);
        QCOMPARE(m.info.date, QString("3/7/2026"));

        CProjectModel back;
        back.ResetProjectModel("Line1", "/elsewhere", "", "");
        back.formatVersion = kCurrent;
        CPrjDoc doc2;
        doc2.Load(bytes, back);
        QCOMPARE(back.info.location, QString("/elsewhere")); // the file's own location is not taken
        QCOMPARE(back.info.plcType, kVSeq);
        QCOMPARE(back.info.description, QString("Filling line"));
        QCOMPARE(back.panelManager, m.panelManager);
        QCOMPARE(back.alarms, m.alarms);
        QCOMPARE(back.plcAndPanel, m.plcAndPanel);
        QCOMPARE(back.transferInfo, m.transferInfo);
        QCOMPARE(back.bitmapFiles, m.bitmapFiles);
        QCOMPARE(back.screens.size(), size_t(2));
        QCOMPARE(back.screens[0]->number, 7);
        QCOMPARE(back.screens[0]->name, QString("Main"));
        QCOMPARE(*back.screens[0], *m.screens[0]);
        QCOMPARE(*back.screens[1], *m.screens[1]);
        back.info.location = "/p";
        QCOMPARE(doc2.Store(back, kDay), bytes);
    }

    void recordLineCounts()
    {
        CProjectModel m;
        m.ResetProjectModel("P", "/p", "RU03", kVSeq);
        CPrjDoc doc;
        const int base = linesOf(doc.Store(m, kDay)).size();
        m.AddScreen(7, "Main");
        const int withScreen = linesOf(doc.Store(m, kDay)).size();
        QCOMPARE(withScreen - base, 169);
        m.Devices().AddDevice("DEV002");
        QCOMPARE(linesOf(doc.Store(m, kDay)).size() - withScreen, 34);
        m.alarms.items.emplace_back(&m);
        QCOMPARE(linesOf(doc.Store(m, kDay)).size() - withScreen, 34 + 8);

        // Set-register value -5, BIN, signed: value, float, mode, signed.
        CProjectModel one;
        one.ResetProjectModel("P", "/p", "RU03", kVSeq);
        CScreenObject* s = one.AddScreen(7, "Main");
        s->keys[0].setReg.value = -5;
        s->keys[0].setReg.isSigned = 1;
        QStringList lines = linesOf(doc.Store(one, kDay));
        int screenAt = lines.lastIndexOf(CLineArchive::HeaderLine("Screen Info")) + 2;
        QCOMPARE(lines.mid(screenAt, 4), QStringList({"7", "Main", "6", "8"}));
        int setRegAt = screenAt + 4 + 6 + 7 + 6;
        QCOMPARE(lines.mid(setRegAt, 5), QStringList({"1", "-5", "0", "0", "1"}));
    }

    void legacyRangeModeReadsEightLineSetRegister()
    {
        CProjectModel m;
        m.ResetProjectModel("P", "/p", "RU03", kVSeq);
        CScreenObject* s = m.AddScreen(1, "A");
        s->keys[0].setReg.isFloat = 0;
        s->keys[1].description = "second";
        CPrjDoc doc;
        QStringList lines = linesOf(doc.Store(m, kDay));
        // Write a legacy file: every set-register record without its last three lines.
        int screenAt = lines.lastIndexOf(CLineArchive::HeaderLine("Screen Info")) + 2;
        QStringList legacy = lines.mid(0, screenAt + 4);
        int at = screenAt + 4;
        for (int k = 0; k < 5; ++k) {
            legacy += lines.mid(at, 6 + 7 + 8);
            legacy += lines.mid(at + 6 + 7 + 11, 2 + 7);
            at += 33;
        }
        QByteArray legacyBytes = Utf16(legacy.join('\n') + '\n');
        CProjectModel back;
        back.formatVersion = VersionNumber{0, 9, 0, 0};
        QVERIFY(back.IsLegacyRangeMode());
        CPrjDoc doc2;
        doc2.Load(legacyBytes, back);
        QCOMPARE(back.screens.size(), size_t(1));
        QCOMPARE(back.screens[0]->keys[1].description, QString("second"));
        QCOMPARE(back.screens[0]->keys[0].setReg.isFloat, 0);
        QCOMPARE(back.screens[0]->keys[0].setReg.mode, 0);
        QCOMPARE(back.screens[0]->keys[0].setReg.isSigned, 0);
        // Written again, every action has eleven lines.
        back.formatVersion = kCurrent;
        back.info.name = "P";
        back.info.location = "/p";
        QCOMPARE(linesOf(doc2.Store(back, kDay)), lines);
    }

    void tolerantReader()
    {
        // CR LF and lone CR end lines (the CR also takes the next character);
        // numbers by their leading digits; non-numbers read as 0.
        CLineArchive ar(Utf16("a\r\nb\rXc\n  -42xyz\nabc\n+7\n"));
        QString s;
        QVERIFY(ar.ReadLine(&s));
        QCOMPARE(s, QString("a"));
        QVERIFY(ar.ReadLine(&s));
        QCOMPARE(s, QString("b"));
        QVERIFY(ar.ReadLine(&s));
        QCOMPARE(s, QString("c"));
        int n = 99;
        ar.Io(n);
        QCOMPARE(n, -42);
        ar.Io(n);
        QCOMPARE(n, 0);
        quint8 b = 0;
        ar.Io(b);
        QCOMPARE(int(b), 7);
        QVERIFY(ar.AtEnd());
        n = 5;
        ar.Io(n); // at the end: unchanged
        QCOMPARE(n, 5);
        // Out-of-range values keep their low bits.
        CLineArchive wide(Utf16("300\n70000\n"));
        quint8 u8 = 0;
        quint16 u16 = 0;
        wide.Io(u8);
        wide.Io(u16);
        QCOMPARE(int(u8), 300 & 0xFF);
        QCOMPARE(int(u16), 70000 & 0xFFFF);
    }

    void hugeCountsAndTruncationStopAtTheEnd()
    {
        CProjectModel m;
        fillSample(m);
        CPrjDoc doc;
        QStringList lines = linesOf(doc.Store(m, kDay));
        int screenCount = lines.lastIndexOf(CLineArchive::HeaderLine("Screen Info")) + 1;
        lines[screenCount] = "2000000000";
        CProjectModel back;
        back.formatVersion = kCurrent;
        CPrjDoc doc2;
        doc2.Load(Utf16(lines.join('\n')), back);
        QCOMPARE(back.screens.size(), size_t(2));

        // A file cut inside a record keeps what was read, defaults after it.
        QStringList cut = linesOf(doc.Store(m, kDay));
        int alarmCount = cut.indexOf(CLineArchive::HeaderLine("Alarm Object List")) + 1;
        cut[alarmCount] = "999999999";
        cut = cut.mid(0, alarmCount + 4);
        CProjectModel part;
        part.formatVersion = kCurrent;
        doc2.Load(Utf16(cut.join('\n')), part);
        QCOMPARE(part.alarms.items.size(), size_t(1));
        QCOMPARE(part.alarms.items[0].coil.deviceName, QString("DEV001"));
        QCOMPARE(part.alarms.items[0].coil.area, QString("M"));
        QVERIFY(part.alarms.items[0].message.isEmpty());
        QCOMPARE(part.Devices().devices.size(), size_t(2));

        // Nothing at all, or an odd byte count, reads without harm.
        CProjectModel none;
        doc2.Load(QByteArray(), none);
        doc2.Load(QByteArray("\x41", 1), none);
        QVERIFY(none.screens.empty());
    }
};

QTEST_GUILESS_MAIN(TestProjectFile)
#include "test_project_file.moc"
