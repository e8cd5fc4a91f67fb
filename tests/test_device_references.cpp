// The references that name devices: which device a name finds (the last of
// its name), the compiler's warning for an object whose register names no
// device (its code keeps 0xFF), renames that follow into every record and
// object, and the uses of a device listed from every screen.
#include "CompileTestProject.h"
#include "app/Compiler.h"
#include "app/DeviceReferences.h"
#include "app/ProjectScreenObjects.h"
#include "compiler/RegisterCoder.h"
#include "project/AlarmObject.h"
#include "project/DeviceInfo.h"
#include "project/PlcAndPanelAlternation.h"
#include "project/ProjectModel.h"
#include "project/RegisterRef.h"
#include "project/ScreenObject.h"
#include "screen/DiagramEntityContainer.h"
#include "screen/ObjectFactory.h"
#include "screen/ObjectIndicatorLight.h"
#include "screen/ObjectKind.h"
#include "screen/ObjectNumeric.h"
#include "screen/ObjectStaticText.h"
#include "screen/TessanDoc.h"

#include "ScreenTestObjects.h"

#include <QTest>

namespace {

using ScreenTestObjects::Light;
using ScreenTestObjects::Numeric;

template <class... T>
std::vector<std::unique_ptr<CDiagramEntity>> Objects(T&&... objects)
{
    std::vector<std::unique_ptr<CDiagramEntity>> out;
    (out.push_back(std::forward<T>(objects)), ...);
    return out;
}

QString DeviceOf(const CDiagramEntity& o)
{
    if (auto* n = dynamic_cast<const CObjectNumeric*>(&o))
        return n->reg.deviceName;
    if (auto* l = dynamic_cast<const CObjectIndicatorLight*>(&o))
        return l->coil.deviceName;
    return QString();
}

} // namespace

class TestDeviceReferences : public QObject
{
    Q_OBJECT
private slots:
    void theLastDeviceOfTheNameIsTheOne()
    {
        CDeviceInfo info; // DEV001, station 1
        info.AddDevice("PLC2").bytes[0] = 7;
        info.AddDevice("PLC2").bytes[0] = 9;
        QVERIFY(ReferencedDevice(info, "DEV001") == &info.devices[0]);
        QVERIFY(ReferencedDevice(info, "PLC2") == &info.devices[2]);
        QVERIFY(!ReferencedDevice(info, "dev001")); // case counts
        QVERIFY(!ReferencedDevice(info, ""));
    }

    void compilerWarnsOncePerObjectAndWritesNoStation()
    {
        CCompileTestProject p;
        auto twice = CreateObjectOfKind(OBJ_STATIC_TEXT); // no register: never warned about
        twice->SetName("TEXT1");
        twice->SetRect(0, 30, 20, 40);
        p.AddScreen(1, Objects(Numeric("NUM1", "GONE"), Light("LIGHT1", "DEV001"),
                               Light("LIGHT2", "OLD"), std::move(twice)));
        p.App().model.screens[0]->screenChange.next = 1;
        QVERIFY(p.Compile());
        const QString title = p.ScreenTitleOf(1);
        QCOMPARE(
            p.reporter.Warnings(),
            QStringList(
                {"  Warning: [" + title + "] ----> 'NUM1' names a device that does not exist",
                 "  Warning: [" + title + "] ----> 'LIGHT2' names a device that does not exist"}));
        RegisterRef gone;
        gone.deviceName = "GONE";
        QCOMPARE(CRegisterCoder(p.App().model).DeviceNumber(gone), quint8(0xFF));
    }

    // Keys, alarms and the PLC <-> Panel words are warned about as objects
    // are: the action in effect of a used key (an unused key, or an action
    // not in effect, is not), every alarm, every enabled word.
    void compilerWarnsAboutKeysAlarmsAndExchange()
    {
        CCompileTestProject p;
        p.AddScreen(1);
        CProjectModel& model = p.App().model;
        auto& keys = model.screens[0]->keys;
        keys[0].used = 1;
        keys[0].functionType = 3; // Advanced, with no device picked
        keys[0].advanced.device.deviceName.clear();
        keys[1].used = 1;
        keys[1].functionType = 0;
        keys[1].setCoil.coil.deviceName = "GONE";
        keys[2].used = 0; // not used: never warned about
        keys[2].functionType = 3;
        keys[3].used = 1;
        keys[3].functionType = 2; // Screen Change: its coil is not in effect
        keys[3].screenChg.screenNumber = 1;
        keys[3].setCoil.coil.deviceName = "GONE";
        CAlarmObjList alarms;
        alarms.items.resize(2);
        alarms.items[0].coil.deviceName = "DEV001";
        alarms.items[1].coil.deviceName = "";
        for (auto& alarm : alarms.items)
            alarm.message = "m";
        model.alarms = alarms;
        model.plcAndPanel.panelToPlcEnabled = 1;
        model.plcAndPanel.panelToPlc.deviceName = "OLD";
        model.plcAndPanel.plcToPanelEnabled = 0;
        model.plcAndPanel.plcToPanel.deviceName = "OLD";
        QVERIFY(p.Compile());
        const QString title = p.ScreenTitleOf(1);
        const QString gone = " names a device that does not exist";
        QCOMPARE(p.reporter.Warnings(),
                 QStringList({"  Warning: [PLC<->Panel] ----> 'Panel to PLC'" + gone,
                              "  Warning: [" + title + "] ----> 'F1'" + gone,
                              "  Warning: [" + title + "] ----> 'F2'" + gone,
                              "  Warning: [Alarm List] ----> 'Alarm 2'" + gone}));
    }

