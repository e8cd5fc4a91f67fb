// The compiled images decoded byte by byte: the project header, the screen
// image with its table, screen records, key records and object records, the
// alarm and communication images, the run as a whole and its debug dump.
#include "CompileTestProject.h"
#include "app/CompileProject.h"
#include "app/Compiler.h"
#include "compiler/ProjectHeader.h"
#include "compiler/RegisterCoder.h"
#include "app/ProjectStorage.h"
#include "screen/ObjectFactory.h"
#include "screen/ObjectBarMeter.h"
#include "screen/ObjectDynamicText.h"
#include "screen/ObjectIndicatorLight.h"
#include "screen/ObjectNumeric.h"
#include "screen/ObjectStaticBitmap.h"
#include "screen/ObjectStaticText.h"
#include "screen/ObjectString.h"
#include "screen/ObjectTrendMeter.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QtTest>

using namespace ImageBytes;

namespace {

template <class T>
std::unique_ptr<T> place(std::unique_ptr<T> o, int l, int t, int r, int b)
{
    o->SetRect(l, t, r, b);
    return o;
}

template <class T>
std::unique_ptr<T> make(const CProjectModel& model)
{
    if constexpr (std::is_constructible_v<T, const CProjectModel*>)
        return std::make_unique<T>(&model);
    else
        return std::make_unique<T>();
}

std::vector<std::unique_ptr<CDiagramEntity>> list(std::unique_ptr<CDiagramEntity> a,
                                                  std::unique_ptr<CDiagramEntity> b = nullptr,
                                                  std::unique_ptr<CDiagramEntity> c = nullptr)
{
    std::vector<std::unique_ptr<CDiagramEntity>> out;
    for (auto* p : {&a, &b, &c})
        if (*p)
            out.push_back(std::move(*p));
    return out;
}

// The record of the first object of the only screen of a compiled project.
QByteArray firstScreenRecord(const CompiledImages& im)
{
    const quint32 n = U16(im.screen, 1);
    const quint32 start = U32(im.screen, 16 + 2);
    const quint32 end = n > 1 ? U32(im.screen, 16 + 6 + 2) : quint32(im.screen.size());
    return im.screen.mid(start, end - start);
}

// A Windows bitmap file written byte by byte, in one of the layouts that
// drawing programs write: 1, 4, 8, 16, 24 or 32 bits per pixel, rows bottom-up
// or top-down, the 40-byte header (with or without a palette size, with
// BI_BITFIELDS masks) or the old 12-byte header.
struct BmpLayout
{
    int bits;
    bool topDown = false;
    bool coreHeader = false; // 12-byte header, 3-byte palette entries
    int paletteSize = 0;     // biClrUsed; 0: the full 2^bits
    bool whiteFirst = false; // palette entry 0 white, entry 1 black
    bool bitFields = false;  // 16: 5-6-5 masks, 32: 8-8-8 masks
};

constexpr int kBmpW = 18;
constexpr int kBmpH = 16;

// The test picture: a diagonal pattern and a bar along the top row, so a
// picture turned upside down or shifted by a row never matches.
bool bmpBlack(int x, int y)
{
    return (x + 2 * y) % 5 == 0 || (y == 0 && x < 7) || (y == kBmpH - 1 && x == kBmpW - 1);
}

QByteArray bmpFile(const BmpLayout& l)
{
    auto le = [](QByteArray& b, quint32 v, int n) {
        for (int i = 0; i < n; ++i)
            b.append(char((v >> (8 * i)) & 0xFF));
    };
    QByteArray palette;
    const int entries = l.bits <= 8 ? (l.paletteSize ? l.paletteSize : 1 << l.bits) : 0;
    const int blackIndex = l.whiteFirst ? 1 : 0;
    const int whiteIndex = l.whiteFirst ? 0 : 1;
    for (int i = 0; i < entries; ++i) {
        const char c = i == blackIndex ? 0 : i == whiteIndex ? char(0xFF) : char(0x80);
        palette.append(QByteArray(3, c));
        if (!l.coreHeader)
            palette.append('\0');
    }
    const int stride = (kBmpW * l.bits + 31) / 32 * 4;
    QByteArray pixels;
    for (int row = 0; row < kBmpH; ++row) {
        const int y = l.topDown ? row : kBmpH - 1 - row;
        QByteArray line;
        quint32 acc = 0;
        int accBits = 0;
        for (int x = 0; x < kBmpW; ++x) {
            const bool black = bmpBlack(x, y);
            switch (l.bits) {
            case 1:
            case 4:
            case 8:
                acc = acc << l.bits | quint32(black ? blackIndex : whiteIndex);
                accBits += l.bits;
                if (accBits == 8) {
                    line.append(char(acc));
                    acc = 0;
                    accBits = 0;
                }
                break;
            case 16: le(line, black ? 0 : l.bitFields ? 0xFFFF : 0x7FFF, 2); break;
            case 24: le(line, black ? 0 : 0xFFFFFF, 3); break;
            case 32: le(line, black ? 0 : 0xFFFFFF, 4); break;
            }
        }
        if (accBits)
            line.append(char(acc << (8 - accBits)));
        line.append(QByteArray(stride - line.size(), '\0'));
        pixels += line;
    }
    QByteArray header;
    if (l.coreHeader) {
        le(header, 12, 4);
        le(header, kBmpW, 2);
        le(header, kBmpH, 2);
        le(header, 1, 2);
        le(header, quint32(l.bits), 2);
    } else {
        le(header, 40, 4);
        le(header, kBmpW, 4);
        le(header, quint32(l.topDown ? -kBmpH : kBmpH), 4);
        le(header, 1, 2);
        le(header, quint32(l.bits), 2);
        le(header, l.bitFields ? 3 : 0, 4);
        le(header, quint32(pixels.size()), 4);
        le(header, 2835, 4);
        le(header, 2835, 4);
        le(header, quint32(l.paletteSize), 4);
        le(header, 0, 4);
        if (l.bitFields && l.bits == 16) {
            le(header, 0xF800, 4);
            le(header, 0x07E0, 4);
            le(header, 0x001F, 4);
        } else if (l.bitFields) {
            le(header, 0xFF0000, 4);
            le(header, 0x00FF00, 4);
            le(header, 0x0000FF, 4);
        }
    }
    const quint32 offset = quint32(14 + header.size() + palette.size());
    QByteArray file("BM");
    le(file, offset + quint32(pixels.size()), 4);
    le(file, 0, 4);
    le(file, offset, 4);
    return file + header + palette + pixels;
}

// The test picture column-packed as the panel stores it.
QByteArray bmpPacked()
{
    QByteArray out;
    for (int x = 0; x < kBmpW; ++x)
        for (int band = 0; band < (kBmpH + 7) / 8; ++band) {
            int byte = 0;
            for (int bit = 0; bit < 8; ++bit) {
                const int y = band * 8 + bit;
                if (y < kBmpH && bmpBlack(x, y))
                    byte |= 0x80 >> bit;
            }
            out.append(char(byte));
        }
    return out;
}

} // namespace

