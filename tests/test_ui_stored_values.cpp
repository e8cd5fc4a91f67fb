// What the dialogs show is what they store: a stored value that no list entry
// has, or that lies outside a number field's range, is shown as it is and
// kept until the user picks or types another; the device bytes of CTS and
// RTS keep their places on every path; texts through the language files;
// float fields whatever the process locale. Driven through the widgets, read
// back from the records the dialogs hand over and from the project model.
#include "ModalDriver.h"
#include "TestSupport.h"
#include "base/ProfileFile.h"
#include "project/AlarmListRules.h"
#include "project/DeviceList.h"
#include "project/ProtocolTables.h"
#include "screen/DiagramEntityContainer.h"
#include "screen/ObjectFactory.h"
#include "screen/ObjectTrendMeter.h"
#include "ui/document/ProjectController.h"
#include "ui/document/ScreenDocument.h"
#include "ui/widgets/DigitSpinEdit.h"
#include "ui/project/DlgAlarm.h"
#include "ui/project/DlgScreenFunKey.h"
#include "ui/project/ScreenCommandsUi.h"
#include "ui/screen/ObjectEditor.h"
#include "ui/screen/PropertyFormDialog.h"
#include "ui/screen/TessanView.h"
#include "ui/transfer/DlgCommGeneral.h"
#include "ui/transfer/DlgCommVardoVSeq.h"
#include "ui/transfer/DlgPanelConfig.h"
#include "ui/transfer/DlgPanelManager.h"
#include "ui/transfer/DlgProtocol.h"
#include "ui/widgets/ColorEdit.h"
#include "ui/widgets/RangeSpinBox.h"
#include "ui/widgets/RegisterPicker.h"

#include "ui_DlgCommGeneral.h"
#include "ui_DlgCommVardoVSeq.h"
#include "ui_DlgPanelConfig.h"
#include "ui_DlgPanelManager.h"
#include "ui_RegisterPicker.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <clocale>
#include <cstdlib>

using namespace TestSupport;

namespace {

const QString kVSeq = QString::fromLatin1(ProtocolTables::kVardoVSequence);

struct Project
{
    Project()
    {
        controller.NewProject("Line1", folder.Dir() + "/P", "RU03", kVSeq);
        commands.runDialog = [this](QDialog& d) {
            d.show();
            return steps.isEmpty() ? int(QDialog::Rejected) : steps.takeFirst()(d);
        };
        commands.pickRegister = [](QWidget*, int, RegisterRef&) { return false; };
        folder.App().TakeAsSaved();
        controller.NotifyModifiedChanged();
    }
    CProjectModel& Model() { return folder.App().model; }
    const CAppSettings& Settings() { return folder.App().settings; }
    CTestProgramFolder folder;
    CProjectController controller{folder.App()};
    CScreenCommandsUi commands{controller};
    QList<std::function<int(QDialog&)>> steps;
};

template <class T>
T* child(QWidget& w, const char* name)
{
    T* c = w.findChild<T*>(QLatin1String(name));
    if (!c)
        qFatal("no child %s", name);
    return c;
}

void Click(QTreeWidget* tree, QTreeWidgetItem* item)
{
    tree->scrollToItem(item);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(item).center());
}

void ClickOk(QDialog& d)
{
    QTest::mouseClick(d.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok),
                      Qt::LeftButton);
}

// Selects a field's text and types over it.
void TypeOver(QWidget* field, const QString& text)
{
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(field, text);
}

QString Shown(QAbstractSpinBox* field)
{
    return field->text();
}

// A combo box that shows an extra last entry reading `text`, selected.
bool ShowsExtraEntry(QComboBox* box, int listed, const QString& text)
{
    return box->count() == listed + 1 && box->currentIndex() == listed
           && box->currentText() == text;
}

} // namespace