    void renamesFollowIntoRecordsAndObjects()
    {
        CCompileTestProject p;
        p.App().model.Devices().AddDevice("B");
        p.App().model.AddScreen(1, "Main");
        CScreenObject& screen = *p.App().model.screens[0];
        screen.keys[0].setCoil.coil.deviceName = "DEV001";
        screen.keys[1].setReg.reg.deviceName = "B";
        screen.keys[2].advanced.device.deviceName = "DEV001";
        CAlarmObjList alarms;
        alarms.items.resize(2);
        alarms.items[0].coil.deviceName = "B";
        alarms.items[1].coil.deviceName = "OTHER";
        CPLCAndPanelAlternation exchange;
        exchange.panelToPlc.deviceName = "DEV001";
        exchange.plcToPanel.deviceName = "OTHER";

        // Two devices swap their names: applied at once.
        const DeviceReferences::Renames swap = {{"DEV001", "B"}, {"B", "DEV001"}};
        QVERIFY(DeviceReferences::Rename(screen, swap));
        QCOMPARE(screen.keys[0].setCoil.coil.deviceName, QString("B"));
        QCOMPARE(screen.keys[1].setReg.reg.deviceName, QString("DEV001"));
        QCOMPARE(screen.keys[2].advanced.device.deviceName, QString("B"));
        QVERIFY(DeviceReferences::Rename(alarms, swap));
        QCOMPARE(alarms.items[0].coil.deviceName, QString("DEV001"));
        QCOMPARE(alarms.items[1].coil.deviceName, QString("OTHER"));
        QVERIFY(DeviceReferences::Rename(exchange, swap));
        QCOMPARE(exchange.panelToPlc.deviceName, QString("B"));
        QCOMPARE(exchange.plcToPanel.deviceName, QString("OTHER"));
        QVERIFY(!DeviceReferences::Rename(exchange, {{"NONE", "X"}}));

        CDiagramEntityContainer objects;
        for (auto& o : Objects(Numeric("N", "DEV001"), Light("L", "B"), Light("K", "OTHER")))
            objects.AddLoaded(std::move(o));
        QVERIFY(DeviceReferences::Rename(objects, swap));
        QCOMPARE(DeviceOf(*objects.Objects()[0]), QString("B"));
        QCOMPARE(DeviceOf(*objects.Objects()[1]), QString("DEV001"));
        QCOMPARE(DeviceOf(*objects.Objects()[2]), QString("OTHER"));
        QVERIFY(!DeviceReferences::Rename(objects, {{"DEV001", "DEV001"}}));
    }

    void usesComeFromEveryScreenAsItStands()
    {
        CCompileTestProject p;
        p.AddScreen(1, Objects(Numeric("NUM1", "PUMP"), Light("LIGHT1", "DEV001")));
        p.AddScreen(2, Objects(Light("LIGHT2", "PUMP")));
        p.App().model.FindScreen(1)->keys[3].used = 1;
        p.App().model.FindScreen(1)->keys[3].functionType = 3;
        p.App().model.FindScreen(1)->keys[3].advanced.device.deviceName = "PUMP";
        p.App().model.alarms.items.resize(1);
        p.App().model.alarms.items[0].coil.deviceName = "PUMP";
        p.App().model.alarms.items[0].coil.area = "M";

        // Screen 2 is open with an unsaved edit: its light names another device.
        CDiagramEntityContainer open;
        open.AddLoaded(Light("LIGHT2", "DEV001"));
        open.AddLoaded(Numeric("NUM9", "PUMP"));
        const CProjectScreenObjects screens(
            p.App(), [&](int number) { return number == 2 ? &open : nullptr; });
        const QStringList uses = DeviceReferences::Uses(p.App(), screens, "PUMP");
        // Screens in the model's order (descending numbers).
        QCOMPARE(uses, QStringList({"[" + p.ScreenTitleOf(2) + "] 'NUM9'",
                                    "[" + p.ScreenTitleOf(1) + "] 'NUM1'",
                                    "[" + p.ScreenTitleOf(1) + "] F4", "Alarm List: PUMP.M.0"}));
        QVERIFY(DeviceReferences::Uses(p.App(), screens, "NONE").isEmpty());
    }
};

QTEST_MAIN(TestDeviceReferences)
#include "test_device_references.moc"
