// The panel's display drawn from compiled runtime images: the compiler's
// pictures at their places, dynamic texts by value, numerics in every value
// format read back cell by cell against the font file, bar meters, lights,
// strings and trend meters, the built-in font and the frame as an image.
#include "CompileTestProject.h"
#include "app/Compiler.h"
#include "runtime/PanelFont.h"
#include "runtime/PanelFrame.h"
#include "runtime/PanelSimulator.h"
#include "screen/ObjectBarMeter.h"
#include "screen/ObjectDynamicText.h"
#include "screen/ObjectIndicatorLight.h"
#include "screen/ObjectNumeric.h"
#include "screen/ObjectStaticBitmap.h"
#include "screen/ObjectStaticText.h"
#include "screen/ObjectString.h"
#include "screen/ObjectTrendMeter.h"

#include <QFile>
#include <QImage>
#include <QtTest>

#include <bit>

using namespace ImageBytes;

namespace {

using Objects = std::vector<std::unique_ptr<CDiagramEntity>>;

template <class T>
std::unique_ptr<T> placed(const CProjectModel& m, int l, int t, int r, int b)
{
    std::unique_ptr<T> o;
    if constexpr (std::is_constructible_v<T, const CProjectModel*>)
        o = std::make_unique<T>(&m);
    else
        o = std::make_unique<T>();
    o->SetRect(l, t, r, b);
    return o;
}

RuntimeRegister R(int address)
{
    return {1, quint16(address)};
}

RuntimeRegister M(int address)
{
    return {1, quint16(0xF000 + address)};
}

// A project of one screen with `objects`, compiled and loaded into a panel.
struct CLoadedScreen
{
    CCompileTestProject project;
    CPanelSimulator panel;
    bool Load(Objects objects)
    {
        project.AddScreen(1, std::move(objects));
        if (!project.Compile())
            return false;
        QString error;
        const bool ok = panel.Load(project.compiler->Images().runtime, &error);
        if (!ok)
            qWarning() << error;
        return ok;
    }
    CProjectModel& Model() { return project.App().model; }
};

// The font file read on its own: ASCII characters lie at their own glyph
// places in it.
QByteArray fontFile()
{
    QFile f(QStringLiteral(QV_SOURCE_DIR "/data/fonts/Lat15-VGA16.psf"));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool cellMatches(const CPanelFrame& frame, int x, int y, const QByteArray& font, char c, int scale,
                 bool inverted)
{
    for (int row = 0; row < 16 * scale; ++row)
        for (int col = 0; col < 8 * scale; ++col) {
            const bool bit = quint8(font[4 + c * 16 + row / scale]) & (0x80 >> (col / scale));
            if (frame.Pixel(x + col, y + row) != (bit != inverted))
                return false;
        }
    return true;
}

// The characters shown from (x, y) on, read back against the font file's
// glyphs; "~" for a cell that is no character of the set.
QString readCells(const CPanelFrame& frame, int x, int y, int count, int scale = 1,
                  bool inverted = false)
{
    static const QByteArray font = fontFile();
    const char set[] = " 0123456789.-*#ABCDEFGHIJKLMNOPQRSTUVWXYZ?";
    QString text;
    for (int i = 0; i < count; ++i) {
        QChar found = QLatin1Char('~');
        for (const char* c = set; *c; ++c)
            if (cellMatches(frame, x + i * 8 * scale, y, font, *c, scale, inverted)) {
                found = QLatin1Char(*c);
                break;
            }
        text += found;
    }
    return text;
}

int darkIn(const CPanelFrame& f, int x, int y, int w, int h)
{
    int n = 0;
    for (int py = y; py < y + h; ++py)
        for (int px = x; px < x + w; ++px)
            n += f.Pixel(px, py);
    return n;
}

// The picture of a column-packed bitmap put into a frame at (x, y).
void unpack(CPanelFrame& f, int x, int y, int w, int h, const QByteArray& data, qsizetype at)
{
    const int bands = (h + 7) / 8;
    for (int px = 0; px < w; ++px)
        for (int py = 0; py < h; ++py)
            f.SetPixel(x + px, y + py, quint8(data[at + px * bands + py / 8]) & (0x80 >> (py % 8)));
}

QString differences(const CPanelFrame& a, const CPanelFrame& b)
{
    QStringList out;
    for (int y = 0; y < CPanelFrame::Height; ++y)
        for (int x = 0; x < CPanelFrame::Width; ++x)
            if (a.Pixel(x, y) != b.Pixel(x, y) && out.size() < 8)
                out << QStringLiteral("(%1,%2)").arg(x).arg(y);
    return out.join(QLatin1Char(' '));
}

} // namespace

class TestRuntimeRender : public QObject
{
    Q_OBJECT

private slots:
    void staticPicturesAsCompiled();
    void dynamicTextByValue_data();
    void dynamicTextByValue();
    void numericFormats_data();
    void numericFormats();
    void numericLook();
    void barMeters_data();
    void barMeters();
    void lights();
    void strings();
    void trendMeter();
    void damagedPictures();
    void builtinFont();
    void frameImage();
};

// Static texts (plain and inverted) and static bitmaps: every pixel of the
// display is the compiler's picture at the object's place, light elsewhere.
void TestRuntimeRender::staticPicturesAsCompiled()
{
    CLoadedScreen s;
    const CProjectModel& m = s.Model();
    QImage bmp(20, 12, QImage::Format_RGB32);
    bmp.fill(Qt::white);
    for (int i = 0; i < 12; ++i) {
        bmp.setPixel(i, i, qRgb(0, 0, 0));
        bmp.setPixel(19 - i, 0, qRgb(0, 0, 0));
    }
    QVERIFY(bmp.save(s.project.App().ProjectFolder() + QStringLiteral("/mark.bmp"), "BMP"));

    Objects objects;
    auto text = placed<CObjectStaticText>(m, 2, 1, 90, 17);
    text->text = QStringLiteral("Pump 1");
    objects.push_back(std::move(text));
    auto inverted = placed<CObjectStaticText>(m, 100, 4, 180, 22);
    inverted->text = QStringLiteral("STOP");
    inverted->inversion = 1;
    objects.push_back(std::move(inverted));
    auto bitmap = placed<CObjectStaticBitmap>(m, 10, 30, 30, 42);
    bitmap->folder.clear();
    bitmap->fileName = QStringLiteral("mark.bmp");
    objects.push_back(std::move(bitmap));
    auto inverse = placed<CObjectStaticBitmap>(m, 60, 30, 90, 50);
    inverse->folder.clear();
    inverse->fileName = QStringLiteral("mark.bmp");
    inverse->blackInversion = 1;
    objects.push_back(std::move(inverse));
    QVERIFY(s.Load(std::move(objects)));

    // The object records read from the screen image by hand: kind, x, y, w,
    // h, picture offset, after the 111 bytes of a screen without descriptions.
    const CompiledImages& im = s.project.compiler->Images();
    const qsizetype record = U32(im.screen, 18) + 111;
    const QByteArray bitmapData = im.bitmap.mid(16);
    CPanelFrame expected;
    for (int i = 0; i < 4; ++i) {
        const qsizetype r = record + 8 * i;
        QVERIFY(U8(im.screen, r) == 0 || U8(im.screen, r) == 2);
        unpack(expected, U8(im.screen, r + 1), U8(im.screen, r + 2), U8(im.screen, r + 3),
               U8(im.screen, r + 4), bitmapData, U24(im.screen, r + 5));
    }
    const CPanelFrame frame = s.panel.Frame();
    QVERIFY(expected.DarkPixels() > 100);
    QVERIFY2(frame == expected, qPrintable(differences(frame, expected)));
    // The inverted text's box is dark where the text is not.
    QVERIFY(frame.Pixel(100, 4) && frame.Pixel(179, 21));
    QVERIFY(!frame.Pixel(99, 4) && !frame.Pixel(180, 21));
}

void TestRuntimeRender::dynamicTextByValue_data()
{
    QTest::addColumn<int>("model");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("entry"); // -1: a blank box
    QTest::newRow("DEC 0") << 0 << 0 << 0;
    QTest::newRow("DEC 2") << 0 << 2 << 2;
    QTest::newRow("DEC past the entries") << 0 << 13 << -1;
    QTest::newRow("BCD 0x0012 is entry 12") << 1 << 0x0012 << 12;
    QTest::newRow("BCD 0x0009") << 1 << 0x0009 << 9;
    QTest::newRow("BCD digit above 9") << 1 << 0x000A << -1;
    QTest::newRow("BCD past the entries") << 1 << 0x0013 << -1;
}

void TestRuntimeRender::dynamicTextByValue()
{
    QFETCH(int, model);
    QFETCH(int, value);
    QFETCH(int, entry);
    CLoadedScreen s;
    auto o = placed<CObjectDynamicText>(s.Model(), 8, 8, 72, 24);
    o->texts.clear();
    for (int i = 0; i < 13; ++i)
        o->texts << QStringLiteral("Text %1").arg(i);
    o->model = model;
    o->reg.address = 100;
    Objects objects;
    objects.push_back(std::move(o));
    QVERIFY(s.Load(std::move(objects)));
    s.panel.PlcWriteWord(R(100), quint16(value));

    const CompiledImages& im = s.project.compiler->Images();
    const qsizetype r = U32(im.screen, 18) + 111;
    QCOMPARE(U8(im.screen, r), 1u);
    QCOMPARE(U8(im.screen, r + 9), 13u);
    const int pictureSize = 64 * 2;
    CPanelFrame expected;
    if (entry >= 0)
        unpack(expected, 8, 8, 64, 16, im.bitmap.mid(16),
               U24(im.screen, r + 10) + entry * pictureSize);
    const CPanelFrame frame = s.panel.Frame();
    QVERIFY2(frame == expected, qPrintable(differences(frame, expected)));
    if (entry >= 0)
        QVERIFY(frame.DarkPixels() > 10);
}

void TestRuntimeRender::numericFormats_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("isFloat");
    QTest::addColumn<int>("model");
    QTest::addColumn<bool>("isSigned");
    QTest::addColumn<int>("places");
    QTest::addColumn<quint32>("pattern");
    QTest::addColumn<QString>("shown");
    // 5 digits; the signed and float fields keep a place for the sign.
    QTest::newRow("signed 16") << 1 << false << 0 << true << 2 << quint32(12345) << " 123.45";
    QTest::newRow("signed 16 negative")
        << 1 << false << 0 << true << 2 << quint32(quint16(-12345)) << "-123.45";
    QTest::newRow("signed 32") << 2 << false << 0 << true << 2 << quint32(12345) << " 123.45";
    QTest::newRow("signed 32 negative")
        << 2 << false << 0 << true << 2 << quint32(-12345) << "-123.45";
    QTest::newRow("unsigned 16") << 1 << false << 0 << false << 2 << quint32(12345) << "123.45";
    QTest::newRow("unsigned 32") << 2 << false << 0 << false << 2 << quint32(12345) << "123.45";
    // Four BCD digits cannot hold 12345: the nearest, one place.
    QTest::newRow("BCD 16") << 1 << false << 1 << false << 1 << quint32(0x1234) << " 123.4";
    QTest::newRow("BCD 32") << 2 << false << 1 << false << 2 << quint32(0x12345) << "123.45";
    QTest::newRow("float") << 2 << true << 0 << false << 2 << std::bit_cast<quint32>(123.45f)
                           << " 123.45";
    QTest::newRow("float negative")
        << 2 << true << 0 << false << 2 << std::bit_cast<quint32>(-123.45f) << "-123.45";
    QTest::newRow("too wide") << 2 << false << 0 << false << 2 << quint32(123456) << "######";
    QTest::newRow("BCD digit above 9")
        << 1 << false << 1 << false << 0 << quint32(0x12A4) << "#####";
    QTest::newRow("small value") << 1 << false << 0 << false << 2 << quint32(5) << "  0.05";
}