class TestUiStoredValues : public QObject
{
    Q_OBJECT
private slots:
    void generalPageShowsAndKeepsUnlistedValues()
    {
        // A new project with two devices: Register Per Msg and Coil Per Msg
        // hold 0, no entry of their lists; Max Station Number holds 0, below
        // its range.
        Project p;
        p.Model().Devices().AddDevice(QStringLiteral("DEV002"));
        const CPanelManager before = p.Model().panelManager;
        {
            CDlgPanelManager dlg(p.Settings(), p.folder, before);
            dlg.show();
            Click(dlg.Fields().tree, dlg.PortItem());
            auto& g = dlg.GeneralPage().Fields();
            QVERIFY(ShowsExtraEntry(g.registersPerMessage, 6, "0"));
            QVERIFY(ShowsExtraEntry(g.coilsPerMessage, 5, "0"));
            QCOMPARE(Shown(g.maxStation), QString("0"));
            // Shown again after a visit to another page: one extra entry still.
            Click(dlg.Fields().tree, dlg.RootItem());
            Click(dlg.Fields().tree, dlg.PortItem());
            QVERIFY(ShowsExtraEntry(g.registersPerMessage, 6, "0"));
            dlg.accept();
            QVERIFY(dlg.Result() == before);
            QVERIFY(!p.controller.SetPanelManager(dlg.Result()));
        }
        // Picking "1" and typing 1 store 1; the list the user left alone keeps 0.
        CDlgPanelManager dlg(p.Settings(), p.folder, before);
        dlg.show();
        Click(dlg.Fields().tree, dlg.PortItem());
        auto& g = dlg.GeneralPage().Fields();
        g.registersPerMessage->setCurrentIndex(0);
        TypeOver(g.maxStation, "1");
        dlg.accept();
        QCOMPARE(int(dlg.Result().deviceInfo.registersPerMessage), 1);
        QCOMPARE(int(dlg.Result().deviceInfo.coilsPerMessage), 0);
        QCOMPARE(int(dlg.Result().deviceInfo.maxStationNumber), 1);
        // Once edited, the field keeps to its range again.
        CDlgCommGeneral page(p.Settings());
        page.show();
        CDeviceInfo info = p.Model().Devices();
        page.Load(info);
        // Typing the stored value again is typing: the range's rule applies.
        TypeOver(page.Fields().maxStation, "0");
        QCOMPARE(Shown(page.Fields().maxStation), QString("1"));
        QCOMPARE(page.Fields().maxStation->Number(), 1);
        TypeOver(page.Fields().maxStation, "95");
        QCOMPARE(Shown(page.Fields().maxStation), QString("9"));
        // The spin button goes from a value below the range to its bound.
        page.Load(info);
        page.Fields().maxStation->stepBy(1);
        QCOMPARE(page.Fields().maxStation->value(), 1);
    }

    void configAndDevicePagesShowWhatIsStored()
    {
        Project p;
        CPanelConfigInfo c;
        c.panelType = 3;
        c.screenProtectTime = 12;
        c.logTimer = 75;
        c.startScreenNumber = 0;
        CDlgPanelConfig config(p.Settings());
        config.Load(c);
        auto& f = config.Fields();
        QVERIFY(ShowsExtraEntry(f.panelType, 1, "3"));
        QVERIFY(ShowsExtraEntry(f.protectTime, 11, "12"));
        QCOMPARE(Shown(f.logTimer), QString("75"));
        QCOMPARE(Shown(f.startScreen), QString("0"));
        QVERIFY(f.protectScreen->isEnabled()); // a protect time, not "None"
        CPanelConfigInfo stored = c;
        config.Store(stored);
        QVERIFY(stored == c);
        f.protectTime->setCurrentIndex(4);
        TypeOver(f.startScreen, "7");
        config.Store(stored);
        QCOMPARE(int(stored.screenProtectTime), 4);
        QCOMPARE(int(stored.startScreenNumber), 7);
        QCOMPARE(int(stored.logTimer), 75);

        CSingleDeviceInfo d;
        d.SetWord(CSingleDeviceInfo::BaudWord, 8192);
        d.bytes[CSingleDeviceInfo::StationByte] = 0;
        d.bytes[CSingleDeviceInfo::ParityByte] = 7;
        d.SetWord(CSingleDeviceInfo::TimeoutWord, 50);
        CDlgCommVardoVSeq device(p.Settings());
        device.Load(d);
        auto& v = device.Fields();
        QCOMPARE(Shown(v.station), QString("0"));
        QVERIFY(ShowsExtraEntry(v.parity, 3, "7"));
        QCOMPARE(Shown(v.timeout), QString("50"));
        CSingleDeviceInfo back = d;
        device.Store(back);
        QVERIFY(back == d);
        // The panel needs a real baud code: none shows "9600" and stores 2048.
        d.SetWord(CSingleDeviceInfo::BaudWord, 1234);
        device.Load(d);
        QCOMPARE(v.baudRate->count(), 3);
        QCOMPARE(v.baudRate->currentText(), QString("9600"));
        device.Store(back);
        QCOMPARE(int(back.Word(CSingleDeviceInfo::BaudWord)), 2048);
    }

