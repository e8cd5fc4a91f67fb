// The runtime image read back: images that the compiler makes decode into
// records that match the project they came from, field by field; every
// truncation and a set of damaged counts and offsets give one error that
// names the image and the byte, and leave the caller's image alone.
#include "CompileTestProject.h"
#include "ScreenTestObjects.h"
#include "app/Compiler.h"
#include "app/ProjectStorage.h"
#include "project/ProtocolTables.h"
#include "runtime/RuntimeImageReader.h"
#include "screen/DiagramEntityContainer.h"
#include "screen/ObjectBarMeter.h"
#include "screen/ObjectDynamicText.h"
#include "screen/ObjectFactory.h"
#include "screen/ObjectIndicatorLight.h"
#include "screen/ObjectKind.h"
#include "screen/ObjectNumeric.h"
#include "screen/ObjectString.h"
#include "screen/ObjectTrendMeter.h"
#include "screen/TessanDoc.h"

#include <QFile>
#include <QHash>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QtTest>

#include <functional>

using namespace ImageBytes;

namespace {

// What every damage report looks like.
const QRegularExpression kDamage(QStringLiteral(
    "^The (project header|screen image|alarm image|font image|bitmap image|communication image) "
    "is damaged at byte (\\d+): [^\\n]+\\.$"));

std::uint8_t Bit(int flag, int bit)
{
    return flag ? std::uint8_t(1u << bit) : 0;
}

// The register code of a reference: the station of the last device of that
// name (0xFF when there is none) and the panel address of the memory-area table.
RuntimeRegister CodeOf(const CProjectModel& m, const RegisterRef& r)
{
    RuntimeRegister code;
    code.device = 0xFF;
    for (const CSingleDeviceInfo& d : m.Devices().devices)
        if (d.name == r.deviceName)
            code.device = d.bytes[0];
    if (const ProtocolTables::Protocol* p = ProtocolTables::FindProtocol(m.info.plcType))
        code.address = ProtocolTables::PanelAddress(*p, r);
    return code;
}

qint64 PictureBytes(const PaperRect& r)
{
    return qint64(r.Width()) * ((r.Height() + 7) / 8);
}

// Compares a decoded image with the open project of `app` that was just
// compiled into it, reading the screen files as the compiler did.
class CProjectComparison
{
public:
    CProjectComparison(const RuntimeImage& image, CTessanApp& app)
        : image_(image),
          app_(app),
          m_(app.model)
    {}

    void Run()
    {
        Header();
        if (QTest::currentTestFailed())
            return;
        Screens();
        if (QTest::currentTestFailed())
            return;
        Alarms();
        if (QTest::currentTestFailed())
            return;
        Comm();
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(image_.font, app_.hzLib.BuildFontImage());
        QCOMPARE(image_.bitmapData, app_.bitmapData);
    }

private:
    void Header()
    {
        const RuntimeProjectHeader& h = image_.header;
        const CPanelConfigInfo& pc = m_.panelManager.panelConfig;
        const CPLCAndPanelAlternation& ex = m_.plcAndPanel;
        QCOMPARE(qsizetype(h.totalLength), app_.runtimeImage.size());
        QCOMPARE(h.startScreen, pc.startScreenNumber);
        QCOMPARE(h.mark, std::uint8_t(0x56));
        const VersionNumber& v = app_.programVersion;
        const std::array<std::uint8_t, 4> version = {std::uint8_t(v.hh), std::uint8_t(v.hl),
                                                     std::uint8_t(v.lh), std::uint8_t(v.ll)};
        QCOMPARE(h.version, version);
        QCOMPARE(h.panelFlags,
                 std::uint8_t(Bit(pc.dwordExchange, 7) | Bit(pc.protectShowsScreen == 1, 3)
                              | Bit(pc.protectShowsScreen == 0, 2) | Bit(pc.functionKeyBeep, 1)
                              | Bit(pc.logScreenEnabled, 0)));
        QCOMPARE(h.ProtectShowsScreen(), pc.protectShowsScreen == 1);
        QCOMPARE(h.protectScreen, pc.protectScreenNumber);
        QCOMPARE(h.logScreen, pc.logScreenNumber);
        QCOMPARE(h.logTimer, std::uint8_t(pc.logTimer));
        QCOMPARE(h.protectTimeIndex, pc.screenProtectTime);
        QCOMPARE(h.PasswordDigits(), ex.optionPassword.right(8).rightJustified(8, u'0'));
        QCOMPARE(h.panelToPlcEnabled, std::uint8_t(ex.panelToPlcEnabled ? 1 : 0));
        QCOMPARE(h.panelToPlc, CodeOf(m_, ex.panelToPlc));
        QCOMPARE(h.plcToPanelFlags,
                 std::uint8_t(Bit(ex.plcToPanelEnabled, 1) | Bit(ex.beepControlEnabled, 0)));
        QCOMPARE(h.plcToPanel, CodeOf(m_, ex.plcToPanel));
        // The images follow one another from the header's end.
        QCOMPARE(h.imageOffsets[0], 55u);
        const quint32 screenImage = h.imageOffsets[1] - h.imageOffsets[0];
        QCOMPARE(h.imageOffsets[3], h.imageOffsets[2] + quint32(image_.font.size()));
        QCOMPARE(h.imageOffsets[4], h.imageOffsets[3] + 16 + quint32(image_.bitmapData.size()));
        QVERIFY(screenImage >= 16);
    }

