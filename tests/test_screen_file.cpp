#include "ScreenFileReader.h"
#include "ScreenTestObjects.h"
#include "TestSupport.h"
#include "screen/DiagramEntityContainer.h"
#include "screen/ObjectBarMeter.h"
#include "screen/ObjectDynamicText.h"
#include "screen/ObjectFactory.h"
#include "screen/ObjectIndicatorLight.h"
#include "screen/ObjectNumeric.h"
#include "screen/ObjectStaticBitmap.h"
#include "screen/ObjectStaticText.h"
#include "screen/ObjectTrendMeter.h"
#include "screen/TessanDoc.h"

#include <QGuiApplication>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A numeric line with `kindFields` kind fields, every one of them "1".
QString numericLine(int kindFields)
{
    QString line = QStringLiteral("Numeric`8.000000,8.000000,16.000000,24.000000,N,N,0");
    for (int i = 0; i < kindFields; ++i)
        line += i < 6 && i < 2 ? QStringLiteral(",X") : QStringLiteral(",1");
    return line + QLatin1Char(';');
}

QString fileText(const QByteArray& bytes)
{
    return QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.constData()),
                              bytes.size() / 2);
}

} // namespace

class T : public QObject
{
    Q_OBJECT
private slots:
    void emptyScreenIsHeaderLineOnly();
    void lineLayoutOfStaticText();
    void roundTripOfEveryKind();
    void titleAndNameEscapes();
    void kindTextsSurviveTheFile();
    void unescapedFilesReadAsBefore();
    void rangeFieldsReadAsFloatingPointTruncated();
    void shortLinesAndMinimumFieldCounts();
    void dynamicTextCounts();
    void legacyFieldsOnlyInLegacyMode();
    void linesThatMakeNoObjectAreSkipped();
    void longFaceNameIsCut();
    void moreObjectsThanTheLimitLoadWhole();
    void randomAndTruncatedLinesNeverCrash();
    void fileErrors();
    void independentReaderSeesEveryKindsLayout();
};

// The writer against the tests' own reader of the file layout: every kind
// writes as many kind fields as its layout has, names and titles escaped.
void T::independentReaderSeesEveryKindsLayout()
{
    CDiagramEntityContainer c;
    c.SetPaperSize(QSize(192, 64));
    for (int kind = 0; kind < kObjectKindCount; ++kind) {
        auto o = CreateObjectOfKind(kind);
        o->SetRect(8, 8, 40, 24);
        o->SetName(QStringLiteral("a,b;c"));
        o->SetTitle(QStringLiteral("t`x"));
        if (auto* text = dynamic_cast<CObjectDynamicText*>(o.get()))
            text->texts = QStringList{QStringLiteral("On"), QStringLiteral("Off")};
        c.AddLoaded(std::move(o));
    }
    const QByteArray bytes = CTessanDoc::WriteBytes(c);
    QVERIFY(fileText(bytes).contains(QStringLiteral(",t\\colonx,a\\commab\\semicolonc,0,")));
    const ScreenFileReader::ScreenFile file = ScreenFileReader::Read(bytes);
    QVERIFY2(file.ok, qPrintable(file.error));
    QCOMPARE(file.paperWidth, 192);
    QCOMPARE(file.paperHeight, 64);
    QCOMPARE(int(file.objects.size()), kObjectKindCount);
    // Static Text, Dynamic Text (2 texts), Static Bitmap, Bar Meter, Trend
    // Meter, Indicator Light, Numeric, String.
    const int fields[] = {16, 2 + 23, 4, 16, 17, 9, 22, 10};
    for (int kind = 0; kind < kObjectKindCount; ++kind) {
        const ScreenFileReader::ObjectLine& line = file.objects[kind];
        QCOMPARE(line.kind, ObjectKindName(kind));
        QCOMPARE(line.name, QStringLiteral("a,b;c"));
        QCOMPARE(line.title, QStringLiteral("t`x"));
        QCOMPARE(line.left, QStringLiteral("8.000000"));
        QCOMPARE(int(line.fields.size()), fields[kind]);
    }
    QCOMPARE(file.objects[OBJ_DYNAMIC_TEXT].fields.mid(0, 3), (QStringList{"2", "On", "Off"}));

    // The reader itself refuses what breaks the layout.
    QVERIFY(!ScreenFileReader::Read(bytes.left(bytes.size() - 1)).ok);
    QVERIFY(!ScreenFileReader::Read(bytes.left(bytes.size() - 4)).ok);
    QVERIFY(!ScreenFileReader::Read(TestSupport::Utf16(QStringLiteral("paper:192;\r\n"))).ok);
}