    void plcListSelectedOnlyForItsProtocol()
    {
        Project p;
        for (const int code : {1, 0, 2}) {
            CPanelManager panel = p.Model().panelManager;
            panel.deviceInfo.protocolCode = code;
            CDlgPanelManager dlg(p.Settings(), p.folder, panel);
            dlg.show();
            Click(dlg.Fields().tree, dlg.DeviceItem(0));
            QComboBox* plc = dlg.Fields().plc;
            QCOMPARE(plc->count(), 1);
            QCOMPARE(plc->currentIndex(), code == 1 ? 0 : -1);
            dlg.accept();
            QCOMPARE(dlg.Result().deviceInfo.protocolCode, code);
        }
    }

    void devicePagesKeepCtsAndRtsInTheirPlaces()
    {
        // The two flags differ, so a path that swaps them shows.
        Project p;
        CDeviceInfo& info = p.Model().Devices();
        info.requireCts = 0;
        info.controlRts = 1;
        info.devices.clear();
        info.AddDevice(QStringLiteral("DEV001"));
        p.folder.App().TakeAsSaved();

        // One device: a change on its page goes back into the line settings.
        CDlgPanelManager dlg(p.Settings(), p.folder, p.Model().panelManager);
        dlg.show();
        Click(dlg.Fields().tree, dlg.DeviceItem(0));
        QCOMPARE(dlg.DevicePage().Fields().requireRts->currentText(), QString("YES")); // byte 5
        QCOMPARE(dlg.DevicePage().Fields().controlCts->currentText(), QString("NO"));  // byte 6
        dlg.DevicePage().Fields().baudRate->setCurrentIndex(1);
        Click(dlg.Fields().tree, dlg.RootItem());
        dlg.accept();
        QVERIFY(p.controller.SetPanelManager(dlg.Result()));
        QCOMPARE(info.baudRate, 8192);
        QCOMPARE(int(info.requireCts), 0);
        QCOMPARE(int(info.controlRts), 1);

        // OK in Protocol Setup changes neither.
        CModalDriver driver;
        driver.On<CDlgProtocol>([](CDlgProtocol* d) {
            d->accept();
            return true;
        });
        CDeviceInfo edited = info;
        QVERIFY(CDlgProtocol::Edit(nullptr, p.Settings(), kVSeq, edited));
        QCOMPARE(int(edited.requireCts), 0);
        QCOMPARE(int(edited.controlRts), 1);
        QCOMPARE(int(edited.devices[0].bytes[CSingleDeviceInfo::RequireCtsByte]), 0);
        QCOMPARE(int(edited.devices[0].bytes[CSingleDeviceInfo::ControlRtsByte]), 1);
    }

    void screenOptionKeepsAStoredZero()
    {
        Project p;
        CScreenObject* screen = p.Model().FindScreen(1);
        QVERIFY(screen);
        screen->screenChange.previous = 0;
        screen->screenChange.next = 1000;
        QString shownPrevious, shownNext;
        p.steps.append([&](QDialog& option) {
            shownPrevious = Shown(child<QAbstractSpinBox>(option, "spinPrevious"));
            shownNext = Shown(child<QAbstractSpinBox>(option, "spinNext"));
            ClickOk(option);
            return option.result();
        });
        p.commands.ScreenOption(nullptr, 1);
        QVERIFY(p.steps.isEmpty());
        QCOMPARE(shownPrevious, QString("0"));
        QCOMPARE(shownNext, QString("1000"));
        QCOMPARE(screen->screenChange.previous, 0);
        QCOMPARE(screen->screenChange.next, 1000);
        QVERIFY(!p.controller.IsModified());

        // Typed, the field stores what it shows.
        p.steps.append([&](QDialog& option) {
            TypeOver(child<QAbstractSpinBox>(option, "spinPrevious"), "5");
            ClickOk(option);
            return option.result();
        });
        p.commands.ScreenOption(nullptr, 1);
        QCOMPARE(screen->screenChange.previous, 5);
        QCOMPARE(screen->screenChange.next, 1000);
        QVERIFY(p.controller.IsModified());
    }