class TestCompiler : public QObject
{
    Q_OBJECT
private slots:
    void emptyProject();
    void defaultProjectHeader();
    void headerWarningsAndPassword();
    void screenTableAndEmptyRecord();
    void keyRecordsAndDescriptions();
    void registerCodes();
    void alarmAndCommunicationImages();
    void objectRecordsOfEveryKind();
    void objectPositionWarnings();
    void picturesInBitmapData();
    void staticBitmapFilesAndWarnings();
    void bitmapFilesOfEveryLayout();
    void fontLibraryAcrossCompilations();
    void limitsWarnings();
    void hugeObjectsStayBounded();
    void debugDump();
    void stopAndWorkerThread();
};

void TestCompiler::emptyProject()
{
    CCompileTestProject p;
    QVERIFY(p.Compile());
    const CompiledImages& im = p.compiler->Images();
    QCOMPARE(im.screen, Hex("01 0000") + QByteArray(13, 0));
    QCOMPARE(im.alarm, Hex("02") + QByteArray(15, 0));
    QCOMPARE(im.font, Hex("03") + QByteArray(15, 0));
    QCOMPARE(im.bitmap, Hex("04") + QByteArray(15, 0));
    QCOMPARE(im.comm.size(), 63);
    QCOMPARE(im.header.size(), 55);
    const QByteArray& rt = p.App().runtimeImage;
    QCOMPARE(rt, im.header + im.screen + im.alarm + im.font + im.bitmap + im.comm);
    QCOMPARE(U32(rt, 1), quint32(rt.size()));
    QCOMPARE(U32(rt, 35), 55u);
    QCOMPARE(U32(rt, 39), 55u + 16);
    QCOMPARE(U32(rt, 43), 55u + 32);
    QCOMPARE(U32(rt, 47), 55u + 48);
    QCOMPARE(U32(rt, 51), 55u + 64);
    QCOMPARE(p.reporter.progress, QList<int>({0, 60, 70, 80, 90, 100}));
    QCOMPARE(p.reporter.lines.first(), QStringLiteral("----------Compiling----------"));
    QCOMPARE(p.reporter.Warnings(),
             QStringList(
                 {"  Warning: [Panel Manager] ----> 'Start Screen Number:'1 is not within range",
                  "  Warning: [Panel Manager] ----> 'Screen Number:'1 is not within range",
                  "  Warning: [Panel Manager] ----> 'Log Screen Number:'1 is not within range"}));
    QCOMPARE(p.reporter.lines.at(p.reporter.lines.size() - 5), QStringLiteral("Project data"));
    QCOMPARE(p.reporter.lines.last(), QStringLiteral("demo.cgp - 0 error(s), 3 warning(s)"));
    QCOMPARE(p.reporter.clears, 1);
    QCOMPARE(p.reporter.finished, QList<bool>({true}));
    QVERIFY(p.App().ImageStandsForProject());
}

void TestCompiler::defaultProjectHeader()
{
    CCompileTestProject p;
    p.AddScreen(1);
    QVERIFY(p.Compile());
    const QByteArray h = p.compiler->Images().header;
    QCOMPARE(U16(h, 5), 1u);
    QCOMPARE(U8(h, 7), 0x56u);
    QCOMPARE(h.mid(8, 8), Hex("01 00 00 04 00 00 00 00"));
    QCOMPARE(U8(h, 16), 0x0Au); // protect shows screen, beep
    QCOMPARE(U16(h, 17), 1u);
    QCOMPARE(U16(h, 19), 1u);
    QCOMPARE(U8(h, 21), 0u);
    QCOMPARE(U8(h, 22), 3u);
    QCOMPARE(h.mid(23, 4), Hex("36 09 36 09"));
    QCOMPARE(U8(h, 27), 0u);
    // Both exchange addresses default to DEV001.R.2000 (octal): station 1, 0x0400.
    QCOMPARE(h.mid(28, 3), Hex("01 04 00"));
    QCOMPARE(U8(h, 31), 0u);
    QCOMPARE(h.mid(32, 3), Hex("01 04 00"));
    // The only warning of a new project: screen 1's next screen 2 does not exist.
    QCOMPARE(
        p.reporter.Warnings(),
        QStringList(
            {"  Warning: [demo.cgp - #1 Screen 1] ----> 'Next Screen Number:'2 is not within range"}));
}