void T::emptyScreenIsHeaderLineOnly()
{
    CDiagramEntityContainer c;
    c.SetPaperSize(QSize(192, 64));
    QCOMPARE(CTessanDoc::WriteBytes(c), TestSupport::Utf16(QStringLiteral("paper:192,64;\r\n")));

    CDiagramEntityContainer back;
    back.AddLoaded(CreateObjectOfKind(OBJ_STRING));
    CTessanDoc::ReadBytes(CTessanDoc::WriteBytes(c), back, false);
    QCOMPARE(back.GetSize(), 0);
}

void T::lineLayoutOfStaticText()
{
    CObjectStaticText t;
    t.SetRect(10, 20, 50.5, 36);
    t.SetName(QStringLiteral("Label"));
    t.SetGroup(3);
    t.text = QStringLiteral("Hello");
    t.font = FontSpec();
    t.font.faceName = QStringLiteral("Face");
    t.font.charSet = 134;
    t.font.weight = 700;
    QCOMPARE(t.WriteLine(),
             QStringLiteral("Static Text`10.000000,20.000000,50.500000,36.000000,Static Text,"
                            "Label,3,Hello,0,134,0,0,Face,-15,0,0,0,0,0,0,0,700,0;"));

    CObjectIndicatorLight l;
    l.SetRect(0, 0, 16, 16);
    l.coil.deviceName = QStringLiteral("DEV");
    l.coil.area = QStringLiteral("M");
    l.coil.address = 8;
    l.coil.bitNumber = 1;
    l.coil.bitOfWord = 0;
    l.coil.radix = 1;
    // Register fields: device, area, address, bit, bit-of-word flag, radix.
    QCOMPARE(l.WriteLine(),
             QStringLiteral("Indicator Light`0.000000,0.000000,16.000000,16.000000,Indicator "
                            "Light,Indicator Light,0,DEV,M,8,1,0,1,0,1,0;"));
}

void T::roundTripOfEveryKind()
{
    CDiagramEntityContainer c;
    c.SetPaperSize(QSize(192, 64));
    for (int kind = 0; kind < kObjectKindCount; ++kind)
        QVERIFY(c.Add(ScreenTestObjects::NonDefault(kind)));
    const QByteArray bytes = CTessanDoc::WriteBytes(c);

    CDiagramEntityContainer back;
    CTessanDoc::ReadBytes(bytes, back, true);
    back.SetPaperSize(QSize(192, 64)); // the header is not read back
    QCOMPARE(back.GetSize(), kObjectKindCount);
    for (int kind = 0; kind < kObjectKindCount; ++kind) {
        const CDiagramEntity* a = c.GetAt(kind);
        const CDiagramEntity* b = back.GetAt(kind);
        QCOMPARE(b->Kind(), kind);
        QVERIFY2(ScreenTestObjects::SameKindFields(*a, *b), qPrintable(a->WriteLine()));
        QCOMPARE(b->GetLeft(), a->GetLeft());
        QCOMPARE(b->GetTop(), a->GetTop());
        QCOMPARE(b->GetRight(), a->GetRight());
        QCOMPARE(b->GetBottom(), a->GetBottom());
        QCOMPARE(b->GetTitle(), a->GetTitle());
        QCOMPARE(b->GetName(), a->GetName());
        QCOMPARE(b->GetGroup(), a->GetGroup());
    }
    // Written again, byte for byte the same file.
    QCOMPARE(CTessanDoc::WriteBytes(back), bytes);
}