    void functionKeyPagesKeepStoredValues()
    {
        Project p;
        std::array<CFunKeyParams, 5> keys;
        CFunKeyParams& key = keys[0];
        key.used = 1;
        key.functionType = 3;
        key.advanced.device.deviceName = "PLC9"; // no device of the list
        key.screenChg.screenNumber = 0;
        key.setReg.quantity = 1;
        key.setReg.isSigned = 1;
        key.setReg.value = 70000; // beyond signed 16 bits
        keys[1].setReg.quantity = 3;
        {
            CDlgScreenFunKey d(p.controller, keys, 0, p.commands.pickRegister);
            d.show();
            QVERIFY(ShowsExtraEntry(child<QComboBox>(d, "comboDevice"), 1, "PLC9"));
            QCOMPARE(child<CDigitSpinEdit>(d, "editScreenNumber")->text(), QString("0"));
            QCOMPARE(child<CColorEdit>(d, "editValue")->Text(), QString("70000"));
            ClickOk(d);
            QCOMPARE(d.result(), int(QDialog::Accepted));
            QVERIFY(p.folder.messages.isEmpty());
            QVERIFY(d.Keys()[0] == key);
        }
        {
            CDlgScreenFunKey d(p.controller, keys, 1, p.commands.pickRegister);
            d.show();
            QCOMPARE(Shown(child<QAbstractSpinBox>(d, "spinQuantity")), QString("3"));
            ClickOk(d);
            QCOMPARE(d.Keys()[1].setReg.quantity, 3);
        }
        // Picked and typed values are stored.
        CDlgScreenFunKey d(p.controller, keys, 0, p.commands.pickRegister);
        d.show();
        child<QComboBox>(d, "comboDevice")->setCurrentIndex(0);
        QTest::mouseClick(child<QRadioButton>(d, "radioScreenChange"), Qt::LeftButton, {},
                          QPoint(6, 6));
        TypeOver(child<CDigitSpinEdit>(d, "editScreenNumber"), "12");
        ClickOk(d);
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(d.Keys()[0].advanced.device.deviceName, QString("DEV001"));
        QCOMPARE(d.Keys()[0].screenChg.screenNumber, 12);
        QCOMPARE(d.Keys()[0].setReg.value, 70000);
    }

    void longDescriptionShownWholeAndKept()
    {
        Project p;
        std::array<CFunKeyParams, 5> keys;
        keys[0].used = 1;
        keys[0].showDescription = 1;
        keys[0].description = "ABCDEFGHIJKLMNOPQRST"; // 20 characters
        {
            CDlgScreenFunKey d(p.controller, keys, 0, p.commands.pickRegister);
            d.show();
            QCOMPARE(child<QLineEdit>(d, "editDescription")->text(),
                     QString("ABCDEFGHIJKLMNOPQRST"));
            ClickOk(d);
            QVERIFY(d.Keys() == keys);
        }
        // Typing adds no character past 13, nor to a longer stored text.
        CDlgScreenFunKey d(p.controller, keys, 0, p.commands.pickRegister);
        d.show();
        auto* description = child<QLineEdit>(d, "editDescription");
        description->setFocus();
        description->end(false);
        QTest::keyClicks(description, "X");
        QCOMPARE(description->text(), QString("ABCDEFGHIJKLMNOPQRST"));
        QTest::keyClick(description, Qt::Key_Backspace);
        QCOMPARE(description->text(), QString("ABCDEFGHIJKLMNOPQRS"));
        TypeOver(description, "0123456789ABCDEF");
        QCOMPARE(description->text(), QString("0123456789ABC"));
        ClickOk(d);
        QCOMPARE(d.Keys()[0].description, QString("0123456789ABC"));
    }

    void alarmCountShowsALongStoredList()
    {
        Project p;
        RegisterRef start = AlarmListRules::StartCoil(p.Model());
        QStringList messages;
        for (int i = 1; i <= 120; ++i)
            messages << QString("Alarm %1").arg(i);
        p.Model().alarms = AlarmListRules::Build(start, messages);
        {
            CDlgAlarm d(p.controller, p.commands.pickRegister, {}, {});
            d.show();
            QCOMPARE(child<CDigitSpinEdit>(d, "editCount")->text(), QString("120"));
            QCOMPARE(child<QTableWidget>(d, "gridAlarms")->rowCount(), 120);
            ClickOk(d);
            QCOMPARE(d.result(), int(QDialog::Accepted));
            QCOMPARE(d.Messages(), messages);
            QVERIFY(d.Result() == p.Model().alarms);
        }
        CDlgAlarm d(p.controller, p.commands.pickRegister, {}, {});
        d.show();
        TypeOver(child<CDigitSpinEdit>(d, "editCount"), "3");
        QCOMPARE(child<QTableWidget>(d, "gridAlarms")->rowCount(), 3);
        ClickOk(d);
        QCOMPARE(int(d.Result().items.size()), 3);
    }