void TestCompiler::headerWarningsAndPassword()
{
    QCOMPARE(ProjectHeader::PackPassword(QStringLiteral("1234")), Hex("00 00 12 34"));
    QCOMPARE(ProjectHeader::PackPassword(QStringLiteral("9876543210")), Hex("76 54 32 10"));
    QCOMPARE(ProjectHeader::PackPassword(QString()), Hex("00 00 00 00"));

    CCompileTestProject p;
    p.AddScreen(1);
    p.AddScreen(2);
    CPanelConfigInfo& pc = p.App().model.panelManager.panelConfig;
    pc.startScreenNumber = 5; // a deleted start screen
    pc.logScreenEnabled = 0;
    pc.logScreenNumber = 9; // disabled, still checked
    pc.protectShowsScreen = 0;
    pc.dwordExchange = 1;
    pc.functionKeyBeep = 0;
    pc.logTimer = 300;
    auto& ex = p.App().model.plcAndPanel;
    ex.optionPassword = QStringLiteral("1234");
    ex.panelToPlcEnabled = 1;
    ex.plcToPanelEnabled = 1;
    ex.beepControlEnabled = 1;
    QVERIFY(p.Compile());
    const QByteArray h = p.compiler->Images().header;
    QCOMPARE(U16(h, 5), 5u);
    QCOMPARE(U8(h, 16), 0x84u);
    QCOMPARE(U16(h, 19), 9u);
    QCOMPARE(U8(h, 21), 300u & 0xFF);
    QCOMPARE(h.mid(23, 4), Hex("00 00 12 34"));
    QCOMPARE(U8(h, 27), 1u);
    QCOMPARE(U8(h, 31), 3u);
    const QStringList w = p.reporter.Warnings();
    QVERIFY(
        w.contains("  Warning: [Panel Manager] ----> 'Start Screen Number:'5 is not within range"));
    QVERIFY(
        w.contains("  Warning: [Panel Manager] ----> 'Log Screen Number:'9 is not within range"));
    QVERIFY(!w.join('\n').contains("'Screen Number:'"));
}

void TestCompiler::screenTableAndEmptyRecord()
{
    CCompileTestProject p;
    p.AddScreen(2);
    p.AddScreen(1);
    p.App().model.FindScreen(2)->screenChange = {1, 1};
    p.App().model.FindScreen(1)->screenChange = {2, 2};
    QVERIFY(p.Compile());
    const QByteArray s = p.compiler->Images().screen;
    QCOMPARE(U16(s, 1), 2u);
    QCOMPARE(U16(s, 16), 1u);
    QCOMPARE(U32(s, 18), 28u);
    QCOMPARE(U16(s, 22), 2u);
    QCOMPARE(U32(s, 24), 28u + 111);
    QCOMPARE(s.size(), 28 + 2 * 111);
    const QByteArray r = s.mid(28, 111);
    QCOMPARE(r.left(16), Hex("01 0001 0002 0002 0000") + QByteArray(7, 0));
    QCOMPARE(r.right(5), QByteArray(5, 0)); // five description flags 0
    QVERIFY(p.reporter.Warnings().isEmpty());
    // The Output pane names each screen before its warnings.
    QCOMPARE(p.reporter.lines.mid(1, 2),
             QStringList({"demo.cgp - #1 Screen 1", "demo.cgp - #2 Screen 2"}));
    // Progress after each screen: 60 * j / N.
    QCOMPARE(p.reporter.progress.mid(0, 3), QList<int>({0, 0, 30}));

    // A 0 as next screen is reported too: no screen has number 0.
    p.App().model.FindScreen(1)->screenChange.next = 0;
    QVERIFY(p.Compile());
    QCOMPARE(
        p.reporter.Warnings(),
        QStringList(
            {"  Warning: [demo.cgp - #1 Screen 1] ----> 'Previous Screen Number:'2 is not within range"})
                .mid(0, 0)
            + QStringList(
                {"  Warning: [demo.cgp - #1 Screen 1] ----> 'Next Screen Number:'0 is not within range"}));
}