    void Screens()
    {
        QCOMPARE(image_.screens.size(), m_.screens.size());
        const QByteArray& rt = app_.runtimeImage;
        const qsizetype screenImage = image_.header.imageOffsets[0];
        quint32 pictureEnd = 0;
        // The table runs from the screen list's last entry to its first.
        for (size_t j = 0; j < m_.screens.size(); ++j) {
            const CScreenObject& model = *m_.screens[m_.screens.size() - 1 - j];
            const RuntimeScreen& s = image_.screens[j];
            QCOMPARE(s.number, std::uint16_t(model.number));
            QCOMPARE(U8(rt, screenImage + s.offset), 1u);
            QCOMPARE(U16(rt, screenImage + s.offset + 1), quint32(model.number));
            QCOMPARE(s.next, std::uint16_t(model.screenChange.next));
            QCOMPARE(s.previous, std::uint16_t(model.screenChange.previous));
            QCOMPARE(image_.FindScreen(model.number), &s);
            for (int k = 0; k < 5; ++k) {
                Key(s.keys[size_t(k)], model.keys[size_t(k)]);
                if (QTest::currentTestFailed())
                    return;
            }

            CDiagramEntityContainer container;
            QString error;
            QVERIFY2(CTessanDoc::LoadFile(app_.ProjectFolder() + QLatin1Char('/')
                                              + ScreenTitle(m_.info.name, model.number, model.name),
                                          container, m_.IsLegacyRangeMode(), &m_, &error),
                     qPrintable(error));
            QCOMPARE(s.objects.size(), size_t(container.Objects().size()));
            size_t i = 0;
            for (const auto& o : container.Objects()) {
                const RuntimeObject& r = s.objects[i++];
                QCOMPARE(int(U8(rt, screenImage + r.recordOffset)), o->Kind());
                Object(r, *o, pictureEnd);
                if (QTest::currentTestFailed())
                    return;
            }
        }
        QCOMPARE(qsizetype(pictureEnd), image_.bitmapData.size());
    }

    void Key(const RuntimeFunctionKey& k, const CFunKeyParams& p)
    {
        QCOMPARE(k.flags, std::uint8_t(Bit(p.used, 7) | Bit(p.password, 6) | p.functionType));
        QCOMPARE(k.Used(), p.used != 0);
        QCOMPARE(k.Function(), p.functionType);
        QCOMPARE(k.coil, CodeOf(m_, p.setCoil.coil));
        QCOMPARE(k.coilAction, std::uint8_t(p.setCoil.action));
        QCOMPARE(k.reg, CodeOf(m_, p.setReg.reg));
        QCOMPARE(k.quantity, std::uint8_t(p.setReg.quantity));
        QCOMPARE(k.value, std::uint32_t(p.setReg.value));
        QCOMPARE(k.target, std::uint8_t(p.screenChg.target));
        QCOMPARE(k.targetScreen, std::uint16_t(p.screenChg.screenNumber));
        QCOMPARE(k.command, std::uint8_t(p.advanced.command));
        QCOMPARE(k.device, CodeOf(m_, p.advanced.device).device);
        QCOMPARE(k.showDescription, std::uint8_t(p.showDescription));
        Text(k.description, p.showDescription ? p.description : QString());
    }

    // Texts are glyph references: the library's offset of each character,
    // and the glyph there is the library's glyph.
    void Text(const RuntimeText& text, const QString& expected)
    {
        QCOMPARE(text.size(), size_t(expected.size()));
        for (qsizetype i = 0; i < expected.size(); ++i) {
            const QChar ch = expected.at(i);
            const RuntimeChar& c = text[size_t(i)];
            const CHZLib::Found found = app_.hzLib.Find(ch);
            QVERIFY(found.index >= 0);
            QCOMPARE(quint32(c.glyphOffset), found.offset);
            const CHZItem& item = app_.hzLib.Item(found.index);
            QCOMPARE(c.wide, item.glyph.size() == 32);
            const std::uint8_t* glyph = image_.Glyph(c);
            QVERIFY(glyph);
            QCOMPARE(QByteArray(reinterpret_cast<const char*>(glyph), item.glyph.size()),
                     item.glyph);
            // The same character always points at the same glyph.
            const auto seen = glyphs_.constFind(ch);
            if (seen != glyphs_.constEnd())
                QCOMPARE(*seen, c);
            glyphs_.insert(ch, c);
        }
    }

