// The rules under the screen, function-key and alarm dialogs: value formats,
// reference texts, screen numbers and names, the alarm list and its CSV form.
#include "TestSupport.h"
#include "app/ScreenCommands.h"
#include "project/AlarmListCsv.h"
#include "project/AlarmListRules.h"
#include "project/ProtocolTables.h"
#include "project/RegisterRefText.h"
#include "screen/ValueFormatRules.h"

#include <QTest>
#include <cstring>

using namespace ValueFormatRules;

namespace {

void makeProject(CProjectModel& model)
{
    model.ResetProjectModel("Line1", "/tmp", "RU03",
                            QString::fromLatin1(ProtocolTables::kVardoVSequence));
}

quint32 bitsOf(float f)
{
    quint32 b;
    std::memcpy(&b, &f, sizeof b);
    return b;
}

} // namespace

class TestScreenRules : public QObject
{
    Q_OBJECT
private slots:
    void valueFormatsShowAndStore()
    {
        QCOMPARE(Limits(VF_SIGNED_16).minimum, -32768);
        QCOMPARE(Limits(VF_UNSIGNED_32).maximum, 4294967295LL);
        QCOMPARE(Limits(VF_BCD_32).maxLength, 8);
        // The spin button steps over each format's own range.
        const std::pair<ValueFormat, std::pair<qint64, qint64>> spins[] = {
            {VF_SIGNED_16, {-32768, 32767}},
            {VF_SIGNED_32, {-2147483648LL, 2147483647LL}},
            {VF_UNSIGNED_16, {0, 65535}},
            {VF_UNSIGNED_32, {0, 4294967295LL}},
            {VF_BCD_16, {0, 9999}},
            {VF_BCD_32, {0, 99999999}},
            {VF_FLOAT, {-1000000000, 1000000000}}};
        for (const auto& [format, range] : spins) {
            QCOMPARE(Limits(format).spinMinimum, range.first);
            QCOMPARE(Limits(format).spinMaximum, range.second);
        }
        QCOMPARE(HintText(Limits(VF_SIGNED_16)), QString("Min: -32768  Max: 32767"));
        QCOMPARE(HintText(Limits(VF_UNSIGNED_32)), QString("Min: 0  Max: 4294967295"));
        QCOMPARE(HintText(Limits(VF_FLOAT)),
                 QString("Min: -1000000000.000000  Max: 1000000000.000000"));
        QCOMPARE(HintText(StartLimits()), QString("Min: 0  Max: 65535"));

        QCOMPARE(ShowValue(VF_SIGNED_16, 0xFFFFFFFFu), QString("-1"));
        QCOMPARE(ShowValue(VF_UNSIGNED_32, 0xFFFFFFFFu), QString("4294967295"));
        QCOMPARE(ShowValue(VF_BCD_16, 0x9999), QString("9999"));
        QCOMPARE(ShowValue(VF_FLOAT, bitsOf(1.5f)), QString("1.500000"));

        QCOMPARE(StoreValue(VF_BCD_16, "9999"), std::optional<quint32>(0x9999));
        QCOMPARE(StoreValue(VF_BCD_32, "12345678"), std::optional<quint32>(0x12345678));
        QCOMPARE(StoreValue(VF_SIGNED_16, "-32768"), std::optional<quint32>(0xFFFF8000u));
        // Empty reads as 0 in every format.
        for (ValueFormat f : {VF_SIGNED_16, VF_SIGNED_32, VF_UNSIGNED_16, VF_UNSIGNED_32, VF_BCD_16,
                              VF_BCD_32, VF_FLOAT})
            QCOMPARE(StoreValue(f, ""), std::optional<quint32>(0));
        QCOMPARE(StoreValue(VF_FLOAT, "-2.5"), std::optional<quint32>(bitsOf(-2.5f)));
        QVERIFY(!StoreValue(VF_SIGNED_16, "-32769"));
        QVERIFY(!StoreValue(VF_UNSIGNED_16, "65536"));
        QVERIFY(!StoreValue(VF_UNSIGNED_16, "-1"));
        QVERIFY(!StoreValue(VF_BCD_16, "10000"));
        QVERIFY(!StoreValue(VF_FLOAT, "2e9"));

        QVERIFY(AcceptsTyped(VF_SIGNED_16, "-"));
        QVERIFY(AcceptsTyped(VF_FLOAT, "-1.5e"));
        QVERIFY(!AcceptsTyped(VF_SIGNED_16, "-40000"));
        QVERIFY(!AcceptsTyped(VF_UNSIGNED_32, "4294967296"));
        QVERIFY(!AcceptsTyped(VF_UNSIGNED_16, "12a"));
        QVERIFY(!AcceptsTyped(VF_BCD_16, "1A"));
    }

