// The Panel Manager, its pages and the other setup dialogs, offscreen:
// driven through their widgets, read back from the copies they hand over
// and from the project model.
#include "ModalDriver.h"
#include "TestSupport.h"
#include "base/ProfileFile.h"
#include "project/DeviceList.h"
#include "project/ProtocolTables.h"
#include "ui/document/ProjectController.h"
#include "ui/widgets/RegisterPicker.h"
#include "ui/transfer/DlgCommGeneral.h"
#include "ui/transfer/DlgCommVardoVSeq.h"
#include "ui/transfer/DlgPanel2Plc.h"
#include "ui/transfer/DlgPanelConfig.h"
#include "ui/transfer/DlgPanelManager.h"
#include "ui/transfer/DlgPassword.h"
#include "ui/transfer/DlgProtocol.h"
#include "ui/transfer/SetupCommands.h"

#include "ui_DlgCommGeneral.h"
#include "ui_DlgCommVardoVSeq.h"
#include "ui_DlgPanel2Plc.h"
#include "ui_DlgPanelConfig.h"
#include "ui_DlgPanelManager.h"
#include "ui_RegisterPicker.h"

#include <QLineEdit>
#include <QTest>
#include <QTreeWidget>

namespace {
const QString kVSeq = QString::fromLatin1(ProtocolTables::kVardoVSequence);
const QString kGui003 = QStringLiteral("Error GUI-003 : This device name already exists");

struct Project
{
    Project() : controller(folder.App())
    {
        controller.NewProject("demo", folder.Dir() + "/P", "RU03", kVSeq);
        folder.App().TakeAsSaved();
        controller.NotifyModifiedChanged();
    }
    CTessanApp& App() { return folder.App(); }
    CTestProgramFolder folder;
    CProjectController controller;
};

void Click(QTreeWidget* tree, QTreeWidgetItem* item)
{
    tree->scrollToItem(item);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(item).center());
}

// Selects a field's text and types over it.
void TypeOver(QAbstractSpinBox* field, const QString& text)
{
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(field, text);
}
} // namespace

class TestUiPanelSettings : public QObject
{
    Q_OBJECT
private slots:
    void newProjectsTreeAndPages()
    {
        Project p;
        CDlgPanelManager dlg(p.App().settings, p.folder, p.App().model.panelManager);
        dlg.show();
        QTreeWidget* tree = dlg.Fields().tree;
        QCOMPARE(dlg.RootItem()->text(0), QStringLiteral("Panel"));
        QCOMPARE(dlg.PortItem()->text(0), QStringLiteral("COM Port1"));
        QCOMPARE(dlg.PortItem()->childCount(), 1);
        QCOMPARE(dlg.DeviceItem(0)->text(0), QStringLiteral("DEV001"));
        QCOMPARE(dlg.ShownPage(), CDlgPanelManager::Page::Config);
        QVERIFY(!dlg.Fields().plc->isVisible());
        // One device: "COM Port1" shows no page; the device page edits the line.
        Click(tree, dlg.PortItem());
        QCOMPARE(dlg.ShownPage(), CDlgPanelManager::Page::None);
        Click(tree, dlg.DeviceItem(0));
        QCOMPARE(dlg.ShownPage(), CDlgPanelManager::Page::Device);
        QVERIFY(dlg.Fields().plc->isVisible());
        QCOMPARE(dlg.Fields().plc->currentText(), kVSeq);
        auto& dev = dlg.DevicePage().Fields();
        QVERIFY(dev.baudRate->isEnabled());
        QVERIFY(!dev.requireRts->isEnabled());
        QVERIFY(!dev.controlCts->isEnabled());
        QVERIFY(!dlg.Fields().remove->isEnabled());
        dev.baudRate->setCurrentIndex(2);
        // Leaving the page stores it, and with one device the line takes it.
        Click(tree, dlg.RootItem());
        QCOMPARE(dlg.Result().deviceInfo.baudRate, 16384);
        QCOMPARE(DeviceList::DeviceBaudCode(dlg.Result().deviceInfo.devices[0]), 16384);
    }