    void Object(const RuntimeObject& r, const CDiagramEntity& o, quint32& pictureEnd)
    {
        const PaperRect rect = o.GetRect();
        QCOMPARE(int(r.kind), o.Kind());
        QCOMPARE(r.x, std::uint8_t(rect.left));
        QCOMPARE(r.y, std::uint8_t(rect.top));
        const bool sized = o.Kind() <= OBJ_TREND_METER;
        QCOMPARE(r.w, std::uint8_t(sized ? rect.Width() : 0));
        QCOMPARE(r.h, std::uint8_t(sized ? rect.Height() : 0));
        if (o.Kind() <= OBJ_STATIC_BITMAP) {
            // Pictures lie one after another in compile order.
            QCOMPARE(r.pictureOffset, pictureEnd & 0xFFFFFF);
            const int pictures = o.Kind() == OBJ_DYNAMIC_TEXT
                                     ? int(static_cast<const CObjectDynamicText&>(o).texts.size())
                                     : 1;
            if (pictures > 0)
                QVERIFY(image_.Picture(r.pictureOffset, r.w, r.h));
            pictureEnd += quint32(PictureBytes(rect) * pictures);
        } else {
            QCOMPARE(r.pictureOffset, 0u);
        }
        switch (o.Kind()) {
        case OBJ_DYNAMIC_TEXT: {
            const auto& d = static_cast<const CObjectDynamicText&>(o);
            QCOMPARE(r.reg, CodeOf(m_, d.reg));
            QCOMPARE(r.model, std::uint8_t(d.model));
            QCOMPARE(r.entries, std::uint8_t(d.texts.size()));
            break;
        }
        case OBJ_BAR_METER: {
            const auto& b = static_cast<const CObjectBarMeter&>(o);
            const bool dec = b.model == 0;
            QCOMPARE(r.reg, CodeOf(m_, b.reg));
            QCOMPARE(r.registerCount, std::uint8_t(b.registerCount));
            QCOMPARE(r.flagsA, std::uint8_t((b.direction & 0x0F) << 2 | Bit(dec && b.isSigned, 1)
                                            | Bit(dec, 0)));
            QCOMPARE(r.flagsB, std::uint8_t((b.decimalPlaces & 0x0F) << 4 | Bit(b.isFloat, 0)));
            QCOMPARE(r.maximum, b.maximum);
            QCOMPARE(r.minimum, b.minimum);
            const RuntimeValueFormat f = BarMeterFormat(r);
            QCOMPARE(f.dec, dec);
            QCOMPARE(f.twoRegisters, b.registerCount != 1);
            QCOMPARE(r.Direction(), b.direction & 0x0F);
            break;
        }
        case OBJ_TREND_METER: {
            const auto& t = static_cast<const CObjectTrendMeter&>(o);
            const bool dec = t.model == 0;
            QCOMPARE(r.reg, CodeOf(m_, t.reg));
            QCOMPARE(r.flagsC,
                     std::uint8_t((t.decimalPlaces & 0x0F) << 4 | Bit(t.registerCount != 1, 3)
                                  | Bit(t.isFloat, 2) | Bit(dec && t.isSigned, 1) | Bit(dec, 0)));
            QCOMPARE(r.dataPoints, std::uint8_t(t.dataPoints));
            QCOMPARE(r.interval, std::uint16_t(t.interval));
            QCOMPARE(r.maximum, t.maximum);
            QCOMPARE(r.minimum, t.minimum);
            QCOMPARE(TrendMeterFormat(r).decimalPlaces, t.decimalPlaces & 0x0F);
            break;
        }
        case OBJ_INDICATOR_LIGHT: {
            const auto& l = static_cast<const CObjectIndicatorLight&>(o);
            QCOMPARE(r.reg, CodeOf(m_, l.coil));
            QCOMPARE(r.flagsD, std::uint8_t(Bit(l.doubleSize, 2) | Bit(l.inversion, 1)
                                            | Bit(l.shape != 0, 0)));
            break;
        }
        case OBJ_NUMERIC: {
            const auto& n = static_cast<const CObjectNumeric&>(o);
            QCOMPARE(r.reg, CodeOf(m_, n.reg));
            QCOMPARE(r.flagsE,
                     std::uint8_t(Bit(n.set, 7) | Bit(n.encrypt, 6) | Bit(n.registerCount != 1, 5)
                                  | Bit(n.isFloat, 4) | Bit(n.inversion, 3) | Bit(n.doubleSize, 2)
                                  | Bit(n.isSigned, 1) | Bit(n.model == 0, 0)));
            QCOMPARE(r.digitsByte, std::uint8_t((n.decimalPlaces & 0x0F) << 4 | (n.digits & 0x0F)));
            QCOMPARE(r.flagsF, std::uint8_t(Bit(n.leadingZeros, 7) | Bit(n.rangeCheck, 0)));
            QCOMPARE(r.maximum, n.maximum);
            QCOMPARE(r.minimum, n.minimum);
            QCOMPARE(NumericFormat(r).isFloat, n.isFloat != 0);
            break;
        }
        case OBJ_STRING: {
            const auto& s = static_cast<const CObjectString&>(o);
            QCOMPARE(r.reg, CodeOf(m_, s.reg));
            QCOMPARE(r.flagsG,
                     std::uint8_t((Bit(s.doubleSize, 7) | Bit(s.inversion, 6)) + s.stringCount));
            QCOMPARE(r.registerCount, std::uint8_t(s.registerCount));
            break;
        }
        default: QCOMPARE(r.reg, RuntimeRegister{}); break;
        }
    }

