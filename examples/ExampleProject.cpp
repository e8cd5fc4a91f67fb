// Writes the example project: every kind of object on four screens, function
// keys on every screen, an alarm list and two PLC devices.
//
//     qv-example DIR/Example.cgp
#include "base/AppPaths.h"
#include "app/TessanApp.h"
#include "app/ProjectStorage.h"
#include "project/DeviceList.h"
#include "project/ProtocolTables.h"
#include "app/ScreenCommands.h"
#include "screen/DiagramEntityContainer.h"
#include "screen/ObjectBarMeter.h"
#include "screen/ObjectDynamicText.h"
#include "screen/ObjectIndicatorLight.h"
#include "screen/ObjectNumeric.h"
#include "screen/ObjectStaticBitmap.h"
#include "screen/ObjectStaticText.h"
#include "screen/ObjectString.h"
#include "screen/ObjectTrendMeter.h"
#include "screen/TessanDoc.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <cstdio>
#include <cstring>

namespace {

constexpr int kWordBase = 1024; // R 2000 (octal): the first general-purpose data register

RegisterRef word(const CProjectModel& m, const QString& device, int offset)
{
    RegisterRef r;
    m.FillRegisterRefDefaults(r, RegisterRef::KindWord);
    r.deviceName = device;
    r.address = kWordBase + offset;
    return r;
}

RegisterRef coil(const CProjectModel& m, const QString& device, int number)
{
    RegisterRef r;
    m.FillRegisterRefDefaults(r, RegisterRef::KindBit);
    r.deviceName = device;
    r.address = number;
    return r;
}

template <class T>
T* place(std::vector<std::unique_ptr<CDiagramEntity>>& list, std::unique_ptr<T> o, int l, int t,
         int r, int b, const QString& name)
{
    o->SetRect(l, t, r, b);
    o->SetName(name);
    T* raw = o.get();
    list.push_back(std::move(o));
    return raw;
}

FontSpec font(int height, int weight = 400)
{
    FontSpec f = FontSpec::Default();
    f.height = -height;
    f.weight = weight;
    return f;
}

// The screen's key F<n>: a screen change to `target` (0: the alarm list).
void keyScreen(CScreenObject& s, int n, int target, const QString& text)
{
    CFunKeyParams& k = s.keys[size_t(n - 1)];
    k.used = 1;
    k.functionType = 2;
    k.screenChg.target = target == 0 ? 1 : 0;
    k.screenChg.screenNumber = target == 0 ? 1 : target;
    k.showDescription = 1;
    k.description = text;
}

bool writeScreen(CTessanApp& app, int number, std::vector<std::unique_ptr<CDiagramEntity>> objects)
{
    const CScreenObject* s = app.model.FindScreen(number);
    QString path;
    if (!s || !ScreenCommands::ScreenFilePath(app, number, s->name, &path))
        return false;
    CDiagramEntityContainer container;
    container.SetPaperSize(QSize(192, 64));
    for (auto& o : objects)
        container.AddLoaded(std::move(o));
    return CTessanDoc::SaveFile(path, container);
}

// A 32 x 32 one-bit picture of a pump: a wheel in a housing with its outlet.
bool writePumpBitmap(const QString& path)
{
    QImage pic(32, 32, QImage::Format_RGB32);
    pic.fill(Qt::white);
    QPainter p(&pic);
    p.setPen(QPen(Qt::black, 2));
    p.drawEllipse(QRect(3, 7, 22, 22));
    p.drawLine(14, 18, 14, 10);
    p.drawLine(14, 18, 21, 22);
    p.drawLine(14, 18, 7, 22);
    p.fillRect(QRect(20, 3, 10, 6), Qt::black);
    p.fillRect(QRect(1, 28, 26, 3), Qt::black);
    p.end();
    return pic.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither).save(path, "BMP");
}