    void trendMeterDataPointTakesThreeDigits()
    {
        Project p;
        CScreenDocument* doc = p.controller.ScreenDocument(1);
        CTessanView view(p.controller, doc, 1);
        view.resize(900, 500);
        view.show();
        auto object = CreateObjectOfKind(OBJ_TREND_METER, &p.Model());
        object->SetRect(8, 8, 168, 48); // 160 wide: up to 158 points
        auto* trend = static_cast<CObjectTrendMeter*>(object.get());
        trend->dataPoints = 150;
        doc->Edit([&](CDiagramEntityContainer& c) {
            c.Add(std::move(object));
            c.UnselectAll();
            c.GetAt(0)->Select(true);
        });
        QTest::keyClick(view.Editor(), Qt::Key_Return, Qt::ControlModifier);
        CPropertyFormDialog* form = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* f = qobject_cast<CPropertyFormDialog*>(w); f && f->isVisible())
                form = f;
        QVERIFY(form);
        auto* points = child<CColorEdit>(*form, "editDataPoint");
        QCOMPARE(points->Text(), QString("150"));
        ClickOk(*form);
        QVERIFY(!form->isVisible());
        QCOMPARE(trend->dataPoints, 150);
        doc->Select([](CDiagramEntityContainer& c) { c.GetAt(0)->Select(true); });
        QTest::keyClick(view.Editor(), Qt::Key_Return, Qt::ControlModifier);
        points->SelectAllText();
        QTest::keyClicks(points, "57");
        QTest::keyClick(points, Qt::Key_Home);
        QTest::keyClicks(points, "1"); // a third digit
        QCOMPARE(points->Text(), QString("157"));
        ClickOk(*form);
        QCOMPARE(trend->dataPoints, 157);
    }

    void registerPickerSpeaksTheLanguage()
    {
        Project p;
        const CAppSettings& s = p.Settings();
        s.WriteSetting(QStringLiteral("Language"), QStringLiteral("1"));
        CProfileFile::WriteString(s.Paths().SettingsFile(), QStringLiteral("Language"),
                                  QStringLiteral("1"), QStringLiteral("chs"));
        RegisterRef ref;
        FillRegisterRefDefaults(&p.Model(), ref, RegisterRef::KindWord);
        CDlgRegister dlg(s, p.folder, p.Model(), ref, RegisterRef::KindWord);
        dlg.Fields().number->setText(QStringLiteral("41240"));
        dlg.accept();
        QCOMPARE(dlg.result(), int(QDialog::Rejected));
        const QString shown = p.folder.messages.last().first;
        QCOMPARE(shown.section('\n', 0, 0), QString::fromUtf8("错误 Obj-001 : 寄存器编号无效"));
        QVERIFY(shown.endsWith("\n[41200, 41237]"));
    }

    void floatFieldsIgnoreTheProcessLocale()
    {
        // A locale whose decimal point is ",", built for this test.
        QTemporaryDir locales;
        const QString made = locales.path() + "/de_DE.UTF-8";
        if (Run("localedef", {"-i", "de_DE", "-f", "UTF-8", made}) < 0 || !QFile::exists(made))
            QSKIP("localedef cannot build de_DE here");
        qputenv("LOCPATH", QFile::encodeName(locales.path()));
        const QByteArray before = std::setlocale(LC_NUMERIC, nullptr);
        if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8"))
            QSKIP("the built locale does not load");
        struct Restore
        {
            QByteArray locale;
            ~Restore()
            {
                std::setlocale(LC_NUMERIC, locale.constData());
                qunsetenv("LOCPATH");
            }
        } restore{before};
        QCOMPARE(std::strtod("2.5", nullptr), 2.0); // the locale is in force

        CColorEdit field;
        field.ApplyLimits(ValueFormatRules::Limits(VF_FLOAT));
        field.show();
        QCOMPARE(field.toolTip(), QString("Min: -1000000000.000000  Max: 1000000000.000000"));
        field.SetText("2.25");
        QCOMPARE(field.LastValidFloat(), 2.25);
        TypeOver(&field, "1.5");
        QCOMPARE(field.LastValidFloat(), 1.5);
        // Out of the range: the last valid value comes back, with a ".".
        TypeOver(&field, "3e9");
        QCOMPARE(field.Text(), QString("3.000000"));
        QCOMPARE(field.LastValidFloat(), 3.0);
    }
};

QTEST_MAIN(TestUiStoredValues)
#include "test_ui_stored_values.moc"