    void formatChangesTestTheValue()
    {
        // Two registers to one, Min -40000: refused.
        QVERIFY(!ChangeFormat(VF_SIGNED_32, VF_SIGNED_16, "-40000"));
        QCOMPARE(ChangeFormat(VF_SIGNED_32, VF_SIGNED_16, "-300"), std::optional<QString>("-300"));
        // BCD 9999 to DEC unsigned 16 keeps "9999".
        QCOMPARE(ChangeFormat(VF_BCD_16, VF_UNSIGNED_16, "9999"), std::optional<QString>("9999"));
        QVERIFY(!ChangeFormat(VF_UNSIGNED_16, VF_BCD_16, "65535"));
        QVERIFY(!ChangeFormat(VF_UNSIGNED_32, VF_BCD_32, "100000000"));
        QVERIFY(!ChangeFormat(VF_SIGNED_16, VF_UNSIGNED_16, "-1")); // all ones as unsigned
        QCOMPARE(ChangeFormat(VF_SIGNED_32, VF_UNSIGNED_32, "-1"),
                 std::optional<QString>("4294967295"));
        QCOMPARE(ChangeFormat(VF_UNSIGNED_32, VF_SIGNED_32, "4294967295"),
                 std::optional<QString>("-1"));
        QCOMPARE(ChangeFormat(VF_SIGNED_16, VF_FLOAT, "-5"), std::optional<QString>("-5.000000"));
        QCOMPARE(ChangeFormat(VF_FLOAT, VF_UNSIGNED_16, "1.500000"), std::optional<QString>("1"));
        QVERIFY(!ChangeFormat(VF_FLOAT, VF_UNSIGNED_16, "-"));
        QVERIFY(!ChangeFormat(VF_UNSIGNED_32, VF_FLOAT, "4294967295"));
        QCOMPARE(ChangeFormat(VF_UNSIGNED_16, VF_UNSIGNED_32, ""), std::optional<QString>("0"));
        // An emptied signed field is 0, not its minimum: it fits unsigned.
        QCOMPARE(ChangeFormat(VF_SIGNED_16, VF_UNSIGNED_16, ""), std::optional<QString>("0"));
        QCOMPARE(ChangeFormat(VF_FLOAT, VF_SIGNED_16, ""), std::optional<QString>("0"));
        // To float: within -1e9..1e9 only.
        QVERIFY(!ChangeFormat(VF_SIGNED_32, VF_FLOAT, "-1000000001"));
        QCOMPARE(ChangeFormat(VF_SIGNED_32, VF_FLOAT, "-1000000000"),
                 std::optional<QString>("-1000000000.000000"));
        // To format 4 the text is written unsigned.
        QCOMPARE(ChangeFormat(VF_SIGNED_16, VF_UNSIGNED_32, "-2"),
                 std::optional<QString>("4294967294"));
    }