void TestCompiler::keyRecordsAndDescriptions()
{
    CCompileTestProject p;
    p.AddScreen(1);
    CScreenObject* s = p.App().model.FindScreen(1);
    s->screenChange = {1, 1};
    CFunKeyParams& f2 = s->keys[1];
    f2.used = 1;
    f2.password = 1;
    f2.functionType = 2;
    f2.screenChg.target = 0;
    f2.screenChg.screenNumber = 7;
    f2.setCoil.coil.area = QStringLiteral("M");
    f2.setCoil.coil.address = 8;
    f2.setCoil.action = 3;
    f2.setReg.quantity = 2;
    f2.setReg.value = int(0x12345678);
    f2.advanced.device.deviceName = QStringLiteral("DEV001");
    f2.advanced.command = 1;
    f2.showDescription = 1;
    f2.description = QStringLiteral("AB");
    CFunKeyParams& f4 = s->keys[3];
    f4.functionType = 2; // not used: no warning
    f4.screenChg.screenNumber = 9;
    f4.showDescription = 1;
    f4.description = QString();
    QVERIFY(p.Compile());
    QCOMPARE(
        p.reporter.Warnings(),
        QStringList(
            {"  Warning: [demo.cgp - #1 Screen 1] ----> F2 'Screen Change'7 is not within range"}));
    const QByteArray r = firstScreenRecord(p.compiler->Images());
    const QByteArray k2 = r.mid(16 + 18, 18);
    QCOMPARE(U8(k2, 0), 0xC2u);
    QCOMPARE(k2.mid(1, 3), Hex("01 F0 08")); // M 8: 0xF000 + 8
    QCOMPARE(U8(k2, 4), 3u);
    QCOMPARE(k2.mid(5, 3), Hex("01 04 00"));
    QCOMPARE(U8(k2, 8), 2u);
    QCOMPARE(U32(k2, 9), 0x12345678u);
    QCOMPARE(U8(k2, 13), 0u);
    QCOMPARE(U16(k2, 14), 7u);
    QCOMPARE(U8(k2, 16), 1u);
    QCOMPARE(U8(k2, 17), 1u);
    const QByteArray k1 = r.mid(16, 18);
    QCOMPARE(U8(k1, 0), 0u);
    QCOMPARE(U8(k1, 17), 0xFFu); // an advanced action that names no device
    // Descriptions: F1 0; F2 1 + "AB"; F3 0; F4 1 + empty text; F5 0.
    QCOMPARE(r.mid(106), Hex("00 01 02 00 0010 00 0020 00 01 00 00"));
    QCOMPARE(r.size(), 106 + 13);
}

void TestCompiler::registerCodes()
{
    CCompileTestProject p;
    CDeviceInfo& dev = p.App().model.Devices();
    dev.AddDevice(QStringLiteral("PLC2")).bytes[0] = 7;
    dev.AddDevice(QStringLiteral("PLC2")).bytes[0] = 9;
    CRegisterCoder coder(p.App().model);
    RegisterRef ref;
    ref.deviceName = QStringLiteral("PLC2");
    ref.area = QStringLiteral("T");
    ref.address = 5;
    QCOMPARE(coder.DeviceNumber(ref), quint8(9)); // the last device of that name
    QCOMPARE(coder.PanelAddress(ref), quint16(0xFC05));
    ref.bitNumber = 3;
    QCOMPARE(coder.PanelAddress(ref), quint16(0xFC08));
    ref.deviceName = QStringLiteral("NOPE");
    QCOMPARE(coder.DeviceNumber(ref), quint8(0xFF));
    ref.area = QStringLiteral("X");
    QCOMPARE(coder.PanelAddress(ref), quint16(0));
    ref.area = QStringLiteral("SP");
    ref.address = 0x1FF;
    ref.bitNumber = 0x10;
    QCOMPARE(coder.PanelAddress(ref), quint16((0xFE00 + 0x1FF + 0x10) & 0xFFFF)); // low 16 bits
    p.App().model.info.plcType = QStringLiteral("vardo v-sequence (r series)");
    QCOMPARE(coder.PanelAddress(ref), quint16(0)); // names no protocol
    // Compiling leaves the references of the project as they were.
    ref.deviceName = QStringLiteral("NOPE");
    p.App().model.plcAndPanel.panelToPlc = ref;
    QVERIFY(p.Compile());
    QCOMPARE(p.App().model.plcAndPanel.panelToPlc, ref);
    QCOMPARE(p.compiler->Images().header.mid(28, 3), Hex("FF 00 00"));
}

void TestCompiler::alarmAndCommunicationImages()
{
    CCompileTestProject p;
    CAlarmObject a(&p.App().model);
    a.coil.area = QStringLiteral("M");
    a.coil.address = 64;
    a.message = QStringLiteral("AB");
    CAlarmObject b = a;
    b.coil.address = 65;
    b.message = QStringLiteral("BA");
    p.App().model.alarms.items = {a, b};
    CDeviceInfo& dev = p.App().model.Devices();
    dev.devices[0].bytes[0] = 4;
    dev.baudRate = 19200 == 0 ? 0 : 8192;
    dev.parity = 2;
    dev.timeout = 0x0123;
    dev.pollTime = 0x4567;
    dev.maxStationNumber = 0x189;
    dev.enq = 0;
    QVERIFY(p.Compile());
    const QByteArray al = p.compiler->Images().alarm;
    QCOMPARE(al.left(16), Hex("02 F040 0002 04") + QByteArray(10, 0));
    QCOMPARE(al.mid(16), Hex("0001 02 000010 000020 0002 02 000020 000010"));

    const QByteArray c = p.compiler->Images().comm;
    QCOMPARE(c.size(), 63);
    QCOMPARE(c.left(3), Hex("05 01 01"));
    QCOMPARE(c.mid(3, 13), QByteArray(13, 0));
    QCOMPARE(U16(c, 16), 8192u);
    QCOMPARE(U8(c, 18), 2u);
    QCOMPARE(U8(c, 24), 0x23u); // timeout, low byte
    QCOMPARE(U16(c, 25), 0x4567u);
    QCOMPARE(U8(c, 27), 0x89u);
    QCOMPARE(U8(c, 38), 0u);
    QCOMPARE(c.mid(39, 8), QByteArray(8, 0));
    QCOMPARE(c.mid(47, 16),
             QByteArray(reinterpret_cast<const char*>(dev.devices[0].bytes.data()), 16));
    QCOMPARE(U8(c, 47), 4u);

    dev.AddDevice(QStringLiteral("DEV002"));
    p.App().model.alarms.items.clear();
    QVERIFY(p.Compile());
    QCOMPARE(p.compiler->Images().comm.size(), 47 + 32);
    QCOMPARE(U8(p.compiler->Images().comm, 2), 2u);
    QCOMPARE(p.compiler->Images().alarm, Hex("02") + QByteArray(15, 0));
}

