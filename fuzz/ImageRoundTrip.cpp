#include "ImageRoundTrip.h"
#include "compiler/HZLib.h"
#include "project/ProjectModel.h"
#include "project/ProtocolTables.h"
#include "runtime/RuntimeImage.h"
#include "screen/DiagramEntityContainer.h"
#include "screen/ObjectBarMeter.h"
#include "screen/ObjectDynamicText.h"
#include "screen/ObjectIndicatorLight.h"
#include "screen/ObjectNumeric.h"
#include "screen/ObjectStaticBitmap.h"
#include "screen/ObjectStaticText.h"
#include "screen/ObjectString.h"
#include "screen/ObjectTrendMeter.h"

#include <algorithm>
#include <cstring>

namespace ImageRoundTrip {

namespace {

// The first difference found, with where it lies.
class CDifferences
{
public:
    CDifferences(const CProjectModel& model, const CHZLib& font, const RuntimeImage& image)
        : model_(model),
          font_(font),
          image_(image)
    {}

    void Field(const QString& where, qint64 read, qint64 expected)
    {
        if (read != expected && first_.isEmpty())
            first_ = QStringLiteral("%1: read %2, expected %3").arg(where).arg(read).arg(expected);
    }
    void Fail(const QString& where)
    {
        if (first_.isEmpty())
            first_ = where;
    }

    // A register field: the station number of the last device of that
    // name (0xFF for none) and the area's base + address + bit, 16 bits.
    void Register(const QString& where, const RuntimeRegister& read, const RegisterRef& ref)
    {
        Field(where + QStringLiteral(" device"), read.device, Device(ref.deviceName));
        Field(where + QStringLiteral(" address"), read.address, Address(ref));
    }
    std::uint8_t Device(const QString& name) const
    {
        std::uint8_t device = 0xFF;
        for (const CSingleDeviceInfo& d : model_.Devices().devices)
            if (d.name == name)
                device = d.bytes[0];
        return device;
    }
    std::uint16_t Address(const RegisterRef& ref) const
    {
        const ProtocolTables::Protocol* protocol =
            ProtocolTables::FindProtocol(model_.info.plcType);
        if (!protocol)
            return 0;
        const std::optional<quint16> base = ProtocolTables::BaseAddress(*protocol, ref.area);
        if (!base)
            return 0;
        return std::uint16_t(quint32(*base) + quint32(ref.address) + quint32(ref.bitNumber));
    }

    // A text: one glyph reference per UTF-16 unit into the font library, the
    // glyph in the font image the library's.
    void Text(const QString& where, const RuntimeText& read, const QString& text)
    {
        Field(where + QStringLiteral(" length"), qint64(read.size()), text.size() & 0xFF);
        if (qsizetype(read.size()) != text.size())
            return;
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QString at = QStringLiteral("%1 character %2").arg(where).arg(i);
            const CHZLib::Found found = font_.Find(text[i]);
            if (found.index < 0) {
                Fail(at + QStringLiteral(" is not in the font library"));
                return;
            }
            const QByteArray& glyph = font_.Item(found.index).glyph;
            const RuntimeChar& c = read[size_t(i)];
            Field(at + QStringLiteral(" glyph offset"), c.glyphOffset, quint16(found.offset));
            Field(at + QStringLiteral(" width"), c.wide ? 32 : 16, glyph.size());
            const std::uint8_t* bytes = image_.Glyph(c);
            if (!bytes || std::memcmp(bytes, glyph.constData(), size_t(glyph.size())) != 0)
                Fail(at + QStringLiteral(" glyph differs from the font library's"));
        }
    }

    // A picture: the bytes kept with the object lie at its offset.
    void Picture(const QString& where, std::uint32_t offset, const QByteArray& kept)
    {
        if (kept.isEmpty())
            return;
        if (qint64(offset) + kept.size() > image_.bitmapData.size()
            || std::memcmp(image_.bitmapData.constData() + offset, kept.constData(),
                           size_t(kept.size()))
                   != 0)
            Fail(where + QStringLiteral(" picture differs from the one kept with its object"));
    }