// A numeric at 123.45 in each value format, shown right-aligned in its field.
void TestRuntimeRender::numericFormats()
{
    QFETCH(int, count);
    QFETCH(bool, isFloat);
    QFETCH(int, model);
    QFETCH(bool, isSigned);
    QFETCH(int, places);
    QFETCH(quint32, pattern);
    QFETCH(QString, shown);
    CLoadedScreen s;
    auto o = placed<CObjectNumeric>(s.Model(), 16, 24, 80, 40);
    o->reg.address = 200;
    o->registerCount = count;
    o->isFloat = isFloat;
    o->model = model;
    o->isSigned = isSigned;
    o->decimalPlaces = places;
    o->digits = 5;
    Objects objects;
    objects.push_back(std::move(o));
    QVERIFY(s.Load(std::move(objects)));
    if (count == 2)
        s.panel.PlcWriteDWord(R(200), pattern);
    else
        s.panel.PlcWriteWord(R(200), quint16(pattern));
    const CPanelFrame frame = s.panel.Frame();
    QCOMPARE(readCells(frame, 16, 24, int(shown.size())), shown);
    // Nothing beyond the field.
    QCOMPARE(darkIn(frame, 16 + 8 * int(shown.size()), 24, 60, 16), 0);
}

// Leading zeros, encryption, double size and inversion.
void TestRuntimeRender::numericLook()
{
    CLoadedScreen s;
    const CProjectModel& m = s.Model();
    Objects objects;
    auto zeros = placed<CObjectNumeric>(m, 0, 0, 60, 16);
    zeros->reg.address = 1;
    zeros->leadingZeros = 1;
    zeros->decimalPlaces = 1;
    objects.push_back(std::move(zeros));
    auto secret = placed<CObjectNumeric>(m, 80, 0, 140, 16);
    secret->reg.address = 2;
    secret->encrypt = 1;
    secret->digits = 4;
    objects.push_back(std::move(secret));
    auto big = placed<CObjectNumeric>(m, 0, 20, 60, 52);
    big->reg.address = 3;
    big->doubleSize = 1;
    big->digits = 3;
    objects.push_back(std::move(big));
    auto inverted = placed<CObjectNumeric>(m, 100, 40, 160, 56);
    inverted->reg.address = 4;
    inverted->inversion = 1;
    inverted->digits = 4;
    objects.push_back(std::move(inverted));
    QVERIFY(s.Load(std::move(objects)));
    s.panel.PlcWriteWord(R(1), 42);
    s.panel.PlcWriteWord(R(2), 1234);
    s.panel.PlcWriteWord(R(3), 7);
    s.panel.PlcWriteWord(R(4), 99);
    const CPanelFrame f = s.panel.Frame();
    QCOMPARE(readCells(f, 0, 0, 6), QStringLiteral("0004.2"));
    QCOMPARE(readCells(f, 80, 0, 4), QStringLiteral("****"));
    QCOMPARE(readCells(f, 0, 20, 3, 2), QStringLiteral("  7"));
    QCOMPARE(readCells(f, 100, 40, 4, 1, true), QStringLiteral("  99"));
    QVERIFY(f.Pixel(100, 40)); // the blank cells inverted too
}