    void addDeleteAndRename()
    {
        Project p;
        CDlgPanelManager dlg(p.App().settings, p.folder, p.App().model.panelManager);
        dlg.show();
        QTreeWidget* tree = dlg.Fields().tree;
        QTest::mouseClick(dlg.Fields().add, Qt::LeftButton);
        QCOMPARE(dlg.PortItem()->childCount(), 2);
        QCOMPARE(dlg.DeviceItem(1)->text(0), QStringLiteral("DEV002"));
        QCOMPARE(tree->currentItem(), dlg.DeviceItem(1));
        QCOMPARE(int(dlg.Result().deviceInfo.devices[1].bytes[0]), 2);
        QCOMPARE(dlg.DevicePage().Fields().station->value(), 2);
        // Two devices: the line settings move to the general page.
        QVERIFY(!dlg.DevicePage().Fields().baudRate->isEnabled());
        QVERIFY(dlg.Fields().remove->isEnabled());
        Click(tree, dlg.PortItem());
        QCOMPARE(dlg.ShownPage(), CDlgPanelManager::Page::General);
        QVERIFY(!dlg.Fields().remove->isEnabled());
        // A general edit survives a visit to a device page.
        dlg.GeneralPage().Fields().parity->setCurrentIndex(1); // Even
        Click(tree, dlg.DeviceItem(0));
        Click(tree, dlg.PortItem());
        QCOMPARE(dlg.GeneralPage().Fields().parity->currentText(), QStringLiteral("Even"));
        QCOMPARE(int(dlg.Result().deviceInfo.parity), 2);

        // Rename DEV002 to DEV001: refused with GUI-003; to dev001: taken.
        QVERIFY(!dlg.RenameDevice(1, QStringLiteral("DEV001")));
        QCOMPARE(p.folder.messages.last(), qMakePair(kGui003, QStringLiteral("Error")));
        QCOMPARE(dlg.DeviceItem(1)->text(0), QStringLiteral("DEV002"));
        QVERIFY(dlg.RenameDevice(1, QStringLiteral("dev001")));
        QCOMPARE(dlg.Result().deviceInfo.devices[1].name, QStringLiteral("dev001"));
        // The in-place editor: F2, at most eight characters, Enter.
        Click(tree, dlg.DeviceItem(0));
        QTest::keyClick(tree, Qt::Key_F2);
        auto* editor = tree->findChild<QLineEdit*>();
        QVERIFY(editor);
        QCOMPARE(editor->maxLength(), 8);
        editor->selectAll();
        QTest::keyClicks(editor, QStringLiteral("dev001"));
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents();     // the editor commits by a queued call
        QCOMPARE(p.folder.messages.size(), 2); // refused: the name is taken
        QCOMPARE(dlg.DeviceItem(0)->text(0), QStringLiteral("DEV001"));

        // Delete the first: the next one is selected.
        Click(tree, dlg.DeviceItem(0));
        QTest::mouseClick(dlg.Fields().remove, Qt::LeftButton);
        QCOMPARE(dlg.PortItem()->childCount(), 1);
        QCOMPARE(tree->currentItem(), dlg.DeviceItem(0));
        QCOMPARE(dlg.DeviceItem(0)->text(0), QStringLiteral("dev001"));
        QVERIFY(!dlg.Fields().remove->isEnabled());
        QVERIFY(dlg.DevicePage().Fields().baudRate->isEnabled());
        dlg.accept();
        QVERIFY(p.controller.SetPanelManager(dlg.Result()));
        QVERIFY(p.controller.IsModified());
        QCOMPARE(p.App().model.Devices().devices.size(), size_t(1));
    }

    void addAfterAGapTakesTheFirstFreeName()
    {
        Project p;
        p.App().model.Devices().AddDevice(QStringLiteral("DEV003"));
        CDlgPanelManager dlg(p.App().settings, p.folder, p.App().model.panelManager);
        QTest::mouseClick(dlg.Fields().add, Qt::LeftButton);
        QCOMPARE(dlg.DeviceItem(2)->text(0), QStringLiteral("DEV002"));
        QCOMPARE(int(dlg.Result().deviceInfo.devices[2].bytes[0]), 3);
    }