    QString First() const { return first_; }

private:
    const CProjectModel& model_;
    const CHZLib& font_;
    const RuntimeImage& image_;
    QString first_;
};

std::uint8_t low8(qint64 v)
{
    return std::uint8_t(v);
}

std::uint8_t bit(int flag, std::uint8_t mask)
{
    return flag != 0 ? mask : 0;
}

// Flag bits of a DEC value: bit 1 signed, bit 0 DEC.
std::uint8_t decBits(int model, int isSigned)
{
    return model == 0 ? std::uint8_t(0x01 | (isSigned ? 0x02 : 0)) : 0;
}

void compareHeader(CDifferences& d, const CProjectModel& model, const RuntimeProjectHeader& h)
{
    const CPanelConfigInfo& panel = model.panelManager.panelConfig;
    const CPLCAndPanelAlternation& exchange = model.plcAndPanel;
    d.Field(QStringLiteral("start screen"), h.startScreen, panel.startScreenNumber);
    d.Field(QStringLiteral("mark"), h.mark, 0x56);
    const std::uint8_t flags =
        bit(panel.dwordExchange, 0x80) | (panel.protectShowsScreen == 1 ? 0x08 : 0)
        | (panel.protectShowsScreen == 0 ? 0x04 : 0) | bit(panel.functionKeyBeep, 0x02)
        | bit(panel.logScreenEnabled, 0x01);
    d.Field(QStringLiteral("panel flags"), h.panelFlags, flags);
    d.Field(QStringLiteral("protect screen"), h.protectScreen, panel.protectScreenNumber);
    d.Field(QStringLiteral("log screen"), h.logScreen, panel.logScreenNumber);
    d.Field(QStringLiteral("log timer"), h.logTimer, low8(panel.logTimer));
    d.Field(QStringLiteral("protect time"), h.protectTimeIndex, panel.screenProtectTime);
    // The last eight digits, right-aligned, two to a byte.
    const QString digits = QString(8, QLatin1Char('0')) + exchange.optionPassword;
    const QString last = digits.right(8);
    for (int i = 0; i < 4; ++i)
        d.Field(QStringLiteral("password byte %1").arg(i), h.packedPassword[size_t(i)],
                ((last[2 * i].unicode() - u'0') & 0x0F) << 4
                    | ((last[2 * i + 1].unicode() - u'0') & 0x0F));
    d.Field(QStringLiteral("panel-to-PLC flag"), h.panelToPlcEnabled,
            exchange.panelToPlcEnabled ? 1 : 0);
    d.Register(QStringLiteral("panel-to-PLC word"), h.panelToPlc, exchange.panelToPlc);
    d.Field(QStringLiteral("PLC-to-panel flags"), h.plcToPanelFlags,
            bit(exchange.plcToPanelEnabled, 0x02) | bit(exchange.beepControlEnabled, 0x01));
    d.Register(QStringLiteral("PLC-to-panel word"), h.plcToPanel, exchange.plcToPanel);
}

void compareKey(CDifferences& d, const QString& where, const RuntimeFunctionKey& k,
                const CFunKeyParams& key)
{
    d.Field(where + QStringLiteral(" flags"), k.flags,
            low8(bit(key.used, 0x80) + bit(key.password, 0x40) + qint64(key.functionType)));
    d.Register(where + QStringLiteral(" coil"), k.coil, key.setCoil.coil);
    d.Field(where + QStringLiteral(" coil action"), k.coilAction, low8(key.setCoil.action));
    d.Register(where + QStringLiteral(" register"), k.reg, key.setReg.reg);
    d.Field(where + QStringLiteral(" quantity"), k.quantity, low8(key.setReg.quantity));
    d.Field(where + QStringLiteral(" value"), k.value, quint32(key.setReg.value));
    d.Field(where + QStringLiteral(" target"), k.target, low8(key.screenChg.target));
    d.Field(where + QStringLiteral(" target screen"), k.targetScreen,
            std::uint16_t(key.screenChg.screenNumber));
    d.Field(where + QStringLiteral(" command"), k.command, low8(key.advanced.command));
    d.Field(where + QStringLiteral(" device"), k.device, d.Device(key.advanced.device.deviceName));
    d.Field(where + QStringLiteral(" shows description"), k.showDescription,
            low8(key.showDescription));
    if (low8(key.showDescription) != 0)
        d.Text(where + QStringLiteral(" description"), k.description, key.description);
}

void compareObject(CDifferences& d, const QString& where, const RuntimeObject& o,
                   const CDiagramEntity& object)
{
    const PaperRect r = object.GetRect();
    d.Field(where + QStringLiteral(" kind"), o.kind, object.Kind());
    d.Field(where + QStringLiteral(" x"), o.x, low8(r.left));
    d.Field(where + QStringLiteral(" y"), o.y, low8(r.top));
    const bool box = object.Kind() <= OBJ_TREND_METER;
    if (box) {
        d.Field(where + QStringLiteral(" width"), o.w, low8(qint64(r.right) - r.left));
        d.Field(where + QStringLiteral(" height"), o.h, low8(qint64(r.bottom) - r.top));
    }
    auto range = [&](const RegisterValueProperties& p) {
        d.Field(where + QStringLiteral(" maximum"), o.maximum, p.maximum);
        d.Field(where + QStringLiteral(" minimum"), o.minimum, p.minimum);
    };
    switch (object.Kind()) {
    case OBJ_STATIC_TEXT:
    case OBJ_STATIC_BITMAP: d.Picture(where, o.pictureOffset, object.bitmapBytes); break;
    case OBJ_DYNAMIC_TEXT: {
        const auto& t = static_cast<const CObjectDynamicText&>(object);
        d.Register(where + QStringLiteral(" register"), o.reg, t.reg);
        d.Field(where + QStringLiteral(" model"), o.model, low8(t.model));
        d.Field(where + QStringLiteral(" entries"), o.entries, low8(t.texts.size()));
        d.Picture(where, o.pictureOffset, object.bitmapBytes);
        break;
    }
    case OBJ_BAR_METER: {
        const auto& m = static_cast<const CObjectBarMeter&>(object);
        d.Register(where + QStringLiteral(" register"), o.reg, m.reg);
        d.Field(where + QStringLiteral(" register count"), o.registerCount, low8(m.registerCount));
        d.Field(where + QStringLiteral(" flags A"), o.flagsA,
                low8((m.direction & 0x0F) << 2 | decBits(m.model, m.isSigned)));
        d.Field(where + QStringLiteral(" flags B"), o.flagsB,
                low8((m.decimalPlaces & 0x0F) << 4 | bit(m.isFloat, 0x01)));
        range(m);
        break;
    }
    case OBJ_TREND_METER: {
        const auto& m = static_cast<const CObjectTrendMeter&>(object);
        d.Register(where + QStringLiteral(" register"), o.reg, m.reg);
        d.Field(where + QStringLiteral(" flags C"), o.flagsC,
                low8((m.decimalPlaces & 0x0F) << 4 | (m.registerCount != 1 ? 0x08 : 0)
                     | bit(m.isFloat, 0x04) | decBits(m.model, m.isSigned)));
        d.Field(where + QStringLiteral(" data points"), o.dataPoints, low8(m.dataPoints));
        d.Field(where + QStringLiteral(" interval"), o.interval, std::uint16_t(m.interval));
        range(m);
        break;
    }
    case OBJ_INDICATOR_LIGHT: {
        const auto& l = static_cast<const CObjectIndicatorLight&>(object);
        d.Register(where + QStringLiteral(" coil"), o.reg, l.coil);
        d.Field(where + QStringLiteral(" flags D"), o.flagsD,
                bit(l.doubleSize, 0x04) | bit(l.inversion, 0x02) | bit(l.shape, 0x01));
        break;
    }
    case OBJ_NUMERIC: {
        const auto& n = static_cast<const CObjectNumeric&>(object);
        d.Register(where + QStringLiteral(" register"), o.reg, n.reg);
        d.Field(where + QStringLiteral(" flags E"), o.flagsE,
                bit(n.set, 0x80) | bit(n.encrypt, 0x40) | (n.registerCount != 1 ? 0x20 : 0)
                    | bit(n.isFloat, 0x10) | bit(n.inversion, 0x08) | bit(n.doubleSize, 0x04)
                    | bit(n.isSigned, 0x02) | (n.model == 0 ? 0x01 : 0));
        d.Field(where + QStringLiteral(" digits byte"), o.digitsByte,
                low8((n.decimalPlaces & 0x0F) << 4 | (n.digits & 0x0F)));
        d.Field(where + QStringLiteral(" flags F"), o.flagsF,
                bit(n.leadingZeros, 0x80) | bit(n.rangeCheck, 0x01));
        range(n);
        break;
    }
    case OBJ_STRING: {
        const auto& s = static_cast<const CObjectString&>(object);
        d.Register(where + QStringLiteral(" register"), o.reg, s.reg);
        d.Field(where + QStringLiteral(" flags G"), o.flagsG,
                low8(bit(s.doubleSize, 0x80) + bit(s.inversion, 0x40) + qint64(s.stringCount)));
        d.Field(where + QStringLiteral(" register count"), o.registerCount, low8(s.registerCount));
        break;
    }
    default: break;
    }
}

void compareScreens(CDifferences& d, const CProjectModel& model,
                    const std::map<int, std::shared_ptr<CDiagramEntityContainer>>& held,
                    const std::vector<RuntimeScreen>& screens)
{
    // The screen table is in ascending screen order.
    std::vector<const CScreenObject*> expected;
    for (const auto& s : model.screens)
        expected.push_back(s.get());
    std::sort(expected.begin(), expected.end(),
              [](const CScreenObject* a, const CScreenObject* b) { return a->number < b->number; });
    d.Field(QStringLiteral("screen count"), qint64(screens.size()), qint64(expected.size()));
    if (screens.size() != expected.size())
        return;
    for (size_t i = 0; i < screens.size(); ++i) {
        const RuntimeScreen& s = screens[i];
        const CScreenObject& screen = *expected[i];
        const QString where = QStringLiteral("screen %1").arg(screen.number);
        d.Field(where + QStringLiteral(" number"), s.number, std::uint16_t(screen.number));
        d.Field(where + QStringLiteral(" next"), s.next, std::uint16_t(screen.screenChange.next));
        d.Field(where + QStringLiteral(" previous"), s.previous,
                std::uint16_t(screen.screenChange.previous));
        for (int k = 0; k < 5; ++k)
            compareKey(d, where + QStringLiteral(" F%1").arg(k + 1), s.keys[size_t(k)],
                       screen.keys[size_t(k)]);
        const auto found = held.find(screen.number);
        const int count = found == held.end() ? 0 : found->second->GetSize();
        d.Field(where + QStringLiteral(" object count"), qint64(s.objects.size()), count);
        if (qint64(s.objects.size()) != count)
            continue;
        for (int j = 0; j < count; ++j)
            compareObject(d, where + QStringLiteral(" object %1").arg(j), s.objects[size_t(j)],
                          *found->second->GetAt(j));
    }
}

void compareAlarms(CDifferences& d, const CProjectModel& model, const RuntimeAlarms& a)
{
    const auto& items = model.alarms.items;
    d.Field(QStringLiteral("alarm count"), qint64(a.alarms.size()), qint64(items.size()));
    if (a.alarms.size() != items.size())
        return;
    if (items.empty()) {
        d.Field(QStringLiteral("alarm coil"), a.firstCoilAddress, 0);
        d.Field(QStringLiteral("alarm device"), a.device, 0);
        return;
    }
    d.Register(QStringLiteral("alarm coil"), RuntimeRegister{a.device, a.firstCoilAddress},
               items.front().coil);
    for (size_t i = 0; i < items.size(); ++i) {
        const QString where = QStringLiteral("alarm %1").arg(i + 1);
        d.Field(where + QStringLiteral(" number"), a.alarms[i].number, qint64(i + 1));
        d.Text(where + QStringLiteral(" message"), a.alarms[i].message, items[i].message);
    }
}

void compareComm(CDifferences& d, const CDeviceInfo& info, const RuntimeComm& c)
{
    d.Field(QStringLiteral("current device"), c.currentDevice, low8(info.protocolCode));
    d.Field(QStringLiteral("baud rate"), c.BaudCode(), std::uint16_t(info.baudRate));
    d.Field(QStringLiteral("byte order"), c.ByteOrder(), info.byteOrder);
    d.Field(QStringLiteral("word order"), c.WordOrder(), info.wordOrder);
    d.Field(QStringLiteral("device count"), qint64(c.devices.size()), qint64(info.devices.size()));
    if (c.devices.size() != info.devices.size())
        return;
    for (size_t i = 0; i < c.devices.size(); ++i)
        for (size_t b = 0; b < 16; ++b)
            d.Field(QStringLiteral("device %1 byte %2").arg(i).arg(b), c.devices[i].bytes[b],
                    info.devices[i].bytes[b]);
}

} // namespace

QString Compare(const CProjectModel& model,
                const std::map<int, std::shared_ptr<CDiagramEntityContainer>>& screens,
                const CHZLib& font, const RuntimeImage& image)
{
    CDifferences d(model, font, image);
    compareHeader(d, model, image.header);
    compareScreens(d, model, screens, image.screens);
    compareAlarms(d, model, image.alarms);
    compareComm(d, model.Devices(), image.comm);
    return d.First();
}

} // namespace ImageRoundTrip