void T::titleAndNameEscapes()
{
    CObjectStaticText t;
    t.SetName(QStringLiteral("a,b;c"));
    t.SetTitle(QStringLiteral("x`y\r\nz"));
    const QString line = t.WriteLine();
    QVERIFY(line.contains(QStringLiteral(",x\\colony\\newlinez,a\\commab\\semicolonc,")));
    auto back = CreateObjectFromLine(line);
    QVERIFY(back);
    QCOMPARE(back->GetName(), QStringLiteral("a,b;c"));
    QCOMPARE(back->GetTitle(), QStringLiteral("x`y\r\nz"));

    // The escape words themselves read back as the characters they stand for.
    t.SetName(QStringLiteral("\\comma"));
    QCOMPARE(CreateObjectFromLine(t.WriteLine())->GetName(), QStringLiteral(","));
    // A lone line feed cannot split the line: it comes back as a line break.
    t.SetName(QStringLiteral("a\nb"));
    QVERIFY(!t.WriteLine().contains(QLatin1Char('\n')));
    QCOMPARE(CreateObjectFromLine(t.WriteLine())->GetName(), QStringLiteral("a\r\nb"));
}

void T::kindTextsSurviveTheFile()
{
    const QString nasty = QStringLiteral("a,b;c`d\r\ne");
    CDiagramEntityContainer c;
    auto st = std::make_unique<CObjectStaticText>();
    st->text = nasty;
    st->font.faceName = QStringLiteral("F,a;c`e");
    auto dt = std::make_unique<CObjectDynamicText>();
    dt->texts = {nasty, QStringLiteral(","), QString()};
    auto bm = std::make_unique<CObjectStaticBitmap>();
    bm->folder = QStringLiteral("BMP_Files\\a,b");
    bm->fileName = QStringLiteral("x;y`.bmp");
    c.AddLoaded(std::move(st));
    c.AddLoaded(std::move(dt));
    c.AddLoaded(std::move(bm));
    CDiagramEntityContainer back;
    CTessanDoc::ReadBytes(CTessanDoc::WriteBytes(c), back, false);
    QCOMPARE(back.GetSize(), 3);
    for (int i = 0; i < 3; ++i)
        QVERIFY(ScreenTestObjects::SameKindFields(*c.GetAt(i), *back.GetAt(i)));
}

void T::unescapedFilesReadAsBefore()
{
    // Texts written as they are: a plain text reads exactly; a comma in a
    // text shifts the fields as it always did.
    const QString plain = QStringLiteral(
        "Static Bitmap`0.000000,0.000000,16.000000,16.000000,Static Bitmap,Static Bitmap,0,"
        "BMP_Files\\Arrow,arrow_16_16_RIGHT.bmp,2,1;");
    auto bm = CreateObjectFromLine(plain);
    QVERIFY(bm);
    auto* b = static_cast<CObjectStaticBitmap*>(bm.get());
    QCOMPARE(b->folder, QStringLiteral("BMP_Files\\Arrow"));
    QCOMPARE(b->fileName, QStringLiteral("arrow_16_16_RIGHT.bmp"));
    QCOMPARE(b->scaling, 2);
    QCOMPARE(b->blackInversion, 1);
    QCOMPARE(bm->WriteLine(), plain);

    auto shifted =
        CreateObjectFromLine(QStringLiteral("Static Bitmap`0,0,16,16,T,N,0,Folder,a,b.bmp,2,1;"));
    QVERIFY(shifted);
    QCOMPARE(static_cast<CObjectStaticBitmap*>(shifted.get())->fileName, QStringLiteral("a"));
    QCOMPARE(static_cast<CObjectStaticBitmap*>(shifted.get())->scaling, 0);
}