    void numberFieldsKeepTheLastValidValue()
    {
        Project p;
        p.App().model.Devices().AddDevice(QStringLiteral("DEV002"));
        p.App().model.Devices().panelNumber = 7;
        CDlgPanelManager dlg(p.App().settings, p.folder, p.App().model.panelManager);
        dlg.show();
        Click(dlg.Fields().tree, dlg.PortItem());
        auto* panelNumber = dlg.GeneralPage().Fields().panelNumber;
        QCOMPARE(panelNumber->value(), 7);
        TypeOver(panelNumber, QStringLiteral("99"));
        QCOMPARE(panelNumber->value(), 9);
        TypeOver(panelNumber, QStringLiteral("0012"));
        QCOMPARE(panelNumber->value(), 12);

        Click(dlg.Fields().tree, dlg.RootItem());
        auto& config = dlg.ConfigPage().Fields();
        config.logScreen->setChecked(true);
        config.logScreenNumber->SetNumber(5);
        TypeOver(config.logScreenNumber, QStringLiteral("0"));
        QCOMPARE(config.logScreenNumber->value(), 5);
        dlg.accept();
        QCOMPARE(int(dlg.Result().deviceInfo.panelNumber), 12);
        QCOMPARE(int(dlg.Result().panelConfig.logScreenNumber), 5);
    }

    void noneDisablesTheProtectControls()
    {
        Project p;
        CDlgPanelConfig page(p.App().settings);
        CPanelConfigInfo c;
        page.Load(c);
        auto& f = page.Fields();
        QCOMPARE(f.protectTime->currentText(), QStringLiteral("After 3 minutes"));
        QVERIFY(f.protectScreen->isEnabled() && f.protectBacklight->isEnabled());
        QVERIFY(f.protectScreenNumber->isEnabled());
        QVERIFY(!f.logTimer->isEnabled());
        f.protectTime->setCurrentIndex(0);
        QCOMPARE(f.protectTime->currentText(), QStringLiteral("None"));
        QVERIFY(!f.protectScreen->isEnabled());
        QVERIFY(!f.protectBacklight->isEnabled());
        QVERIFY(!f.protectScreenNumber->isEnabled());
        f.protectTime->setCurrentIndex(10);
        f.protectBacklight->setChecked(true);
        QVERIFY(f.protectBacklight->isEnabled());
        QVERIFY(!f.protectScreenNumber->isEnabled());
        page.Store(c);
        QCOMPARE(int(c.screenProtectTime), 10);
        QCOMPARE(c.protectShowsScreen, 0);
    }

    void okWithoutChangeLeavesTheProjectUnmodified()
    {
        Project p;
        // Values no list entry has stay as they are while nobody picks one.
        p.App().model.Devices().AddDevice(QStringLiteral("DEV002"));
        const CPanelManager before = p.App().model.panelManager;
        p.App().TakeAsSaved();
        CModalDriver driver;
        driver.On<CDlgPanelManager>([](CDlgPanelManager* dlg) {
            Click(dlg->Fields().tree, dlg->PortItem());
            Click(dlg->Fields().tree, dlg->DeviceItem(1));
            Click(dlg->Fields().tree, dlg->DeviceItem(0));
            dlg->accept();
            return true;
        });
        SetupCommands::PanelManager(nullptr, p.controller);
        QVERIFY(driver.steps.isEmpty());
        QVERIFY(p.App().model.panelManager == before);
        QVERIFY(!p.controller.IsModified());
        QCOMPARE(int(p.App().model.Devices().registersPerMessage), 0);

        // Cancel hands nothing back.
        driver.On<CDlgPanelManager>([](CDlgPanelManager* dlg) {
            QTest::mouseClick(dlg->Fields().add, Qt::LeftButton);
            dlg->reject();
            return true;
        });
        SetupCommands::PanelManager(nullptr, p.controller);
        QCOMPARE(p.App().model.Devices().devices.size(), size_t(2));
        QVERIFY(!p.controller.IsModified());
    }

    void lookingAtTheDevicePageChangesNothing()
    {
        Project p;
        CDeviceInfo& info = p.App().model.Devices();
        info.requireCts = 0;
        info.devices.clear();
        info.AddDevice(QStringLiteral("DEV001")); // byte 5 0, byte 6 1
        CDlgPanelManager dlg(p.App().settings, p.folder, p.App().model.panelManager);
        dlg.show();
        Click(dlg.Fields().tree, dlg.DeviceItem(0));
        Click(dlg.Fields().tree, dlg.RootItem());
        dlg.accept();
        QVERIFY(!p.controller.SetPanelManager(dlg.Result()));
        QCOMPARE(int(p.App().model.Devices().requireCts), 0);
        QCOMPARE(int(p.App().model.Devices().controlRts), 1);
    }

    void devicePageStoresAnUnknownBaudAs9600()
    {
        Project p;
        CDlgCommVardoVSeq page(p.App().settings);
        CSingleDeviceInfo fresh; // baud bytes 37, 128: no code
        page.Load(fresh);
        QCOMPARE(page.Fields().baudRate->currentText(), QStringLiteral("9600"));
        page.Store(fresh);
        QCOMPARE(DeviceList::DeviceBaudCode(fresh), 2048);
    }