    void Alarms()
    {
        const RuntimeAlarms& a = image_.alarms;
        const auto& items = m_.alarms.items;
        QCOMPARE(a.alarms.size(), items.size());
        if (!items.empty()) {
            QCOMPARE(a.firstCoilAddress, CodeOf(m_, items.front().coil).address);
            QCOMPARE(a.device, CodeOf(m_, items.front().coil).device);
        } else {
            QCOMPARE(a.firstCoilAddress, std::uint16_t(0));
            QCOMPARE(a.device, std::uint8_t(0));
        }
        for (size_t i = 0; i < items.size(); ++i) {
            QCOMPARE(a.alarms[i].number, std::uint16_t(i + 1));
            Text(a.alarms[i].message, items[i].message);
            if (QTest::currentTestFailed())
                return;
        }
    }

    void Comm()
    {
        const RuntimeComm& c = image_.comm;
        const CDeviceInfo& d = m_.Devices();
        QCOMPARE(c.currentDevice, std::uint8_t(d.protocolCode));
        QCOMPARE(c.BaudCode(), std::uint16_t(d.baudRate));
        const std::array<std::uint8_t, 31> settings = {std::uint8_t(d.baudRate >> 8),
                                                       std::uint8_t(d.baudRate),
                                                       d.parity,
                                                       d.stopBits,
                                                       d.transmit,
                                                       d.selectRs485,
                                                       d.requireCts,
                                                       d.controlRts,
                                                       std::uint8_t(d.timeout),
                                                       std::uint8_t(d.pollTime >> 8),
                                                       std::uint8_t(d.pollTime),
                                                       std::uint8_t(d.maxStationNumber),
                                                       d.checksumType,
                                                       d.registersPerMessage,
                                                       d.coilsPerMessage,
                                                       d.linkSelector,
                                                       d.wiring,
                                                       d.byteOrder,
                                                       d.wordOrder,
                                                       d.characterOrder,
                                                       d.transmission,
                                                       d.protocolStyle,
                                                       d.enq};
        QCOMPARE(c.settings, settings);
        QCOMPARE(c.ByteOrder(), d.byteOrder);
        QCOMPARE(c.WordOrder(), d.wordOrder);
        QCOMPARE(c.devices.size(), d.devices.size());
        for (size_t i = 0; i < d.devices.size(); ++i) {
            const auto* written = reinterpret_cast<const char*>(c.devices[i].bytes.data());
            const auto* stored = reinterpret_cast<const char*>(d.devices[i].bytes.data());
            QCOMPARE(QByteArray(written, 16).toHex(' '), QByteArray(stored, 16).toHex(' '));
            QCOMPARE(c.devices[i].Station(), d.devices[i].bytes[0]);
        }
    }