void TestRuntimeRender::barMeters_data()
{
    QTest::addColumn<int>("direction");
    QTest::addColumn<int>("value");
    for (int d = 0; d < 4; ++d)
        for (int v : {0, 50, 100})
            QTest::addRow("%s at %d",
                          d == 0   ? "UP"
                          : d == 1 ? "DOWN"
                          : d == 2 ? "RIGHT"
                                   : "LEFT",
                          v)
                << d << v;
}

// The fill inside the bar's frame grows from the direction's start.
void TestRuntimeRender::barMeters()
{
    QFETCH(int, direction);
    QFETCH(int, value);
    CLoadedScreen s;
    // 40 x 40 at (20, 10); min 0, max 100; the value is signed so that the
    // middle is not the middle of the pattern.
    auto o = placed<CObjectBarMeter>(s.Model(), 20, 10, 60, 50);
    o->reg.address = 300;
    o->direction = direction;
    o->isSigned = 1;
    o->minimum = quint32(-100);
    o->maximum = 100;
    Objects objects;
    objects.push_back(std::move(o));
    QVERIFY(s.Load(std::move(objects)));
    s.panel.PlcWriteWord(R(300), quint16(value * 2 - 100));
    const CPanelFrame f = s.panel.Frame();

    // The bar's inside: beside the scale (3 px and a gap) for UP and DOWN,
    // above it for RIGHT and LEFT, within a one-pixel frame.
    const bool vertical = direction < 2;
    const int x = vertical ? 20 + 3 + 1 + 1 + 1 : 20 + 1;
    const int y = 10 + 1;
    const int w = vertical ? 59 - x : 38;
    const int h = vertical ? 38 : (49 - 3 - 1 - 1) - y;
    QVERIFY(f.Pixel(x - 1, y - 1) && f.Pixel(x + w, y + h)); // frame corners
    const int dark = darkIn(f, x, y, w, h);
    QCOMPARE(dark, w * h * value / 100);
    if (value == 50) {
        // The filled half lies on the direction's starting side.
        const int firstHalf = vertical ? darkIn(f, x, y, w, h / 2) : darkIn(f, x, y, w / 2, h);
        QCOMPARE(firstHalf, (direction == 1 || direction == 2) ? dark : 0);
    }
    // The scale's ticks are there.
    QVERIFY(darkIn(f, 20, 10, 40, 40) > dark + 2 * (w + h));
}