void T::rangeFieldsReadAsFloatingPointTruncated()
{
    auto meter = std::make_unique<CObjectBarMeter>();
    meter->maximum = 0xFFFFFFFFu;
    const QString line = meter->WriteLine();
    QVERIFY(line.endsWith(QStringLiteral(",0,100,0,4294967295,0;")));
    auto back = CreateObjectFromLine(line);
    QCOMPARE(static_cast<CObjectBarMeter*>(back.get())->maximum, 0xFFFFFFFFu);

    const struct
    {
        const char* text;
        quint32 pattern;
    } cases[] = {
        {"-1", 0xFFFFFFFFu}, {"123.9", 123},    {"-2.5", 0xFFFFFFFEu},
        {"1e3", 1000},       {"4294967296", 0}, {"4294967297", 1},
        {" 7x", 7},          {"abc", 0},        {"", 0},
        {"1e400", 0},        {"nan", 0},        {"99999999999999999999999", 0},
    };
    for (const auto& c : cases) {
        QString l = line;
        l.replace(QStringLiteral(",4294967295,"),
                  QStringLiteral(",%1,").arg(QLatin1String(c.text)));
        auto o = CreateObjectFromLine(l);
        QVERIFY2(o, c.text);
        QCOMPARE(static_cast<CObjectBarMeter*>(o.get())->maximum, c.pattern);
    }
}

void T::shortLinesAndMinimumFieldCounts()
{
    // A numeric without its last two fields: DEC and unsigned.
    auto n = CreateObjectFromLine(numericLine(20));
    QVERIFY(n);
    auto* num = static_cast<CObjectNumeric*>(n.get());
    QCOMPARE(num->model, 0);
    QCOMPARE(num->isSigned, 0);
    QCOMPARE(num->isFloat, 1);
    QCOMPARE(num->GetValueFormat(), VF_FLOAT);
    QVERIFY(!CreateObjectFromLine(numericLine(19)));

    // The least field counts of each kind; one fewer is refused.
    const struct
    {
        const char* kind;
        int minimum;
    } kinds[] = {
        {"Static Text", 16}, {"Dynamic Text", 22},   {"Static Bitmap", 4}, {"Bar Meter", 14},
        {"Trend Meter", 15}, {"Indicator Light", 7}, {"Numeric", 20},      {"String", 10},
    };
    for (const auto& k : kinds) {
        auto make = [&](int count) {
            QString l = QLatin1String(k.kind) + QStringLiteral("`0,0,32,32,t,n,0");
            for (int i = 0; i < count; ++i)
                l += QStringLiteral(",0");
            return l + QLatin1Char(';');
        };
        QVERIFY2(CreateObjectFromLine(make(k.minimum)), k.kind);
        QVERIFY2(!CreateObjectFromLine(make(k.minimum - 1)), k.kind);
    }
    // A bar meter with 14 fields: the maximum and direction read as 0.
    auto bar = CreateObjectFromLine(
        QStringLiteral("Bar Meter`0,0,8,32,t,n,0,D,R,1024,0,0,1,1,0,0,0,0,0,0,5"));
    QVERIFY(bar);
    QCOMPARE(static_cast<CObjectBarMeter*>(bar.get())->minimum, 5u);
    QCOMPARE(static_cast<CObjectBarMeter*>(bar.get())->maximum, 0u);
    // The minimum size of the kind applies to the rectangle read.
    auto small = CreateObjectFromLine(numericLine(22).replace(QStringLiteral("16.000000,24.000000"),
                                                              QStringLiteral("9.000000,9.000000")));
    QCOMPARE(small->GetRect(), (PaperRect{8, 8, 16, 24}));
}