    const RuntimeImage& image_;
    CTessanApp& app_;
    const CProjectModel& m_;
    QHash<QChar, RuntimeChar> glyphs_;
};

RegisterRef Ref(const QString& device, const QString& area, int address, int bit = 0)
{
    RegisterRef r;
    r.deviceName = device;
    r.area = area;
    r.address = address;
    r.bitNumber = bit;
    r.radix = 1;
    return r;
}

// A project with objects of every kind and non-default fields, keys of every
// function with descriptions, alarms, several devices, PLC <-> Panel settings,
// panel settings and a password.
void BuildFullProject(CCompileTestProject& p)
{
    CProjectModel& m = p.App().model;
    CDeviceInfo& dev = m.Devices();
    dev.devices[0].bytes[0] = 3;
    for (int i = 1; i <= 5; ++i)
        dev.AddDevice(QStringLiteral("PLC%1").arg(i)).bytes[0] = std::uint8_t(10 + i);
    dev.AddDevice(QStringLiteral("PLC2")).bytes[0] = 22; // the last of that name counts
    dev.devices.back().bytes[15] = 0x5A;
    dev.baudRate = 16384;
    dev.parity = 2;
    dev.stopBits = 2;
    dev.transmit = 1;
    dev.selectRs485 = 0;
    dev.requireCts = 0;
    dev.controlRts = 0;
    dev.checksumType = 1;
    dev.registersPerMessage = 16;
    dev.coilsPerMessage = 32;
    dev.linkSelector = 1;
    dev.wiring = 1;
    dev.byteOrder = 1;
    dev.wordOrder = 1;
    dev.characterOrder = 1;
    dev.transmission = 1;
    dev.protocolStyle = 3;
    dev.enq = 0;
    dev.timeout = 0x0123;
    dev.pollTime = 500;
    dev.maxStationNumber = 0x0189;

    CPanelConfigInfo& pc = m.panelManager.panelConfig;
    pc.startScreenNumber = 2;
    pc.logScreenEnabled = 1;
    pc.logScreenNumber = 7;
    pc.logTimer = 45;
    pc.screenProtectTime = 7;
    pc.protectShowsScreen = 0;
    pc.protectScreenNumber = 2;
    pc.functionKeyBeep = 0;
    pc.dwordExchange = 1;

    CPLCAndPanelAlternation& ex = m.plcAndPanel;
    ex.optionPassword = QStringLiteral("4711");
    ex.panelToPlcEnabled = 1;
    ex.panelToPlc = Ref(QStringLiteral("PLC5"), QStringLiteral("R"), 0300);
    ex.plcToPanelEnabled = 1;
    ex.beepControlEnabled = 0;
    ex.plcToPanel = Ref(QStringLiteral("PLC2"), QStringLiteral("R"), 0400);

    std::vector<std::unique_ptr<CDiagramEntity>> every;
    for (int kind = 0; kind < kObjectKindCount; ++kind)
        every.push_back(ScreenTestObjects::NonDefault(kind));
    p.AddScreen(1, std::move(every));
    std::vector<std::unique_ptr<CDiagramEntity>> plain;
    for (int kind = 0; kind < kObjectKindCount; ++kind) {
        auto o = CreateObjectOfKind(kind, &m);
        o->SetRect(2 * kind, kind, 2 * kind + 24, kind + 16);
        plain.push_back(std::move(o));
    }
    plain.push_back(ScreenTestObjects::Numeric(QStringLiteral("n"), QStringLiteral("PLC2")));
    plain.push_back(ScreenTestObjects::Light(QStringLiteral("l"), QStringLiteral("NONE")));
    p.AddScreen(2, std::move(plain));
    p.AddScreen(7);

    CScreenObject& s1 = *m.FindScreen(1);
    s1.screenChange = {7, 2};
    CFunKeyParams& f1 = s1.keys[0];
    f1.used = 1;
    f1.password = 1;
    f1.functionType = 0;
    f1.setCoil.coil = Ref(QStringLiteral("PLC1"), QStringLiteral("M"), 010, 2);
    f1.setCoil.action = 3;
    f1.showDescription = 1;
    f1.description = QStringLiteral("Pump ON");
    CFunKeyParams& f2 = s1.keys[1];
    f2.used = 1;
    f2.functionType = 1;
    f2.setReg.reg = Ref(QStringLiteral("PLC2"), QStringLiteral("V"), 0100);
    f2.setReg.quantity = 2;
    f2.setReg.value = int(0x89ABCDEFu);
    f2.showDescription = 1;
    f2.description = QStringLiteral("\u6E29\u5EA6 ON \u6E29");
    CFunKeyParams& f3 = s1.keys[2];
    f3.used = 1;
    f3.functionType = 2;
    f3.screenChg.target = 0;
    f3.screenChg.screenNumber = 2;
    f3.showDescription = 1; // an empty text
    CFunKeyParams& f4 = s1.keys[3];
    f4.used = 1;
    f4.password = 1;
    f4.functionType = 3;
    f4.advanced.device.deviceName = QStringLiteral("PLC3");
    f4.advanced.command = 1;
    f4.description = QStringLiteral("hidden"); // not shown: not written
    CScreenObject& s2 = *m.FindScreen(2);
    s2.screenChange = {1, 1};
    s2.keys[4].used = 1;
    s2.keys[4].functionType = 2;
    s2.keys[4].screenChg.target = 1;
    s2.keys[4].showDescription = 1;
    s2.keys[4].description = QStringLiteral("Alarms");
    m.FindScreen(7)->screenChange = {2, 1};

    CAlarmObject a(&m);
    a.coil = Ref(QStringLiteral("PLC4"), QStringLiteral("M"), 0100, 1);
    a.message = QStringLiteral("Pump fault");
    CAlarmObject b = a;
    b.coil = Ref(QStringLiteral("PLC1"), QStringLiteral("M"), 0101);
    b.message = QStringLiteral("\u6E29\u5EA6 high");
    CAlarmObject c = a;
    c.message = QStringLiteral("A");
    m.alarms.items = {a, b, c};
}

// The 32-bit big-endian value at `at` replaced.
void Put32(QByteArray& b, qsizetype at, quint32 v)
{
    for (int i = 0; i < 4; ++i)
        b[at + i] = char(v >> (24 - 8 * i));
}

void Put16(QByteArray& b, qsizetype at, quint32 v)
{
    b[at] = char(v >> 8);
    b[at + 1] = char(v);
}

// Reads bytes that must not decode; the error must name `image` (any image
// when empty) and, when `at` is not negative, the byte.
QString ExpectDamage(const QByteArray& bytes, const QString& image = QString(), qint64 at = -1)
{
    RuntimeImage kept;
    kept.screens.resize(1);
    kept.screens[0].number = 4242;
    QString error;
    if (ReadRuntimeImage(bytes, kept, &error))
        return QStringLiteral("decoded");
    const QRegularExpressionMatch match = kDamage.match(error);
    if (!match.hasMatch())
        return QStringLiteral("unclear error: ") + error;
    if (!image.isEmpty() && match.captured(1) != image)
        return QStringLiteral("wrong image: ") + error;
    if (at >= 0 && match.captured(2).toLongLong() != at)
        return QStringLiteral("wrong byte: ") + error;
    if (match.captured(2).toLongLong() > bytes.size())
        return QStringLiteral("byte beyond the image: ") + error;
    if (kept.screens.size() != 1 || kept.screens[0].number != 4242)
        return QStringLiteral("the caller's image was changed");
    return QString();
}

} // namespace