// Circle and rectangle, 16 or 32 pixels, lit by the coil or, inverted, lit
// while it is off.
void TestRuntimeRender::lights()
{
    CLoadedScreen s;
    const CProjectModel& m = s.Model();
    Objects objects;
    struct LightCase
    {
        int x, shape, dbl, inv;
    };
    const LightCase lights[] = {
        {0, 0, 0, 0}, {20, 1, 0, 0}, {40, 0, 1, 0}, {80, 1, 1, 1}, {120, 0, 0, 1}};
    for (int i = 0; i < 5; ++i) {
        auto o = placed<CObjectIndicatorLight>(m, lights[i].x, 8, lights[i].x + 32, 40);
        o->coil.address = i;
        o->shape = lights[i].shape;
        o->doubleSize = lights[i].dbl;
        o->inversion = lights[i].inv;
        objects.push_back(std::move(o));
    }
    QVERIFY(s.Load(std::move(objects)));
    for (bool on : {false, true}) {
        for (int i = 0; i < 5; ++i)
            s.panel.PlcWriteCoil(M(i), on);
        const CPanelFrame f = s.panel.Frame();
        for (const LightCase& sp : lights) {
            const int size = sp.dbl ? 32 : 16;
            const bool lit = on != bool(sp.inv);
            const QString what = QStringLiteral("light at %1, coil %2").arg(sp.x).arg(on);
            QVERIFY2(f.Pixel(sp.x + size / 2, 8 + size / 2) == lit, qPrintable(what));
            // The outline is there either way; nothing outside the size.
            QVERIFY2(f.Pixel(sp.x + size / 2, 8) && f.Pixel(sp.x, 8 + size / 2), qPrintable(what));
            QVERIFY2(darkIn(f, sp.x + size, 8, 1, size) == 0
                         && darkIn(f, sp.x, 8 + size, size, 1) == 0,
                     qPrintable(what));
            // A circle leaves its corners light; a rectangle does not.
            QVERIFY2(f.Pixel(sp.x, 8) == bool(sp.shape), qPrintable(what));
        }
    }
}

