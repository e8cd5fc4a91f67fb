#include "FuzzProject.h"
#include "app/TessanApp.h"
#include "project/ProtocolTables.h"
#include "screen/DiagramEntityContainer.h"
#include "screen/ObjectBarMeter.h"
#include "screen/ObjectDynamicText.h"
#include "screen/ObjectFactory.h"
#include "screen/ObjectIndicatorLight.h"
#include "screen/ObjectNumeric.h"
#include "screen/ObjectStaticBitmap.h"
#include "screen/ObjectStaticText.h"
#include "screen/ObjectString.h"
#include "screen/ObjectTrendMeter.h"

#include <QDir>
#include <QImage>

namespace FuzzProject {

namespace {

const QString kDeviceNames[] = {QStringLiteral("DEV001"), QStringLiteral("DEV002"),
                                QStringLiteral("PLC"), QStringLiteral("NONE")};

void fillRef(CFuzzBytes& in, const CProjectModel& model, RegisterRef& ref)
{
    ref.deviceName = kDeviceNames[in.Below(4)];
    const ProtocolTables::Protocol* protocol = ProtocolTables::FindProtocol(model.info.plcType);
    const auto areas = protocol ? ProtocolTables::MemoryAreas(*protocol)
                                : std::span<const ProtocolTables::MemoryArea>();
    const int pick = in.Below(int(areas.size()) + 1);
    ref.area = pick < int(areas.size()) ? QString::fromLatin1(areas[size_t(pick)].letters)
                                        : QStringLiteral("?");
    ref.address = in.Int();
    ref.bitNumber = in.Int();
    ref.bitOfWord = in.Flag();
    ref.radix = in.Below(4);
}

FontSpec font(CFuzzBytes& in)
{
    FontSpec f = FontSpec::Default();
    if (in.Flag()) {
        f.height = -(6 + in.Below(20));
        f.weight = in.Flag() ? 700 : 400;
        f.italic = in.Flag();
    }
    return f;
}

void fillValue(CFuzzBytes& in, const CProjectModel& model, RegisterValueProperties& p)
{
    fillRef(in, model, p.reg);
    p.registerCount = in.Int();
    p.isFloat = in.Flag();
    p.model = in.Int();
    p.isSigned = in.Flag();
    p.decimalPlaces = in.Int();
    p.minimum = in.U32();
    p.maximum = in.U32();
}

std::unique_ptr<CDiagramEntity> object(CFuzzBytes& in, const CProjectModel& model)
{
    const int kind = in.Below(kObjectKindCount);
    std::unique_ptr<CDiagramEntity> o = CreateObjectOfKind(kind, &model);
    // Edges mostly on the panel, some past it on either side.
    auto edge = [&in] { return int(std::int8_t(in.U8())) + 100; };
    const int left = edge(), top = edge() - 60;
    o->SetRect(left, top, left + in.Below(200) - 8, top + in.Below(80) - 8);
    switch (kind) {
    case OBJ_STATIC_TEXT: {
        auto& t = static_cast<CObjectStaticText&>(*o);
        t.text = in.Text(kMaxTextLength);
        t.font = font(in);
        t.inversion = in.Flag();
        break;
    }
    case OBJ_DYNAMIC_TEXT: {
        auto& t = static_cast<CObjectDynamicText&>(*o);
        fillRef(in, model, t.reg);
        t.texts.clear();
        for (int n = in.Below(kMaxEntries + 1); n > 0; --n)
            t.texts.append(in.Text(kMaxTextLength));
        t.font = font(in);
        t.inversion = in.Flag();
        t.model = in.Int();
        break;
    }
    case OBJ_STATIC_BITMAP: {
        auto& b = static_cast<CObjectStaticBitmap&>(*o);
        static const char* const kFiles[][2] = {{"BMP_Files\\Arrow", "arrow_16_16_RIGHT.bmp"},
                                                {"", "pic.bmp"},
                                                {"", "missing.bmp"},
                                                {"..", "escape.bmp"},
                                                {"BMP_Files\\Arrow", ""}};
        const int pick = in.Below(5);
        b.folder = QString::fromLatin1(kFiles[pick][0]);
        b.fileName = QString::fromLatin1(kFiles[pick][1]);
        b.scaling = in.Int();
        b.blackInversion = in.Flag();
        break;
    }
    case OBJ_BAR_METER: {
        auto& m = static_cast<CObjectBarMeter&>(*o);
        fillValue(in, model, m);
        m.direction = in.Int();
        break;
    }
    case OBJ_TREND_METER: {
        auto& m = static_cast<CObjectTrendMeter&>(*o);
        fillValue(in, model, m);
        m.dataPoints = in.Int();
        m.interval = in.Int();
        break;
    }
    case OBJ_INDICATOR_LIGHT: {
        auto& l = static_cast<CObjectIndicatorLight&>(*o);
        fillRef(in, model, l.coil);
        l.inversion = in.Flag();
        l.doubleSize = in.Flag();
        l.shape = in.Int();
        break;
    }
    case OBJ_NUMERIC: {
        auto& n = static_cast<CObjectNumeric&>(*o);
        fillValue(in, model, n);
        n.set = in.Flag();
        n.encrypt = in.Flag();
        n.rangeCheck = in.Flag();
        n.doubleSize = in.Flag();
        n.inversion = in.Flag();
        n.leadingZeros = in.Flag();
        n.digits = in.Int();
        break;
    }
    case OBJ_STRING: {
        auto& s = static_cast<CObjectString&>(*o);
        fillRef(in, model, s.reg);
        s.registerCount = in.Int();
        s.doubleSize = in.Flag();
        s.inversion = in.Flag();
        s.stringCount = in.Int();
        break;
    }
    default: break;
    }
    return o;
}

void fillKey(CFuzzBytes& in, const CProjectModel& model, CFunKeyParams& key)
{
    key.used = in.Flag();
    key.password = in.Flag();
    key.functionType = in.Below(5); // 4 is no function the editor offers
    fillRef(in, model, key.setCoil.coil);
    key.setCoil.action = in.Int();
    fillRef(in, model, key.setReg.reg);
    key.setReg.quantity = in.Int();
    key.setReg.value = int(in.U32());
    key.screenChg.target = in.Int();
    key.screenChg.screenNumber = in.Int();
    key.advanced.command = in.Int();
    key.advanced.device.deviceName = kDeviceNames[in.Below(4)];
    key.showDescription = in.Int();
    key.description = in.Text(13);
}

// A library bitmap and a project bitmap for the static bitmaps to show,
// written once per process.
void writePictures(const CTessanApp& app)
{
    static bool written = false;
    if (written)
        return;
    written = true;
    QImage arrow(16, 16, QImage::Format_RGB32);
    arrow.fill(Qt::white);
    for (int i = 0; i < 16; ++i)
        arrow.setPixel(i, i / 2, qRgb(0, 0, 0));
    const QString library = app.settings.Paths().programDir + QStringLiteral("/BMP_Files/Arrow");
    QDir().mkpath(library);
    arrow.save(library + QStringLiteral("/arrow_16_16_RIGHT.bmp"), "BMP");
    QImage wide(300, 40, QImage::Format_RGB32);
    wide.fill(Qt::black);
    for (int x = 0; x < 300; x += 3)
        wide.setPixel(x, x % 40, qRgb(255, 255, 255));
    QDir().mkpath(app.ProjectFolder());
    wide.save(app.ProjectFolder() + QStringLiteral("/pic.bmp"), "BMP");
}

} // namespace

std::map<int, std::shared_ptr<CDiagramEntityContainer>> Build(CTessanApp& app, CFuzzBytes& in)
{
    app.ResetProjectModel(QStringLiteral("F"), QStringLiteral("/nowhere"),
                          QString::fromLatin1(ProtocolTables::kPanelRU03),
                          in.Flag() ? QString::fromLatin1(ProtocolTables::kVardoVSequence)
                                    : QStringLiteral("Unknown PLC"));
    CProjectModel& model = app.model;
    writePictures(app);

    CDeviceInfo& devices = model.Devices();
    for (int n = in.Below(kMaxDevices); n > 0; --n) {
        CSingleDeviceInfo& d = devices.AddDevice(kDeviceNames[in.Below(4)]);
        for (int i = 0; i < 16; i += 1 + in.Below(4))
            d.bytes[size_t(i)] = in.U8();
    }
    devices.protocolCode = in.Int();
    devices.baudRate = in.Int();
    devices.parity = in.U8();
    devices.timeout = in.U16();
    devices.pollTime = in.U16();
    devices.maxStationNumber = in.U16();
    devices.byteOrder = in.U8();
    devices.wordOrder = in.U8();

    CPanelConfigInfo& panel = model.panelManager.panelConfig;
    panel.logScreenEnabled = in.Flag();
    panel.logScreenNumber = in.U16();
    panel.logTimer = in.U16();
    panel.startScreenNumber = in.U16();
    panel.screenProtectTime = in.U8();
    panel.protectShowsScreen = in.Below(3);
    panel.protectScreenNumber = in.U16();
    panel.functionKeyBeep = in.Flag();
    panel.dwordExchange = in.Flag();

    CPLCAndPanelAlternation& exchange = model.plcAndPanel;
    exchange.optionPassword.clear();
    for (int n = in.Below(11); n > 0; --n)
        exchange.optionPassword.append(QChar(char16_t(u'0' + in.Below(10))));
    exchange.panelToPlcEnabled = in.Flag();
    fillRef(in, model, exchange.panelToPlc);
    exchange.plcToPanelEnabled = in.Flag();
    exchange.beepControlEnabled = in.Flag();
    fillRef(in, model, exchange.plcToPanel);

    for (int n = in.Below(kMaxAlarms + 1); n > 0; --n) {
        CAlarmObject alarm(&model);
        fillRef(in, model, alarm.coil);
        alarm.message = in.Text(kMaxTextLength);
        model.alarms.items.push_back(alarm);
    }

    std::map<int, std::shared_ptr<CDiagramEntityContainer>> screens;
    for (int n = 1 + in.Below(kMaxScreens); n > 0; --n) {
        const int number = 1 + in.Below(999);
        if (model.IsScreenNumberUsed(number))
            continue;
        CScreenObject* screen = model.AddScreen(number, in.Text(8));
        screen->screenChange.previous = in.Int();
        screen->screenChange.next = in.Int();
        for (CFunKeyParams& key : screen->keys)
            fillKey(in, model, key);
        auto objects = std::make_shared<CDiagramEntityContainer>();
        for (int k = in.Below(kMaxObjects + 1); k > 0; --k)
            objects->Add(object(in, model));
        screens[number] = objects;
    }
    return screens;
}

} // namespace FuzzProject