class TestRuntimeImageReader : public QObject
{
    Q_OBJECT

private slots:
    void recordsMatchTheirProject();
    void exampleProjectDecodes();
    void everyTruncationIsDamage();
    void damagedCountsAndOffsets();
    void randomDamageNeverEscapes();
    void anySizeDecodes();

private:
    // A compiled full project, made once.
    QByteArray FullImage();
    QByteArray full_;
};

QByteArray TestRuntimeImageReader::FullImage()
{
    if (full_.isEmpty()) {
        CCompileTestProject p;
        BuildFullProject(p);
        if (p.Compile())
            full_ = p.App().runtimeImage;
    }
    return full_;
}

void TestRuntimeImageReader::recordsMatchTheirProject()
{
    CCompileTestProject p;
    BuildFullProject(p);
    QVERIFY(p.Compile());
    RuntimeImage image;
    QString error = QStringLiteral("stale");
    QVERIFY2(ReadRuntimeImage(p.App().runtimeImage, image, &error), qPrintable(error));
    QVERIFY(error.isEmpty());
    CProjectComparison(image, p.App()).Run();
    if (QTest::currentTestFailed())
        return;

    // Spot checks of what the comparison takes from the model's rules.
    QCOMPARE(image.header.PasswordDigits(), QStringLiteral("00004711"));
    QCOMPARE(image.header.panelToPlc.device, std::uint8_t(15));
    QCOMPARE(image.header.plcToPanel.device, std::uint8_t(22));
    const RuntimeScreen* s1 = image.FindScreen(1);
    QVERIFY(s1);
    QCOMPARE(s1->objects.size(), size_t(kObjectKindCount));
    QCOMPARE(s1->keys[3].device, std::uint8_t(13));
    QVERIFY(s1->keys[3].description.empty());
    QCOMPARE(s1->keys[1].description.size(), size_t(7));
    QVERIFY(s1->keys[1].description[0].wide);
    QVERIFY(!s1->keys[1].description[3].wide);
    QCOMPARE(s1->keys[1].description[0], s1->keys[1].description[6]);
    QCOMPARE(s1->keys[1].description[2], s1->keys[1].description[5]);
    // Records follow one another after the five key descriptions.
    QCOMPARE(s1->objects[1].recordOffset, s1->objects[0].recordOffset + 8);
    const RuntimeScreen* s2 = image.FindScreen(2);
    QVERIFY(s2);
    QCOMPARE(s2->objects.back().reg.device, std::uint8_t(0xFF));
    QCOMPARE(s2->objects[s2->objects.size() - 2].reg.device, std::uint8_t(22));
    QCOMPARE(image.screens.front().number, std::uint16_t(1));
    QCOMPARE(image.screens.back().number, std::uint16_t(7));
    QVERIFY(image.FindScreen(7)->objects.empty());
    QCOMPARE(image.FindScreen(7)->offset, image.FindScreen(2)->objects.back().recordOffset + 7);
    QCOMPARE(image.alarms.device, std::uint8_t(14));
    QCOMPARE(image.comm.devices.back().bytes[15], std::uint8_t(0x5A));
}

void TestRuntimeImageReader::exampleProjectDecodes()
{
    // Opening writes a backup beside the package: work on a copy.
    QTemporaryDir out;
    QVERIFY(QFile::copy(QStringLiteral(QV_SOURCE_DIR "/examples/Example.cgp"),
                        out.path() + QStringLiteral("/Example.cgp")));
    CTestProgramFolder f;
    CTessanApp& app = f.App();
    QVERIFY(CProjectStorage(app).OpenProject(out.path(), QStringLiteral("Example")));
    CRecordingReporter reporter;
    CCompiler compiler(app, &reporter);
    compiler.SetFinalPause(0);
    QVERIFY(compiler.Run());
    RuntimeImage image;
    QString error;
    QVERIFY2(ReadRuntimeImage(app.runtimeImage, image, &error), qPrintable(error));
    CProjectComparison(image, app).Run();
}