// Two characters per register in the communication settings' byte order.
void TestRuntimeRender::strings()
{
    for (int byteOrder : {0, 1}) {
        CLoadedScreen s;
        s.Model().Devices().byteOrder = quint8(byteOrder);
        const CProjectModel& m = s.Model();
        Objects objects;
        auto plain = placed<CObjectString>(m, 0, 0, 60, 16);
        plain->reg.address = 10;
        plain->registerCount = 2;
        plain->stringCount = 3;
        objects.push_back(std::move(plain));
        auto fancy = placed<CObjectString>(m, 0, 20, 60, 52);
        fancy->reg.address = 20;
        fancy->registerCount = 2;
        fancy->stringCount = 4;
        fancy->doubleSize = 1;
        fancy->inversion = 1;
        objects.push_back(std::move(fancy));
        QVERIFY(s.Load(std::move(objects)));
        auto word = [&](char a, char b) {
            return quint16(byteOrder == 0 ? (quint8(a) << 8 | quint8(b))
                                          : (quint8(b) << 8 | quint8(a)));
        };
        s.panel.PlcWriteWord(R(10), word('A', 'B'));
        s.panel.PlcWriteWord(R(11), word('C', 'D'));
        s.panel.PlcWriteWord(R(20), word('X', '\0'));
        s.panel.PlcWriteWord(R(21), word('\x07', 'Z'));
        const CPanelFrame f = s.panel.Frame();
        QCOMPARE(readCells(f, 0, 0, 4), QStringLiteral("ABC "));
        QCOMPARE(readCells(f, 0, 20, 4, 2, true), QStringLiteral("X  Z"));
    }
}