    void referenceTexts()
    {
        CProjectModel model;
        makeProject(model);
        LocalText error;
        auto m = RegisterRefText::Parse(model, "DEV001.M.100", RegisterRef::KindBit, &error);
        QVERIFY(m);
        QCOMPARE(m->address, 64);
        QCOMPARE(m->radix, 1);
        QCOMPARE(m->ToText(), QString("DEV001.M.100"));
        QVERIFY(RegisterRefText::Parse(model, "DEV001.R.677", RegisterRef::KindWord));
        QCOMPARE(RegisterRefText::Parse(model, "DEV001.R.700", RegisterRef::KindWord)->address,
                 448);
        QVERIFY(RegisterRefText::Parse(model, "DEV001.R.41200", RegisterRef::KindWord));
        QVERIFY(!RegisterRefText::Parse(model, "DEV001.R.41240", RegisterRef::KindWord, &error));
        QCOMPARE(error.English(),
                 QString("Error Obj-001 : Register Number is invalid\n[0, 677]\n[700, 777]"
                         "\n[1000, 7577]\n[7600, 7777]\n[10000, 41077]\n[41100, 41117]"
                         "\n[41200, 41237]"));
        QVERIFY(!RegisterRefText::Parse(model, "DEV001.M.8", RegisterRef::KindWord,
                                        &error)); // no word area
        QCOMPARE(error.English(),
                 QString("The register reference is invalid. Write it as device.area.number, "
                         "for example DEV001.R.2000"));
        QVERIFY(!RegisterRefText::Parse(model, "DEV001.R.2000", RegisterRef::KindBit));
        QVERIFY(!RegisterRefText::Parse(model, "DEV001.M.8",
                                        RegisterRef::KindBit)); // 8 is no octal digit
        QVERIFY(!RegisterRefText::Parse(model, "DEV001.M.4000", RegisterRef::KindBit));
        QVERIFY(!RegisterRefText::Parse(model, "DEV009.M.1", RegisterRef::KindBit, &error));
        QCOMPARE(error.English(), QString("The device DEV009 is not in the device list"));
        QVERIFY(!RegisterRefText::Parse(model, "M100", RegisterRef::KindBit));
    }

    void screenNumbersAndNames()
    {
        CProjectModel model;
        makeProject(model);
        model.AddScreen(1, "Main");
        model.AddScreen(5, "Pump");
        using ScreenCommands::NumberProblem;
        QCOMPARE(ScreenCommands::CheckNumber(model, "", 0), NumberProblem::Invalid);
        QCOMPARE(ScreenCommands::CheckNumber(model, "0", 0), NumberProblem::Invalid);
        QCOMPARE(ScreenCommands::CheckNumber(model, "1000", 0), NumberProblem::Invalid);
        QCOMPARE(ScreenCommands::CheckNumber(model, "5", 0), NumberProblem::Used);
        QCOMPARE(ScreenCommands::CheckNumber(model, "5", 5), NumberProblem::None);
        QCOMPARE(ScreenCommands::CheckNumber(model, "1", 5), NumberProblem::Used);
        QCOMPARE(ScreenCommands::CheckNumber(model, "999", 0), NumberProblem::None);
        using ScreenCommands::NameProblem;
        QCOMPARE(ScreenCommands::CheckName("Pump 2"), NameProblem::None);
        QCOMPARE(ScreenCommands::CheckName(QString::fromUtf8("主画面")), NameProblem::None);
        QCOMPARE(ScreenCommands::CheckName(""), NameProblem::Empty);
        QCOMPARE(ScreenCommands::CheckName("a/b"), NameProblem::BadCharacter);
        QCOMPARE(ScreenCommands::CheckName("a\\b"), NameProblem::BadCharacter);
        QCOMPARE(ScreenCommands::CheckName(QString("a") + QChar(9) + "b"),
                 NameProblem::BadCharacter);
        QCOMPARE(ScreenCommands::CheckName(".."), NameProblem::BadEnding);
        QCOMPARE(ScreenCommands::CheckName("Pump\t"), NameProblem::BadCharacter);
        QCOMPARE(ScreenCommands::CheckName("Pump "), NameProblem::BadEnding);
    }