void TestRuntimeImageReader::everyTruncationIsDamage()
{
    const QByteArray full = FullImage();
    QVERIFY(full.size() > 1000);
    for (qsizetype n = 0; n < full.size(); ++n) {
        const QByteArray cut = full.left(n);
        const QString bad = ExpectDamage(cut);
        QVERIFY2(bad.isEmpty(), qPrintable(QStringLiteral("length %1: %2").arg(n).arg(bad)));
        // The same cut with a total length that agrees: found further in.
        if (n >= 55) {
            QByteArray fixed = cut;
            Put32(fixed, 1, quint32(n));
            const QString deeper = ExpectDamage(fixed);
            QVERIFY2(deeper.isEmpty(),
                     qPrintable(QStringLiteral("length %1: %2").arg(n).arg(deeper)));
        }
    }

    // One image shortened from its end, the header's offsets and total made
    // to agree: the damage is found in that image. The font and bitmap
    // images hold any number of bytes, so only their 16-byte header counts.
    const char* names[] = {"screen image", "alarm image", "font image", "bitmap image",
                           "communication image"};
    for (int i = 0; i < 5; ++i) {
        const quint32 begin = U32(full, 35 + 4 * i);
        const quint32 end = i < 4 ? U32(full, 35 + 4 * (i + 1)) : quint32(full.size());
        for (quint32 k = 1; k <= end - begin; ++k) {
            QByteArray b = full.left(end - k) + full.mid(end);
            Put32(b, 1, quint32(b.size()));
            for (int j = i + 1; j < 5; ++j)
                Put32(b, 35 + 4 * j, U32(full, 35 + 4 * j) - k);
            const bool free = (i == 2 || i == 3) && end - k - begin >= 16;
            RuntimeImage image;
            QString error;
            if (free) {
                QVERIFY2(ReadRuntimeImage(b, image, &error), qPrintable(error));
                continue;
            }
            const QString bad = ExpectDamage(b, QLatin1String(names[i]));
            QVERIFY2(
                bad.isEmpty(),
                qPrintable(
                    QStringLiteral("%1 less %2: %3").arg(QLatin1String(names[i])).arg(k).arg(bad)));
        }
    }
}

void TestRuntimeImageReader::damagedCountsAndOffsets()
{
    const QByteArray full = FullImage();
    QVERIFY(!full.isEmpty());
    RuntimeImage image;
    QString error;
    QVERIFY(ReadRuntimeImage(full, image, &error));
    const qsizetype screens = U32(full, 35), alarms = U32(full, 39), font = U32(full, 43),
                    bitmaps = U32(full, 47), comm = U32(full, 51);
    const RuntimeScreen& s1 = image.screens[0];
    const RuntimeScreen& s2 = image.screens[1];
    const qsizetype record1 = screens + s1.offset;
    const qsizetype object1 = screens + s1.objects[3].recordOffset;

    struct Case
    {
        const char* what;
        std::function<void(QByteArray&)> damage;
        const char* image;
        qint64 at;
    };
    const std::vector<Case> cases = {
        {"longer total", [](QByteArray& b) { Put32(b, 1, quint32(b.size() + 1)); },
         "project header", 1},
        {"one more byte", [](QByteArray& b) { b.append('\0'); }, "project header", 1},
        {"header type", [](QByteArray& b) { b[0] = 1; }, "project header", 0},
        {"screen image offset", [](QByteArray& b) { Put32(b, 35, 56); }, "screen image", 35},
        {"alarm image before the screen image's header",
         [&](QByteArray& b) { Put32(b, 39, quint32(screens + 15)); }, "screen image", 35},
        {"communication image past the end",
         [&](QByteArray& b) { Put32(b, 51, quint32(b.size() + 100)); }, "communication image", 51},
        {"offsets out of order", [&](QByteArray& b) { Put32(b, 47, quint32(font - 1)); },
         "font image", 43},
        {"screen type", [&](QByteArray& b) { b[screens] = 2; }, "screen image", screens},
        {"screen count", [&](QByteArray& b) { Put16(b, screens + 1, 0xFFFF); }, "screen image",
         screens + 1},
        {"one screen less", [&](QByteArray& b) { Put16(b, screens + 1, 2); }, "screen image", -1},
        {"screen table offset",
         [&](QByteArray& b) { Put32(b, screens + 16 + 6 + 2, s2.offset + 1); }, "screen image",
         screens + 16 + 6 + 2},
        {"screen record number", [&](QByteArray& b) { Put16(b, record1 + 1, 9); }, "screen image",
         record1 + 1},
        {"object count", [&](QByteArray& b) { Put16(b, record1 + 7, 0xFFFF); }, "screen image",
         record1 + 7},
        {"object kind", [&](QByteArray& b) { b[object1] = 8; }, "screen image", object1},
        {"object kind 0xFF", [&](QByteArray& b) { b[object1] = char(0xFF); }, "screen image",
         object1},
        {"description count", [&](QByteArray& b) { b[record1 + 106 + 1] = char(0xFF); },
         "screen image", -1},
        {"width flag", [&](QByteArray& b) { b[record1 + 106 + 2] = 0x12; }, "screen image",
         record1 + 106 + 2},
        {"alarm type", [&](QByteArray& b) { b[alarms] = 0; }, "alarm image", alarms},
        {"alarm count", [&](QByteArray& b) { Put16(b, alarms + 3, 0xFFFF); }, "alarm image",
         alarms + 3},
        {"alarm count one less", [&](QByteArray& b) { Put16(b, alarms + 3, 2); }, "alarm image",
         -1},
        {"alarm text count", [&](QByteArray& b) { b[alarms + 18] = char(200); }, "alarm image",
         alarms + 18},
        {"font type", [&](QByteArray& b) { b[font] = 4; }, "font image", font},
        {"bitmap type", [&](QByteArray& b) { b[bitmaps] = 3; }, "bitmap image", bitmaps},
        {"communication type", [&](QByteArray& b) { b[comm] = 1; }, "communication image", comm},
        {"device count", [&](QByteArray& b) { b[comm + 2] = char(b[comm + 2] + 1); },
         "communication image", comm + 2},
        {"no devices", [&](QByteArray& b) { b[comm + 2] = 0; }, "communication image", comm + 2},
    };
    for (const Case& c : cases) {
        QByteArray b = full;
        c.damage(b);
        const QString bad = ExpectDamage(b, QLatin1String(c.image), c.at);
        QVERIFY2(bad.isEmpty(), qPrintable(QLatin1String(c.what) + QStringLiteral(": ") + bad));
    }

    // The message says what it found.
    QByteArray b = full;
    b[object1] = 8;
    QVERIFY(!ReadRuntimeImage(b, image, &error));
    QCOMPARE(error, QStringLiteral("The screen image is damaged at byte %1: object 4 of screen 1 "
                                   "has the kind code 8, not 0 to 7.")
                        .arg(object1));
    QVERIFY(!ReadRuntimeImage(QByteArray(), image, nullptr));
}