void T::dynamicTextCounts()
{
    auto dt = std::make_unique<CObjectDynamicText>();
    dt->texts.clear();
    const QString empty = dt->WriteLine();
    QVERIFY(empty.contains(QStringLiteral(",0,0,") + dt->reg.deviceName));
    auto back = CreateObjectFromLine(empty);
    QVERIFY(back);
    QVERIFY(static_cast<CObjectDynamicText*>(back.get())->texts.isEmpty());

    // A count far beyond the line is held to the fields present.
    QString huge = QStringLiteral("Dynamic Text`0,0,8,8,t,n,0,2000000000");
    for (int i = 0; i < 30; ++i)
        huge += QStringLiteral(",x");
    auto h = CreateObjectFromLine(huge + QLatin1Char(';'));
    QVERIFY(h);
    QCOMPARE(static_cast<CObjectDynamicText*>(h.get())->texts.size(), 30);
    QString negative = QStringLiteral("Dynamic Text`0,0,8,8,t,n,0,-5");
    for (int i = 0; i < 30; ++i)
        negative += QStringLiteral(",1");
    auto neg = CreateObjectFromLine(negative + QLatin1Char(';'));
    QVERIFY(neg);
    QVERIFY(static_cast<CObjectDynamicText*>(neg.get())->texts.isEmpty());
    QCOMPARE(static_cast<CObjectDynamicText*>(neg.get())->reg.address, 1);
}

void T::legacyFieldsOnlyInLegacyMode()
{
    auto meter = std::make_unique<CObjectTrendMeter>();
    meter->legacyMinimum = -300;
    meter->legacyMaximum = 300;
    const QString line = meter->WriteLine();
    QVERIFY(line.contains(QStringLiteral(",-300,300,0,100,20,5;")));

    auto modern = CreateObjectFromLine(line, false);
    QCOMPARE(static_cast<CObjectTrendMeter*>(modern.get())->legacyMinimum, 0);
    QCOMPARE(static_cast<CObjectTrendMeter*>(modern.get())->legacyMaximum, 100);
    // Ignored on loading, still written on saving.
    QVERIFY(modern->WriteLine().contains(QStringLiteral(",0,100,0,100,20,5;")));

    auto legacy = CreateObjectFromLine(line, true);
    QCOMPARE(static_cast<CObjectTrendMeter*>(legacy.get())->legacyMinimum, -300);
    QCOMPARE(static_cast<CObjectTrendMeter*>(legacy.get())->legacyMaximum, 300);
}

void T::linesThatMakeNoObjectAreSkipped()
{
    CObjectStaticText good;
    const QString g = good.WriteLine();
    QString twoAccents = g;
    twoAccents.replace(QStringLiteral(",Static Text,0,"), QStringLiteral(",Static Text,0,a`b,"));
    const QString text = QStringLiteral("paper:192,64;\r\n") + g + QStringLiteral("\r\n")
                         + twoAccents
                         + QStringLiteral("\r\nUnknown`0,0,1,1,a,b,0;\r\n\r\nno accent\r\n")
                         + QStringLiteral("Static Text`1,2,3;\r\n") + g + QStringLiteral("\n") + g;
    CDiagramEntityContainer c;
    CTessanDoc::ReadBytes(TestSupport::Utf16(text), c, false);
    // LF-only endings and a missing last line end read too.
    QCOMPARE(c.GetSize(), 3);
    // An odd trailing byte is no code unit.
    CTessanDoc::ReadBytes(TestSupport::Utf16(g) + QByteArray(1, 'x'), c, false);
    QCOMPARE(c.GetSize(), 1);
}

void T::longFaceNameIsCut()
{
    const QString face = QString(40, QLatin1Char('F'));
    CObjectStaticText t;
    t.font.faceName = face;
    auto back = CreateObjectFromLine(t.WriteLine());
    QCOMPARE(static_cast<CObjectStaticText*>(back.get())->font.faceName,
             QString(31, QLatin1Char('F')));
}