void TestCompiler::objectRecordsOfEveryKind()
{
    CCompileTestProject p;
    const CProjectModel& m = p.App().model;
    auto bar = place(make<CObjectBarMeter>(m), 10, 20, 42, 36);
    bar->reg.area = QStringLiteral("R");
    bar->reg.address = 0x123;
    bar->registerCount = 2;
    bar->isSigned = 1;
    bar->decimalPlaces = 3;
    bar->isFloat = 1;
    bar->direction = 2;
    bar->minimum = 0xFFFFFF9C;
    bar->maximum = 0x01020304;
    auto trend = place(make<CObjectTrendMeter>(m), 0, 0, 100, 40);
    trend->registerCount = 2;
    trend->model = 1;
    trend->isSigned = 1;
    trend->decimalPlaces = 2;
    trend->dataPoints = 30;
    trend->interval = 300;
    auto light = place(make<CObjectIndicatorLight>(m), 5, 6, 21, 22);
    light->coil.area = QStringLiteral("GI");
    light->coil.address = 2;
    light->inversion = 1;
    light->doubleSize = 0;
    light->shape = 5;
    p.AddScreen(1, list(std::move(bar), std::move(trend), std::move(light)));
    auto num = place(make<CObjectNumeric>(m), 7, 8, 47, 24);
    num->registerCount = 2;
    num->set = 1;
    num->encrypt = 0;
    num->isFloat = 0;
    num->inversion = 1;
    num->doubleSize = 1;
    num->isSigned = 1;
    num->digits = 18; // low 4 bits
    num->decimalPlaces = 2;
    num->leadingZeros = 1;
    num->rangeCheck = 1;
    num->minimum = 5;
    num->maximum = 500;
    auto str = place(make<CObjectString>(m), 9, 10, 49, 26);
    str->doubleSize = 1;
    str->inversion = 0;
    str->stringCount = 6;
    str->registerCount = 3;
    auto dyn = place(make<CObjectDynamicText>(m), 1, 2, 33, 18);
    dyn->texts = QStringList({"A", "B", "C"});
    dyn->model = 1;
    p.AddScreen(2, list(std::move(num), std::move(str), std::move(dyn)));
    p.App().model.FindScreen(1)->screenChange = {2, 2};
    p.App().model.FindScreen(2)->screenChange = {1, 1};
    QVERIFY(p.Compile());
    const CompiledImages& im = p.compiler->Images();
    const QByteArray r1 =
        im.screen.mid(U32(im.screen, 18), U32(im.screen, 24) - U32(im.screen, 18));
    const QByteArray r2 = im.screen.mid(U32(im.screen, 24));
    QCOMPARE(U16(r1, 7), 3u);
    QCOMPARE(U16(r2, 7), 3u);
    QByteArray o = r1.mid(111);
    // The bar meter's fields add up to 19 bytes.
    QCOMPARE(o.size(), 19 + 20 + 7);
    // Bar meter: direction 2 in bits 2-5, DEC signed, DEC; 3 places, float.
    QCOMPARE(o.left(19), Hex("03 01 0A 14 20 10 0123 02 0B 31 01020304 FFFFFF9C"));
    // Trend meter: HEX/BCD, so no DEC bits; count 2 and 2 places.
    QCOMPARE(o.mid(19, 20), Hex("04 01 00 00 64 28 0400 28 1E 012C 00000064 00000000"));
    // Indicator light: inversion and a non-zero shape; no width or height.
    QCOMPARE(o.mid(39, 7), Hex("05 01 05 06 C002 03"));
    o = r2.mid(111);
    QCOMPARE(o.left(17), Hex("06 01 07 08 0400 AF 22 81 000001F4 00000005"));
    QCOMPARE(o.mid(17, 8), Hex("07 01 09 0A 0400 86 03"));
    // Dynamic text: three pictures of 32 x 16, one after another.
    QCOMPARE(o.mid(25, 13), Hex("01 01 01 02 20 10 01 0400 03 000000"));
    QCOMPARE(o.size(), 17 + 8 + 13);
    QCOMPARE(im.bitmap.size(), 16 + 3 * 32 * 2);
    QVERIFY(p.reporter.Warnings().isEmpty());
}

void TestCompiler::objectPositionWarnings()
{
    CCompileTestProject p;
    const CProjectModel& m = p.App().model;
    auto edge = place(make<CObjectNumeric>(m), 152, 48, 192, 64); // exactly on the edges
    auto out = place(make<CObjectBarMeter>(m), 180, 10, 200, 30);
    out->SetName(QStringLiteral("Pump"));
    auto neg = place(make<CObjectString>(m), -3, 0, 37, 16);
    p.AddScreen(1, list(std::move(edge), std::move(out), std::move(neg)));
    p.App().model.FindScreen(1)->screenChange = {1, 1};
    QVERIFY(p.Compile());
    QCOMPARE(
        p.reporter.Warnings(),
        QStringList({"  Warning: [demo.cgp - #1 Screen 1] ----> 'Pump' is not within range",
                     "  Warning: [demo.cgp - #1 Screen 1] ----> 'String' is not within range"}));
    const QByteArray r = firstScreenRecord(p.compiler->Images());
    QCOMPARE(U16(r, 7), 3u); // compiled all the same
    QCOMPARE(U8(r, 111 + 17 + 19 + 2), quint32(-3) & 0xFF);
}