    void alarmListBuildsConsecutiveCoils()
    {
        CProjectModel model;
        makeProject(model);
        RegisterRef start = AlarmListRules::StartCoil(model);
        QCOMPARE(start.ToText(), QString("DEV001.M.0"));
        start.address = 7;
        QCOMPARE(AlarmListRules::CoilLabel(AlarmListRules::CoilOfRow(start, 1)), QString("M10"));
        const CAlarmObjList list = AlarmListRules::Build(start, {"a", "b", "c"});
        QCOMPARE(int(list.items.size()), 3);
        QCOMPARE(list.items[2].coil.address, 9);
        QCOMPARE(AlarmListRules::FirstInvalidRow({"a", QString(24, 'x'), QString(25, 'x')}), 3);
        QCOMPARE(AlarmListRules::FirstInvalidRow({"a", ""}), 2);
        QCOMPARE(AlarmListRules::FirstInvalidRow({}), 0);
        model.alarms = list;
        QCOMPARE(AlarmListRules::StartCoil(model).address, 7);
    }

    void alarmCsvReadsOnlyWholeValidFiles()
    {
        CProjectModel model;
        makeProject(model);
        LocalText error;
        auto read = [&](const QByteArray& bytes) {
            return AlarmListCsv::Read(bytes, model, &error);
        };

        // A byte-order mark, LF line ends, a quoted line break is no message.
        auto ok = read("\xEF\xBB\xBF"
                       "Coil,Message\nDEV001.M.7,\"a,b\"\nDEV001.M.10,c\n\n");
        QVERIFY(ok);
        QCOMPARE(ok->start->address, 7);
        QCOMPARE(ok->messages, QStringList({"a,b", "c"}));
        QVERIFY(read("coil,message\r\n")->messages.isEmpty());
        QVERIFY(!read("coil,message\r\n")->start);

        QVERIFY(!read("DEV001.M.7,a\n"));
        QCOMPARE(error.English(),
                 QString("The first line of an alarm list file must be coil,message"));
        QVERIFY(!read("coil,message\nDEV001.M.7,\"open\n"));
        QCOMPARE(error.English(), QString("Line 2 of the file has a quote that is not closed"));
        QVERIFY(!read("coil,message\nDEV001.M.7,\"a\nb\"\n"));
        QCOMPARE(
            error.English(),
            QString(
                "Row 1 (line 2 of the file) is invalid: the message must have 1 to 24 characters"));
        QVERIFY(!read("coil,message\nDEV001.M.7,a,b\n"));
        QCOMPARE(
            error.English(),
            QString("Row 1 (line 2 of the file) is invalid: it must hold a coil and a message"));
        QVERIFY(!read("coil,message\nDEV001.R.7,a\n"));
        QCOMPARE(
            error.English(),
            QString(
                "Row 1 (line 2 of the file) is invalid: the coil DEV001.R.7 is not a coil of the project"));
        QVERIFY(!read("coil,message\n\xFF\xFE,a\n"));
        QCOMPARE(error.English(), QString("The file is not UTF-8 text"));

        QByteArray many = "coil,message\n";
        for (int r = 0; r < 101; ++r)
            many += "DEV001.M." + QByteArray::number(r, 8) + ",m\n";
        QVERIFY(!read(many));
        QCOMPARE(error.English(), QString("The file holds more than 100 alarms"));

        // What Write makes, Read takes back.
        RegisterRef start = *RegisterRefText::Parse(model, "DEV001.M.3770", RegisterRef::KindBit);
        const QStringList messages{" padded ", "quote \"x\"", QString::fromUtf8("报警")};
        auto back = read(AlarmListCsv::Write(start, messages));
        QVERIFY(back);
        QCOMPARE(*back->start, start);
        QCOMPARE(back->messages, messages);
    }
};

QTEST_MAIN(TestScreenRules)
#include "test_screen_rules.moc"