// Axes, and a curve of the samples taken each interval between min and max.
void TestRuntimeRender::trendMeter()
{
    CLoadedScreen s;
    auto o = placed<CObjectTrendMeter>(s.Model(), 0, 0, 64, 32);
    o->reg.address = 400;
    o->dataPoints = 5;
    o->interval = 2;
    o->minimum = 0;
    o->maximum = 100;
    Objects objects;
    objects.push_back(std::move(o));
    QVERIFY(s.Load(std::move(objects)));
    // The curve's area: x from 4 to 60, y from 27 (min) to 3 (max).
    const int x0 = 4, x1 = 60, y0 = 27, y1 = 3;
    auto curveAt = [&](const CPanelFrame& f, int i) {
        const int x = x0 + (x1 - x0) * i / 4;
        for (int y = y1; y <= y0; ++y)
            if (f.Pixel(x, y))
                return y;
        return -1;
    };
    CPanelFrame f = s.panel.Frame();
    QVERIFY(f.Pixel(3, 0) && f.Pixel(3, 28) && f.Pixel(63, 28)); // axes
    QCOMPARE(curveAt(f, 0), y0);                                 // the first sample, at the minimum
    QCOMPARE(curveAt(f, 1), -1);

    s.panel.PlcWriteWord(R(400), 100);
    s.panel.Advance(1999);
    QCOMPARE(curveAt(s.panel.Frame(), 1), -1);
    s.panel.Advance(1);
    QCOMPARE(curveAt(s.panel.Frame(), 1), y1);
    s.panel.PlcWriteWord(R(400), 50);
    s.panel.Advance(2000);
    f = s.panel.Frame();
    QCOMPARE(curveAt(f, 2), (y0 + y1) / 2 + 0);
    // Once full, the curve moves left: oldest samples drop out. Taking the
    // time in one step or in many gives the same curve.
    CLoadedScreen t;
    auto o2 = placed<CObjectTrendMeter>(t.Model(), 0, 0, 64, 32);
    o2->reg.address = 400;
    o2->dataPoints = 5;
    o2->interval = 2;
    Objects objects2;
    objects2.push_back(std::move(o2));
    QVERIFY(t.Load(std::move(objects2)));
    t.panel.PlcWriteWord(R(400), 100);
    t.panel.Advance(2000);
    t.panel.PlcWriteWord(R(400), 50);
    t.panel.Advance(2000);
    for (int i = 0; i < 9; ++i)
        s.panel.Advance(1000);
    t.panel.Advance(9000);
    QVERIFY(s.panel.Frame() == t.panel.Frame());
    f = s.panel.Frame();
    for (int i = 0; i < 5; ++i)
        QCOMPARE(curveAt(f, i), (y0 + y1) / 2);
}