void TestCompiler::picturesInBitmapData()
{
    CCompileTestProject p;
    const CProjectModel& m = p.App().model;
    auto a = place(make<CObjectStaticText>(m), 0, 0, 16, 10);
    a->text = QString();
    auto b = place(make<CObjectStaticText>(m), 20, 0, 36, 10);
    b->text = QString();
    b->inversion = 1;
    auto c = place(make<CObjectStaticText>(m), 40, 0, 120, 16);
    c->text = QStringLiteral("Hi");
    p.AddScreen(1, list(std::move(a), std::move(b), std::move(c)));
    QVERIFY(p.Compile());
    const CompiledImages& im = p.compiler->Images();
    const QByteArray o = firstScreenRecord(im).mid(111);
    QCOMPARE(o.left(8), Hex("00 00 00 10 0A 000000"));
    QCOMPARE(o.mid(8, 8), Hex("00 14 00 10 0A 000020"));
    QCOMPARE(o.mid(16, 8), Hex("00 28 00 50 10 000040"));
    const QByteArray data = im.bitmap.mid(16);
    QCOMPARE(data.size(), 32 + 32 + 160);
    QCOMPARE(data.left(32), QByteArray(32, 0));
    // The inverted empty text: rows 0-9 set, rows 10-15 of the band stay 0.
    QCOMPARE(data.mid(32, 32), Hex("FF C0").repeated(16));
    QVERIFY(data.mid(64).count('\0') < 160); // "Hi" has ink
    QCOMPARE(p.App().bitmapData, data);

    // Two equal pictures are stored twice; the buffer starts empty each time.
    QVERIFY(p.Compile());
    QCOMPARE(p.App().bitmapData.size(), data.size());
}

void TestCompiler::staticBitmapFilesAndWarnings()
{
    CCompileTestProject p;
    const CProjectModel& m = p.App().model;
    // A real 1-bit picture in the project's own folder: 32 x 16 all black.
    QImage pic(32, 16, QImage::Format_Mono);
    pic.fill(0);
    pic.setColor(0, qRgb(0, 0, 0));
    pic.setColor(1, qRgb(255, 255, 255));
    QVERIFY(pic.save(p.App().ProjectFolder() + QStringLiteral("/wide.bmp"), "BMP"));
    QVERIFY(TestSupport::WriteFile(p.App().ProjectFolder() + QStringLiteral("/broken.bmp"),
                                   QByteArray("BM\x10\x00\x00\x00garbage", 14)));
    auto locked = place(make<CObjectStaticBitmap>(m), 0, 0, 16, 16);
    locked->folder = QString();
    locked->fileName = QStringLiteral("wide.bmp");
    locked->scaling = 3;
    auto broken = place(make<CObjectStaticBitmap>(m), 20, 0, 36, 16);
    broken->folder = QString();
    broken->fileName = QStringLiteral("broken.bmp");
    broken->blackInversion = 1;
    auto system = place(make<CObjectStaticBitmap>(m), 40, 0, 56, 16); // the default arrow
    p.AddScreen(1, list(std::move(locked), std::move(broken), std::move(system)));
    p.App().model.FindScreen(1)->screenChange = {1, 1};
    // The system library lies beside the program.
    QVERIFY(QDir().mkpath(p.Dir() + QStringLiteral("/BMP_Files/Arrow")));
    QVERIFY(QFile::copy(QStringLiteral(QV_BIN_DIR "/BMP_Files/Arrow/arrow_16_16_RIGHT.bmp"),
                        p.Dir() + QStringLiteral("/BMP_Files/Arrow/arrow_16_16_RIGHT.bmp")));
    QVERIFY(p.Compile());
    const QByteArray data = p.compiler->Images().bitmap.mid(16);
    QCOMPARE(data.size(), 3 * 32);
    // Drawn 16 x 8 with a top margin of 4: rows 4-11 black in every column.
    QCOMPARE(data.left(32), Hex("0F F0").repeated(16));
    // The unreadable file: the box keeps its black background.
    QCOMPARE(data.mid(32, 32), QByteArray(32, char(0xFF)));
    QCOMPARE(p.reporter.Warnings(),
             QStringList({QStringLiteral("  Warning: [demo.cgp - #1 Screen 1] ----> '%1' is not a "
                                         "readable bitmap file")
                              .arg(QStringLiteral("broken.bmp"))}));
    const QByteArray arrow = data.mid(64, 32);
    QVERIFY(arrow.count('\0') > 0 && arrow.count('\0') < 32);
}