void TestRuntimeImageReader::randomDamageNeverEscapes()
{
    // Bytes overwritten at random (a fixed seed): the reader either decodes
    // or reports a damaged image; the sanitizer build sees every read.
    const QByteArray full = FullImage();
    QVERIFY(!full.isEmpty());
    QRandomGenerator random(20240611);
    int decoded = 0, damaged = 0;
    for (int round = 0; round < 3000; ++round) {
        QByteArray b = full;
        const int changes = 1 + int(random.bounded(4));
        for (int i = 0; i < changes; ++i)
            b[qsizetype(random.bounded(quint32(b.size())))] = char(random.bounded(256));
        RuntimeImage image;
        QString error;
        if (ReadRuntimeImage(b, image, &error)) {
            ++decoded;
            QVERIFY(error.isEmpty());
            for (const RuntimeScreen& s : image.screens)
                for (const RuntimeObject& o : s.objects)
                    (void)image.Picture(o.pictureOffset, o.w, o.h);
        } else {
            ++damaged;
            QVERIFY2(kDamage.match(error).hasMatch(), qPrintable(error));
        }
    }
    QVERIFY(decoded > 0);
    QVERIFY(damaged > 0);
}

void TestRuntimeImageReader::anySizeDecodes()
{
    // Far beyond the panel's memory: bitmap data of 200,000 more bytes.
    const QByteArray full = FullImage();
    QVERIFY(!full.isEmpty());
    const qsizetype comm = U32(full, 51);
    QByteArray big = full.left(comm) + QByteArray(200000, '\x5A') + full.mid(comm);
    Put32(big, 1, quint32(big.size()));
    Put32(big, 51, quint32(comm + 200000));
    RuntimeImage image;
    QString error;
    QVERIFY2(ReadRuntimeImage(big, image, &error), qPrintable(error));
    QCOMPARE(image.bitmapData.size(), comm - U32(full, 47) - 16 + 200000);
    // A picture at the far end is inside; one byte further is not.
    const std::uint32_t last = std::uint32_t(image.bitmapData.size() - 16);
    QVERIFY(image.Picture(last, 8, 16));
    QVERIFY(!image.Picture(last + 1, 8, 16));
    QVERIFY(!image.Picture(0, -1, 8));
    // A glyph offset past the font image is kept as written and found outside.
    RuntimeChar far;
    far.glyphOffset = 0xFFF0;
    QVERIFY(!image.Glyph(far));
}

QTEST_MAIN(TestRuntimeImageReader)
#include "test_runtime_image_reader.moc"