// Pictures that lie outside the bitmap data and objects partly off the
// display: blank boxes, nothing drawn outside.
void TestRuntimeRender::damagedPictures()
{
    RuntimeImage image;
    image.header.startScreen = 1;
    image.bitmapData = QByteArray(32, char(0xFF));
    RuntimeScreen screen;
    screen.number = 1;
    RuntimeObject fits;
    fits.kind = 0;
    fits.x = 0;
    fits.y = 0;
    fits.w = 16;
    fits.h = 16;
    RuntimeObject past = fits;
    past.x = 20;
    past.pictureOffset = 16; // 16 of its 32 bytes lie past the data
    RuntimeObject offscreen = fits;
    offscreen.x = 184;
    offscreen.y = 60;
    RuntimeObject dynamic;
    dynamic.kind = 1;
    dynamic.x = 40;
    dynamic.w = 16;
    dynamic.h = 16;
    dynamic.entries = 3; // entry 1 lies past the data
    dynamic.reg = R(5);
    screen.objects = {fits, past, offscreen, dynamic};
    image.screens.push_back(screen);
    CPanelSimulator panel;
    panel.LoadImage(image);
    CPanelFrame f = panel.Frame();
    QCOMPARE(darkIn(f, 0, 0, 16, 16), 256);
    QCOMPARE(darkIn(f, 20, 0, 16, 16), 0);
    QCOMPARE(darkIn(f, 184, 60, 8, 4), 32);
    QCOMPARE(darkIn(f, 40, 0, 16, 16), 256);
    QCOMPARE(f.DarkPixels(), 256 + 32 + 256);
    panel.PlcWriteWord(R(5), 1);
    QCOMPARE(darkIn(panel.Frame(), 40, 0, 16, 16), 0);
}

// The font compiled into the library: ASCII as in the file, other
// characters through its Unicode table, "?" for what it lacks.
void TestRuntimeRender::builtinFont()
{
    const CPanelFont& font = CPanelFont::Builtin();
    QVERIFY(font.IsValid());
    const QByteArray file = fontFile();
    QCOMPARE(file.size(), 5670);
    for (char c : {'A', '0', '#', '.'})
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(font.Glyph(char32_t(c))), 16),
                 file.mid(4 + c * 16, 16));
    QVERIFY(font.Has(U'\u00E9'));
    QVERIFY(QByteArray(reinterpret_cast<const char*>(font.Glyph(U'\u00E9')), 16)
            != QByteArray(reinterpret_cast<const char*>(font.Glyph(U'e')), 16));
    QVERIFY(!font.Has(U'\u4E2D'));
    QCOMPARE(font.Glyph(U'\u4E2D'), font.Glyph(U'?'));

    // Anything but a PSF1 8 x 16 font is refused.
    CPanelFont other;
    QVERIFY(!other.Load(QByteArray()));
    QVERIFY(!other.Load(file.left(1000)));
    QByteArray tall = file;
    tall[3] = 14;
    QVERIFY(!other.Load(tall));
    QVERIFY(!other.IsValid());
    QByteArray bare = file.left(4 + 256 * 16);
    bare[2] = 0; // no Unicode table: code points are glyph places
    QVERIFY(other.Load(bare));
    QCOMPARE(other.GlyphCount(), 256);
    QCOMPARE(other.Glyph(U'A'), other.Glyph(char32_t(65)));
}

void TestRuntimeRender::frameImage()
{
    CPanelFrame f;
    f.SetPixel(0, 0, true);
    f.SetPixel(191, 63, true);
    f.SetPixel(192, 0, true); // outside: ignored
    f.SetPixel(-1, 5, true);
    QCOMPARE(f.DarkPixels(), 2);
    QVERIFY(!f.Pixel(192, 0) && !f.Pixel(0, 64));
    const QImage lit = f.ToImage(3);
    QCOMPARE(lit.size(), QSize(576, 192));
    QCOMPARE(lit.pixel(0, 0), lit.pixel(2, 2));
    QCOMPARE(lit.pixel(575, 191), lit.pixel(0, 0));
    QVERIFY(lit.pixel(3, 0) != lit.pixel(0, 0));
    QVERIFY(qGray(lit.pixel(3, 0)) > qGray(lit.pixel(0, 0))); // dark on light
    const QImage dim = f.ToImage(3, false);
    QVERIFY(qGray(dim.pixel(3, 0)) < qGray(lit.pixel(3, 0)));
    QVERIFY(qGray(dim.pixel(3, 0)) > qGray(dim.pixel(0, 0)));
    QCOMPARE(f.ToImage(0).size(), QSize(192, 64));
    QCOMPARE(f.ToImage(100).size(), QSize(192 * 16, 64 * 16));
    CPanelFrame g = f;
    QVERIFY(g == f);
    g.InvertPixel(5, 5);
    QVERIFY(!(g == f));
}

QTEST_MAIN(TestRuntimeRender)
#include "test_runtime_render.moc"