bool build(CTessanApp& app)
{
    CProjectModel& m = app.model;
    const QString dev1 = QStringLiteral("DEV001");
    const QString dev2 = QStringLiteral("DEV002");
    // The second PLC as the Panel Manager's Add makes it: DEV002, station 2.
    DeviceList::Add(m.Devices());
    m.info.companyName = QStringLiteral("Corvel");
    m.info.description = QStringLiteral("Example: every kind of screen object");

    if (!writePumpBitmap(app.ProjectFolder() + QStringLiteral("/pump.bmp")))
        return false;
    m.bitmapFiles.append(QStringLiteral("pump.bmp")); // packed with the project

    // Screen 1: the overview.
    {
        CScreenObject* s = ScreenCommands::NewScreen(app, 1, QStringLiteral("Overview"));
        s->screenChange = {4, 2};
        keyScreen(*s, 1, 2, QStringLiteral("Tank"));
        keyScreen(*s, 2, 3, QStringLiteral("Trend"));
        keyScreen(*s, 3, 4, QStringLiteral("Setup"));
        keyScreen(*s, 5, 0, QStringLiteral("Alarms"));
        CFunKeyParams& f4 = s->keys[3]; // F4 toggles the pump's run command
        f4.used = 1;
        f4.functionType = 0;
        f4.setCoil.coil = coil(m, dev1, 10);
        f4.setCoil.action = 2; // SET NOT
        f4.showDescription = 1;
        f4.description = QStringLiteral("Pump");

        std::vector<std::unique_ptr<CDiagramEntity>> o;
        auto* title =
            place(o, std::make_unique<CObjectStaticText>(), 0, 0, 120, 16, QStringLiteral("Title"));
        title->text = QStringLiteral("Boiler house");
        title->font = font(14, 700);
        auto* pump = place(o, std::make_unique<CObjectStaticBitmap>(), 0, 20, 32, 52,
                           QStringLiteral("Pump picture"));
        pump->folder = QString();
        pump->fileName = QStringLiteral("pump.bmp");
        auto* run = place(o, std::make_unique<CObjectIndicatorLight>(&m), 40, 28, 56, 44,
                          QStringLiteral("Pump running"));
        run->coil = coil(m, dev1, 11);
        run->doubleSize = 0;
        auto* label = place(o, std::make_unique<CObjectStaticText>(), 64, 20, 120, 34,
                            QStringLiteral("Label temperature"));
        label->text = QStringLiteral("Temp");
        label->font = font(12);
        auto* temp = place(o, std::make_unique<CObjectNumeric>(&m), 120, 20, 170, 36,
                           QStringLiteral("Water temperature"));
        temp->reg = word(m, dev1, 0);
        temp->isSigned = 1;
        temp->digits = 4;
        temp->decimalPlaces = 1;
        temp->minimum = quint32(-200);
        temp->maximum = 1200;
        auto* state = place(o, std::make_unique<CObjectDynamicText>(&m), 64, 40, 150, 54,
                            QStringLiteral("Pump state"));
        state->reg = word(m, dev1, 1);
        state->texts = {QStringLiteral("Stopped"), QStringLiteral("Starting"),
                        QStringLiteral("Running"), QStringLiteral("Fault")};
        state->font = font(12);
        auto* lamp = place(o, std::make_unique<CObjectIndicatorLight>(&m), 160, 36, 192, 64,
                           QStringLiteral("Common alarm"));
        lamp->coil = coil(m, dev1, 100);
        lamp->shape = 1;
        lamp->inversion = 1;
        if (!writeScreen(app, 1, std::move(o)))
            return false;
    }

    // Screen 2: the tank with its level and set point.
    {
        CScreenObject* s = ScreenCommands::NewScreen(app, 2, QStringLiteral("Tank"));
        s->screenChange = {1, 3};
        keyScreen(*s, 1, 1, QStringLiteral("Home"));
        keyScreen(*s, 5, 0, QStringLiteral("Alarms"));
        CFunKeyParams& f2 = s->keys[1]; // F2 writes the set point 750 (75.0 %)
        f2.used = 1;
        f2.password = 1;
        f2.functionType = 1;
        f2.setReg.reg = word(m, dev1, 11);
        f2.setReg.value = 750;
        f2.showDescription = 1;
        f2.description = QStringLiteral("SP 75%");

        std::vector<std::unique_ptr<CDiagramEntity>> o;
        auto* bar = place(o, std::make_unique<CObjectBarMeter>(&m), 0, 0, 24, 64,
                          QStringLiteral("Tank level"));
        bar->reg = word(m, dev1, 10);
        bar->minimum = 0;
        bar->maximum = 1000;
        auto* flow = place(o, std::make_unique<CObjectBarMeter>(&m), 32, 52, 184, 62,
                           QStringLiteral("Flow"));
        flow->reg = word(m, dev1, 12);
        flow->direction = 2; // RIGHT
        flow->maximum = 500;
        auto* caption = place(o, std::make_unique<CObjectStaticText>(), 32, 0, 96, 14,
                              QStringLiteral("Label level"));
        caption->text = QStringLiteral("Level %");
        caption->font = font(12);
        auto* level = place(o, std::make_unique<CObjectNumeric>(&m), 112, 0, 160, 16,
                            QStringLiteral("Level"));
        level->reg = word(m, dev1, 10);
        level->digits = 4;
        level->decimalPlaces = 1;
        level->maximum = 1000;
        auto* sp = place(o, std::make_unique<CObjectNumeric>(&m), 112, 18, 160, 34,
                         QStringLiteral("Level set point"));
        sp->reg = word(m, dev1, 11);
        sp->digits = 4;
        sp->decimalPlaces = 1;
        sp->set = 1;
        sp->rangeCheck = 1;
        sp->minimum = 100;
        sp->maximum = 950;
        auto* batch = place(o, std::make_unique<CObjectString>(&m), 32, 36, 104, 52,
                            QStringLiteral("Batch name"));
        batch->reg = word(m, dev1, 20);
        batch->registerCount = 4;
        batch->stringCount = 8;
        if (!writeScreen(app, 2, std::move(o)))
            return false;
    }

    // Screen 3: the temperature trend of the second PLC.
    {
        CScreenObject* s = ScreenCommands::NewScreen(app, 3, QStringLiteral("Trend"));
        s->screenChange = {2, 4};
        keyScreen(*s, 1, 1, QStringLiteral("Home"));
        keyScreen(*s, 5, 0, QStringLiteral("Alarms"));

        std::vector<std::unique_ptr<CDiagramEntity>> o;
        auto* caption = place(o, std::make_unique<CObjectStaticText>(), 0, 0, 100, 14,
                              QStringLiteral("Label trend"));
        caption->text = QStringLiteral("Flue gas \u00B0C");
        caption->font = font(12);
        auto* trend = place(o, std::make_unique<CObjectTrendMeter>(&m), 0, 16, 192, 64,
                            QStringLiteral("Flue gas trend"));
        trend->reg = word(m, dev2, 0);
        trend->registerCount = 2;
        trend->isFloat = 1;
        trend->decimalPlaces = 1;
        const float lo = 0.0f, hi = 400.0f;
        std::memcpy(&trend->minimum, &lo, 4);
        std::memcpy(&trend->maximum, &hi, 4);
        trend->dataPoints = 60;
        trend->interval = 10;
        auto* now = place(o, std::make_unique<CObjectNumeric>(&m), 120, 0, 184, 16,
                          QStringLiteral("Flue gas now"));
        now->reg = word(m, dev2, 0);
        now->registerCount = 2;
        now->isFloat = 1;
        now->digits = 5;
        now->decimalPlaces = 1;
        std::memcpy(&now->minimum, &lo, 4);
        std::memcpy(&now->maximum, &hi, 4);
        if (!writeScreen(app, 3, std::move(o)))
            return false;
    }

    // Screen 4: the burner of the second PLC and its commands.
    {
        CScreenObject* s = ScreenCommands::NewScreen(app, 4, QStringLiteral("Burner"));
        s->screenChange = {3, 1};
        keyScreen(*s, 1, 1, QStringLiteral("Home"));
        CFunKeyParams& f2 = s->keys[1];
        f2.used = 1;
        f2.password = 1;
        f2.functionType = 3;
        f2.advanced.device.deviceName = dev2;
        f2.advanced.command = 0; // RUN
        f2.showDescription = 1;
        f2.description = QStringLiteral("PLC run");
        CFunKeyParams& f3 = s->keys[2];
        f3.used = 1;
        f3.password = 1;
        f3.functionType = 3;
        f3.advanced.device.deviceName = dev2;
        f3.advanced.command = 1; // STOP
        f3.showDescription = 1;
        f3.description = QStringLiteral("PLC stop");
        CFunKeyParams& f4 = s->keys[3]; // F4 resets the lockout while held
        f4.used = 1;
        f4.functionType = 0;
        f4.setCoil.coil = coil(m, dev2, 20);
        f4.setCoil.action = 3; // INSTANT ON
        f4.showDescription = 1;
        f4.description = QStringLiteral("Reset");
        keyScreen(*s, 5, 0, QStringLiteral("Alarms"));

        std::vector<std::unique_ptr<CDiagramEntity>> o;
        auto* caption = place(o, std::make_unique<CObjectStaticText>(), 0, 0, 192, 16,
                              QStringLiteral("Title burner"));
        caption->text = QStringLiteral(" Burner ");
        caption->inversion = 1;
        caption->font = font(14, 700);
        auto* stage = place(o, std::make_unique<CObjectDynamicText>(&m), 0, 20, 96, 34,
                            QStringLiteral("Burner stage"));
        stage->reg = word(m, dev2, 4);
        stage->texts = {QStringLiteral("Off"), QStringLiteral("Purge"), QStringLiteral("Ignition"),
                        QStringLiteral("Low fire"), QStringLiteral("High fire")};
        stage->font = font(12);
        auto* flame = place(o, std::make_unique<CObjectIndicatorLight>(&m), 104, 18, 136, 50,
                            QStringLiteral("Flame"));
        flame->coil = coil(m, dev2, 21);
        auto* lockout = place(o, std::make_unique<CObjectIndicatorLight>(&m), 144, 26, 160, 42,
                              QStringLiteral("Lockout"));
        lockout->coil = coil(m, dev2, 22);
        lockout->doubleSize = 0;
        lockout->shape = 1;
        auto* hours = place(o, std::make_unique<CObjectNumeric>(&m), 0, 40, 80, 56,
                            QStringLiteral("Burner hours"));
        hours->reg = word(m, dev2, 6);
        hours->registerCount = 2;
        hours->digits = 7;
        hours->maximum = 9999999;
        auto* small = place(o, std::make_unique<CObjectStaticBitmap>(), 168, 26, 184, 42,
                            QStringLiteral("Pump small"));
        small->folder = QString();
        small->fileName = QStringLiteral("pump.bmp");
        small->scaling = 3; // the 32 x 32 picture fitted into 16 x 16
        if (!writeScreen(app, 4, std::move(o)))
            return false;
    }

    // The alarm list: coils of both PLCs.
    const struct
    {
        const char* device;
        int coil;
        const char* text;
    } alarms[] = {
        {"DEV001", 100, "Low water level"},          {"DEV001", 101, "Pump motor overload"},
        {"DEV001", 102, "Water temperature high"},   {"DEV002", 30, "Burner lockout"},
        {"DEV002", 31, "Flue gas temperature high"},
    };
    for (const auto& a : alarms) {
        CAlarmObject alarm(&m);
        alarm.coil = coil(m, QLatin1String(a.device), a.coil);
        alarm.message = QLatin1String(a.text);
        m.alarms.items.push_back(alarm);
    }
    return CProjectStorage(app).SaveProject();
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication qapp(argc, argv);
    const QStringList args = qapp.arguments();
    QString location, name;
    if (args.size() != 2 || !CProjectStorage::SplitPackagePath(args[1], &location, &name)) {
        std::fputs("usage: qv-example DIR/NAME.cgp\n", stderr);
        return 2;
    }
    QDir().mkpath(location);
    location = QFileInfo(location).absoluteFilePath();
    QFile::remove(location + QLatin1Char('/') + name + QStringLiteral(".cgp"));
    QTemporaryDir work(QDir::tempPath() + QStringLiteral("/qv-example-XXXXXX"));
    if (!work.isValid())
        return 1;
    CTessanApp app(AppPaths::ForRunningProgram(), work.path());
    app.ResetProjectModel(name, location, QString::fromLatin1(ProtocolTables::kPanelRU03),
                          QString::fromLatin1(ProtocolTables::kVardoVSequence));
    QDir().mkpath(app.ProjectFolder());
    if (!build(app)) {
        std::fprintf(stderr, "qv-example: cannot write %s/%s.cgp\n", qPrintable(location),
                     qPrintable(name));
        return 1;
    }
    std::printf("created %s/%s.cgp\n", qPrintable(location), qPrintable(name));
    return 0;
}