void TestCompiler::bitmapFilesOfEveryLayout()
{
    CCompileTestProject p;
    const CProjectModel& m = p.App().model;
    QList<BmpLayout> layouts;
    for (int bits : {1, 4, 8, 16, 24, 32})
        for (bool topDown : {false, true})
            layouts.append(BmpLayout{bits, topDown});
    for (int bits : {1, 4, 8})
        for (bool topDown : {false, true}) {
            layouts.append(BmpLayout{bits, topDown, false, 2});
            layouts.append(BmpLayout{bits, topDown, false, 0, true});
        }
    layouts.append(BmpLayout{8, true, false, 16});
    for (int bits : {1, 4, 8, 24})
        layouts.append(BmpLayout{bits, false, true});
    for (int bits : {16, 32})
        for (bool topDown : {false, true})
            layouts.append(BmpLayout{bits, topDown, false, 0, false, true});

    std::vector<std::unique_ptr<CDiagramEntity>> objects;
    QStringList names;
    for (const BmpLayout& l : layouts) {
        const QString name =
            QStringLiteral("b%1%2%3%4%5%6.bmp")
                .arg(l.bits)
                .arg(l.topDown ? "-top" : "-bottom")
                .arg(l.coreHeader ? "-core" : "")
                .arg(l.paletteSize ? QStringLiteral("-pal%1").arg(l.paletteSize) : QString())
                .arg(l.whiteFirst ? "-white" : "")
                .arg(l.bitFields ? "-masks" : "");
        QVERIFY(
            TestSupport::WriteFile(p.App().ProjectFolder() + QLatin1Char('/') + name, bmpFile(l)));
        auto o = place(make<CObjectStaticBitmap>(m), 0, 0, kBmpW, kBmpH);
        o->folder = QString();
        o->fileName = name;
        objects.push_back(std::move(o));
        names.append(name);
    }
    // A library picture that is missing is named by its library folder.
    auto missing = place(make<CObjectStaticBitmap>(m), 0, 0, kBmpW, kBmpH);
    missing->folder = QStringLiteral("BMP_Files\\Arrow");
    missing->fileName = QStringLiteral("gone.bmp");
    objects.push_back(std::move(missing));
    p.AddScreen(1, std::move(objects));
    p.App().model.FindScreen(1)->screenChange = {1, 1};
    QVERIFY(p.Compile());

    const QByteArray data = p.compiler->Images().bitmap.mid(16);
    const QByteArray expected = bmpPacked();
    QCOMPARE(data.size(), expected.size() * (layouts.size() + 1));
    for (int i = 0; i < layouts.size(); ++i)
        QVERIFY2(data.mid(i * expected.size(), expected.size()) == expected, qPrintable(names[i]));
    QCOMPARE(p.reporter.Warnings(),
             QStringList(
                 {QStringLiteral("  Warning: [demo.cgp - #1 Screen 1] ----> "
                                 "'BMP_Files\\Arrow\\gone.bmp' is not a readable bitmap file")}));
}

void TestCompiler::fontLibraryAcrossCompilations()
{
    CCompileTestProject p;
    p.AddScreen(1);
    CFunKeyParams& f1 = p.App().model.FindScreen(1)->keys[0];
    f1.showDescription = 1;
    f1.description = QStringLiteral("AB");
    QVERIFY(p.Compile());
    QCOMPARE(p.compiler->Images().font.size(), 16 + 32);
    f1.description = QStringLiteral("C");
    QVERIFY(p.Compile());
    // B is kept although no text uses it any more; C follows it.
    QCOMPARE(p.App().hzLib.Count(), 3);
    QCOMPARE(p.compiler->Images().font.size(), 16 + 48);
    QCOMPARE(firstScreenRecord(p.compiler->Images()).mid(106, 5), Hex("01 01 00 0030"));

    // Closing the project empties the library (and the runtime image).
    CProjectStorage(p.App()).CloseProject();
    QCOMPARE(p.App().hzLib.Count(), 0);
    QVERIFY(p.App().runtimeImage.isEmpty());
    QVERIFY(!p.App().ImageStandsForProject());
    p.App().ResetProjectModel(QStringLiteral("demo"), p.Dir(), QStringLiteral("RU03"),
                              QStringLiteral("Vardo V-Sequence (R Series)"));
    QCOMPARE(p.App().hzLib.Count(), 0);
}

void TestCompiler::limitsWarnings()
{
    CCompileTestProject p;
    CAlarmObject a(&p.App().model);
    a.message = QString(256, QLatin1Char('x'));
    p.App().model.alarms.items = {a};
    // 2100 different wide characters: a font image beyond 65,535 bytes.
    CAlarmObject b(&p.App().model);
    for (int i = 0; i < 2100; ++i)
        b.message.append(QChar(0x4E00 + i));
    p.App().model.alarms.items.push_back(b);
    // Full-screen texts until the runtime image cannot be sent any more.
    std::vector<std::unique_ptr<CDiagramEntity>> objects;
    for (int i = 0; i < 40; ++i) {
        auto t = place(make<CObjectStaticText>(p.App().model), 0, 0, 192, 64);
        t->text = QString();
        objects.push_back(std::move(t));
    }
    p.AddScreen(1, std::move(objects));
    p.App().model.FindScreen(1)->screenChange = {1, 1};
    QVERIFY(p.Compile());
    const CompiledImages& im = p.compiler->Images();
    QCOMPARE(U8(im.alarm, 18), 0u); // 256 characters: the count keeps its low 8 bits
    const int fontSize = int(im.font.size());
    QVERIFY(fontSize > 65535);
    const int rt = int(p.App().runtimeImage.size());
    QVERIFY(rt >= 131009);
    QCOMPARE(
        p.reporter.Warnings(),
        QStringList(
            {"  Warning: [Alarm List] ----> 'Alarm Message 1' 256 characters: a text holds at most 255",
             "  Warning: [Alarm List] ----> 'Alarm Message 2' 2100 characters: a text holds at most 255",
             QStringLiteral(
                 "  Warning: [demo.cgp] ----> 'CompilerHZK.bin' %1 bytes: glyph offsets reach only 65535")
                 .arg(fontSize),
             QStringLiteral(
                 "  Warning: [demo.cgp] ----> 'Compiler.bin' %1 bytes: the panel takes at most 131008, it can't be transferred")
                 .arg(rt)}));
}