    void protocolDialogFillsTheDeviceList()
    {
        Project p;
        CDeviceInfo info;
        info.baudRate = 8192;
        info.controlRts = 0;
        CDlgProtocol dlg(p.App().settings, DeviceList::ProtocolDevice(info).name,
                         DeviceList::ProtocolDevice(info));
        QCOMPARE(dlg.Page().Fields().baudRate->currentText(), QStringLiteral("19200"));
        QCOMPARE(dlg.Page().Fields().requireRts->currentText(),
                 QStringLiteral("NO")); // byte 5: require CTS
        QCOMPARE(dlg.Page().Fields().controlCts->currentText(),
                 QStringLiteral("YES")); // byte 6: control RTS
        dlg.Page().Fields().parity->setCurrentIndex(0);
        CDlgProtocol::TakeOver(info, dlg.Result());
        QCOMPARE(int(info.parity), 0);
        QCOMPARE(int(info.devices[0].bytes[3]), 0);
        QCOMPARE(info.devices[0].name, QStringLiteral("DEV001"));
        QCOMPARE(info.baudRate, 8192);
        QCOMPARE(int(info.controlRts), 0);
        QCOMPARE(int(info.requireCts), 1);
        // The record in the list holds the flags where AddDevice puts them.
        QCOMPARE(int(info.devices[0].bytes[5]), 1);
        QCOMPARE(int(info.devices[0].bytes[6]), 0);

        CModalDriver driver;
        driver.On<CDlgProtocol>([](CDlgProtocol* d) {
            if (!d->windowTitle().endsWith(QStringLiteral(" - [") + kVSeq + "]"))
                return false;
            d->Page().Fields().baudRate->setCurrentIndex(2);
            d->accept();
            return true;
        });
        CDeviceInfo edited;
        QVERIFY(CDlgProtocol::Edit(nullptr, p.App().settings, kVSeq, edited));
        QCOMPARE(edited.baudRate, 16384);
        QCOMPARE(DeviceList::DeviceBaudCode(edited.devices[0]), 16384);
    }

    void registerPickerAcceptsOnlyNumbersInTheAreasRows()
    {
        Project p;
        RegisterRef ref;
        FillRegisterRefDefaults(&p.App().model, ref, RegisterRef::KindWord);
        CDlgRegister dlg(p.App().settings, p.folder, p.App().model, ref, RegisterRef::KindWord);
        auto& f = dlg.Fields();
        QCOMPARE(f.number->text(), QStringLiteral("2000"));
        QCOMPARE(f.area->count(), 1);
        QCOMPARE(f.area->currentText(), QStringLiteral("R"));
        QVERIFY(f.bit->isHidden());
        f.number->setText(QStringLiteral("41240"));
        dlg.accept();
        QCOMPARE(dlg.result(), int(QDialog::Rejected));
        QCOMPARE(p.folder.messages.last().second, QStringLiteral("Error"));
        QVERIFY(p.folder.messages.last().first.startsWith(
            "Error Obj-001 : Register Number is invalid\n[0, 677]"));
        QVERIFY(p.folder.messages.last().first.endsWith("\n[41200, 41237]"));
        f.number->clear();
        QTest::keyClicks(f.number, QStringLiteral("7009")); // 9 is no octal digit
        QCOMPARE(f.number->text(), QStringLiteral("700"));
        dlg.accept();
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(dlg.Result().ToText(), QStringLiteral("DEV001.R.700"));
        QCOMPARE(dlg.Result().address, 448);

        // The last number of the first row and the first of the last row.
        for (const auto& [typed, address] : {std::pair{"677", 0677}, std::pair{"41200", 041200}}) {
            CDlgRegister one(p.App().settings, p.folder, p.App().model, ref, RegisterRef::KindWord);
            one.show();
            one.Fields().number->selectAll();
            QTest::keyClicks(one.Fields().number, QString::fromLatin1(typed));
            QTest::keyClick(one.Fields().number, Qt::Key_Return);
            QCOMPARE(one.result(), int(QDialog::Accepted));
            QCOMPARE(one.Result().address, address);
            QCOMPARE(one.Result().ToText(),
                     QStringLiteral("DEV001.R.") + QString::fromLatin1(typed));
        }

        // A coil picker offers the bit areas only.
        CDlgRegister coils(p.App().settings, p.folder, p.App().model, ref, RegisterRef::KindBit);
        QCOMPARE(coils.Fields().area->findText("R"), -1);
        QVERIFY(coils.Fields().area->findText("SP") >= 0);
    }