void T::moreObjectsThanTheLimitLoadWhole()
{
    CTestProgramFolder program;
    CDiagramEntityContainer c;
    for (int i = 0; i < 101; ++i) {
        auto o = CreateObjectOfKind(i % kObjectKindCount);
        o->SetRect(i, 0, i + 32, 32);
        c.AddLoaded(std::move(o));
    }
    const QString path = program.Dir() + QStringLiteral("/screen");
    QVERIFY(CTessanDoc::SaveFile(path, c));

    CTessanDoc doc(&program.App());
    QVERIFY(doc.Load(path));
    QCOMPARE(doc.Container().GetSize(), 101);
    QCOMPARE(program.messages.size(), 1);
    QVERIFY(program.messages[0].first.contains(QStringLiteral("101")));
    QCOMPARE(program.messages[0].second, QStringLiteral("Warning"));
    // Nothing more goes in, and nothing is lost on saving.
    QVERIFY(!doc.Container().Add(CreateObjectOfKind(OBJ_STRING)));
    QVERIFY(doc.Save(path));
    const QStringList saved = fileText(TestSupport::ReadFile(path)).split(QStringLiteral("\r\n"));
    const QStringList written = fileText(CTessanDoc::WriteBytes(c)).split(QStringLiteral("\r\n"));
    QCOMPARE(saved, written);
}

void T::randomAndTruncatedLinesNeverCrash()
{
    CDiagramEntityContainer all;
    for (int kind = 0; kind < kObjectKindCount; ++kind)
        all.AddLoaded(ScreenTestObjects::NonDefault(kind));
    const QString text = fileText(CTessanDoc::WriteBytes(all));
    QRandomGenerator rng(12345);
    // Every prefix of every line.
    for (const QString& line : text.split(QStringLiteral("\r\n")))
        for (qsizetype n = 0; n <= line.size(); ++n)
            CreateObjectFromLine(line.left(n));
    // Random mutations and random text.
    const QString alphabet = QStringLiteral("0123456789,;`.-+eE \\\r\nabcnan");
    for (int round = 0; round < 3000; ++round) {
        QString line = text.split(QStringLiteral("\r\n"))[1 + rng.bounded(kObjectKindCount)];
        const int edits = 1 + rng.bounded(6);
        for (int e = 0; e < edits; ++e) {
            const qsizetype at = rng.bounded(int(line.size()) + 1);
            line.insert(at, alphabet[rng.bounded(int(alphabet.size()))]);
            if (!line.isEmpty() && rng.bounded(2))
                line.remove(rng.bounded(int(line.size())), 1);
        }
        if (auto o = CreateObjectFromLine(line))
            CreateObjectFromLine(o->WriteLine());
    }
    QByteArray noise(4096, '\0');
    for (auto& b : noise)
        b = char(rng.bounded(256));
    CDiagramEntityContainer c;
    CTessanDoc::ReadBytes(noise, c, true);
}

void T::fileErrors()
{
    QTemporaryDir dir;
    CDiagramEntityContainer c;
    QString error;
    QVERIFY(
        !CTessanDoc::LoadFile(dir.path() + QStringLiteral("/missing"), c, false, nullptr, &error));
    QVERIFY(!error.isEmpty());
    // A folder where the screen file should be: an error, the container as it was.
    c.AddLoaded(CreateObjectOfKind(OBJ_STRING));
    error.clear();
    QVERIFY(!CTessanDoc::LoadFile(dir.path(), c, false, nullptr, &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(c.GetSize(), 1);
    // A folder in the way: no file written, an error.
    QVERIFY(!CTessanDoc::SaveFile(dir.path(), c, &error));
    QVERIFY(QFileInfo(dir.path()).isDir());
}

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    T t;
    return QTest::qExec(&t, argc, argv);
}
#include "test_screen_file.moc"