void TestCompiler::hugeObjectsStayBounded()
{
    const qsizetype picture = 4096 * 512; // the largest picture: 4096 x 4096
    {
        // Edges at the ends of the int range: a width that no int holds still
        // gives the largest picture, not an empty one.
        CCompileTestProject p;
        auto wide = place(make<CObjectStaticText>(p.App().model), -2000000000, 0, 2000000000, 8);
        wide->text = QString();
        p.AddScreen(1, list(std::move(wide)));
        QVERIFY(p.Compile());
        QCOMPARE(p.App().bitmapData.size(), 4096);
        QCOMPARE(firstScreenRecord(p.compiler->Images()).size(), 111 + 8);
    }
    // A damaged screen file: a dynamic text far beyond the display with a
    // thousand entries would need gigabytes of pictures. The bitmap data stops
    // where 24-bit picture offsets end, with one warning, and the compilation
    // still runs to its end with every record written.
    CCompileTestProject p;
    const CProjectModel& m = p.App().model;
    auto dyn = place(make<CObjectDynamicText>(m), 0, 0, 1000000, 1000000);
    dyn->texts.clear();
    for (int i = 0; i < 1100; ++i)
        dyn->texts.append(QString());
    auto after = place(make<CObjectStaticText>(m), 0, 0, 16, 8);
    after->text = QString();
    p.AddScreen(1, list(std::move(dyn), std::move(after)));
    p.App().model.FindScreen(1)->screenChange = {1, 1};
    QVERIFY(p.Compile());
    const CompiledImages& im = p.compiler->Images();
    QCOMPARE(p.App().bitmapData.size(), 8 * picture);
    QCOMPARE(im.bitmap.size(), 16 + 8 * picture);
    QCOMPARE(p.reporter.Warnings().filter(QStringLiteral("CompilerBMP.bin")),
             QStringList(
                 {QStringLiteral("  Warning: [demo.cgp - #1 Screen 1] ----> 'CompilerBMP.bin' %1 "
                                 "bytes: picture offsets reach only 16777215, the pictures "
                                 "beyond are left out")
                      .arg(9 * picture)}));
    const QByteArray r = firstScreenRecord(im);
    QCOMPARE(U16(r, 7), 2u);
    QCOMPARE(r.size(), 111 + 13 + 8);
    QCOMPARE(U8(r, 111 + 9), quint32(1100 & 0xFF));
}

void TestCompiler::debugDump()
{
    CCompileTestProject p;
    p.AddScreen(1);
    QVERIFY(p.Compile());
    QVERIFY(!QFile::exists(p.App().ProjectFolder() + QStringLiteral("/Compiler.bin")));
    QVERIFY(TestSupport::WriteFile(p.App().settings.Paths().SettingsFile(),
                                   "[Debug]\r\nCompilerData=1\r\n"));
    // A folder where a file should go: that file cannot be created.
    QVERIFY(QDir().mkpath(p.App().ProjectFolder() + QStringLiteral("/CompilerArm.bin")));
    QVERIFY(p.Compile());
    const CompiledImages& im = p.compiler->Images();
    for (const auto& f : im.DebugFiles()) {
        if (f.name == QLatin1String("CompilerArm.bin"))
            continue;
        QCOMPARE(TestSupport::ReadFile(p.App().ProjectFolder() + QLatin1Char('/') + f.name),
                 *f.bytes);
    }
    QCOMPARE(TestSupport::ReadFile(p.App().ProjectFolder() + QStringLiteral("/Compiler.bin")),
             p.App().runtimeImage);
    QCOMPARE(p.reporter.messages,
             QStringList({QStringLiteral("Warning|") + p.App().ProjectFolder()
                          + QStringLiteral("/CompilerArm.bin\n can't be created!")}));
}

void TestCompiler::stopAndWorkerThread()
{
    CCompileTestProject p;
    p.AddScreen(1);
    p.AddScreen(2);
    QVERIFY(CompileProjectForTransfer(p.App()));
    const QByteArray before = p.App().runtimeImage;
    QVERIFY(!before.isEmpty());
    // Cancel during the screen image.
    p.App().imageState = 0;
    p.reporter.onProgress = [&](int) {
        if (p.reporter.progress.size() == 2)
            p.App().stopFlag.store(1);
    };
    QVERIFY(!p.Compile());
    QCOMPARE(p.App().runtimeImage, before);
    QVERIFY(!p.reporter.lines.last().contains(QLatin1String("error(s)")));
    QVERIFY(!p.App().ImageStandsForProject());
    QCOMPARE(p.reporter.finished.last(), false);

    // On the worker thread: the same image, the end reported.
    p.reporter.onProgress = nullptr;
    p.App().stopFlag.store(0);
    p.App().runtimeImage.clear();
    p.reporter.lines.clear();
    p.compiler->Start();
    p.compiler->Wait();
    QCOMPARE(p.reporter.finished.last(), true);
    QCOMPARE(p.App().runtimeImage, before);
    QCOMPARE(p.reporter.lines.last(), QStringLiteral("demo.cgp - 0 error(s), 1 warning(s)"));

    // Without a reporter a compilation ends at once.
    CCompiler none(p.App(), nullptr);
    QVERIFY(!none.Run());
}

QTEST_MAIN(TestCompiler)
#include "test_compiler.moc"