    void plcAndPanelPicksItsWords()
    {
        Project p;
        CModalDriver driver;
        QString shown;
        driver.On<CDlgPanel2Plc>([&shown](CDlgPanel2Plc* d) {
            shown = d->Fields().panelAddress->text();
            QTest::mouseClick(d->Fields().plcPick, Qt::LeftButton); // returns after the picker
            d->Fields().plcBeep->setChecked(true);
            d->accept();
            return true;
        });
        driver.On<CDlgRegister>([](CDlgRegister* picker) {
            picker->Fields().number->setText(QStringLiteral("100"));
            picker->accept();
            return true;
        });
        SetupCommands::PlcAndPanel(nullptr, p.controller);
        QVERIFY(driver.steps.isEmpty());
        QCOMPARE(shown, QStringLiteral("DEV001.R.2000"));
        QCOMPARE(p.App().model.plcAndPanel.plcToPanel.ToText(), QStringLiteral("DEV001.R.100"));
        QCOMPARE(p.App().model.plcAndPanel.beepControlEnabled, 1);
        QCOMPARE(p.App().model.plcAndPanel.panelToPlc.ToText(), QStringLiteral("DEV001.R.2000"));
        QVERIFY(p.controller.IsModified());
    }

    void passwordDialogModes()
    {
        Project p;
        const CAppSettings& s = p.App().settings;
        CDlgPassword option(s, CDlgPassword::OptionPassword, QStringLiteral("36093609"));
        QCOMPARE(option.windowTitle(), QStringLiteral("Configure Password -> Option Password"));
        auto* field = option.findChild<QLineEdit*>("password");
        auto* useOld = option.findChild<QCheckBox*>("useOld");
        QVERIFY(useOld->isHidden());
        QVERIFY(field->isEnabled());
        field->clear();
        QTest::keyClicks(field, QStringLiteral("12a34567890"));
        QCOMPARE(option.Password(), QStringLiteral("12345678"));

        CDlgPassword stored(s, CDlgPassword::UploadWithStored, QStringLiteral("11112222"));
        QCOMPARE(stored.windowTitle(), QStringLiteral("Configure Password -> Upload Password"));
        field = stored.findChild<QLineEdit*>("password");
        useOld = stored.findChild<QCheckBox*>("useOld");
        QVERIFY(!useOld->isHidden());
        QVERIFY(useOld->isChecked());
        QVERIFY(!field->isEnabled());
        useOld->setChecked(false);
        QVERIFY(field->isEnabled());
        QCOMPARE(stored.Password(), QStringLiteral("11112222"));

        // Setup > Configure Password: the same text changes nothing.
        CModalDriver driver;
        driver.On<CDlgPassword>([](CDlgPassword* d) {
            d->accept();
            return true;
        });
        SetupCommands::ConfigurePassword(nullptr, p.controller);
        QVERIFY(!p.controller.IsModified());
        driver.On<CDlgPassword>([](CDlgPassword* d) {
            d->findChild<QLineEdit*>("password")->setText(QStringLiteral("123"));
            d->accept();
            return true;
        });
        SetupCommands::ConfigurePassword(nullptr, p.controller);
        QCOMPARE(p.App().model.plcAndPanel.optionPassword, QStringLiteral("123"));
        QVERIFY(p.controller.IsModified());
    }

    void chineseTexts()
    {
        Project p;
        const CAppSettings& s = p.App().settings;
        s.WriteSetting(QStringLiteral("Language"), QStringLiteral("1"));
        CProfileFile::WriteString(s.Paths().SettingsFile(), QStringLiteral("Language"),
                                  QStringLiteral("1"), QStringLiteral("chs"));
        CDlgPanelManager dlg(s, p.folder, p.App().model.panelManager);
        QCOMPARE(dlg.windowTitle(), QStringLiteral("面板管理"));
        QCOMPARE(dlg.RootItem()->text(0), QStringLiteral("面板"));
        QCOMPARE(dlg.ConfigPage().Fields().protectTime->itemText(0), QStringLiteral("无"));
    }
};

QTEST_MAIN(TestUiPanelSettings)
#include "test_ui_panel_settings.moc"
