// Screen Option with Function Key Configuration, and the Alarm List with its
// CSV files, driven through their widgets; results read back from the model
// and the files written.
#include "TestSupport.h"
#include "project/AlarmListCsv.h"
#include "project/ProtocolTables.h"
#include "screen/ValueFormatRules.h"
#include "ui/document/ProjectController.h"
#include "ui/widgets/DigitSpinEdit.h"
#include "ui/project/DlgAlarm.h"
#include "ui/project/DlgScreenFunKey.h"
#include "ui/project/DlgScreenOption.h"
#include "ui/project/FunKeySetRegPage.h"
#include "ui/project/ScreenCommandsUi.h"
#include "ui/widgets/ColorEdit.h"
#include "ui/widgets/RegisterField.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <cstring>

using namespace TestSupport;

namespace {

const QString kVSeq = QString::fromLatin1(ProtocolTables::kVardoVSequence);
const QString kObj002 = QStringLiteral("Error OBJ-002 : Minimum value is not within range");

template <class T>
T* child(QWidget& w, const char* name)
{
    T* c = w.findChild<T*>(QLatin1String(name));
    if (!c)
        qFatal("no child %s", name);
    return c;
}

void clickOk(QDialog& d)
{
    QTest::mouseClick(d.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok),
                      Qt::LeftButton);
}

void click(QWidget* w)
{
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(6, w->height() / 2));
}

void type(QWidget* field, const QString& text)
{
    if (auto* spin = qobject_cast<QAbstractSpinBox*>(field))
        spin->clear();
    else if (auto* edit = qobject_cast<QLineEdit*>(field))
        edit->clear();
    QTest::keyClicks(field, text);
}

RegisterRef coil(int address)
{
    RegisterRef r;
    r.deviceName = "DEV001";
    r.area = "M";
    r.address = address;
    r.radix = 1;
    return r;
}

float floatOf(int bits)
{
    float f;
    std::memcpy(&f, &bits, sizeof f);
    return f;
}

struct Fixture
{
    CTestProgramFolder f;
    CProjectController c{f.App()};
    CScreenCommandsUi commands{c};
    QList<std::function<int(QDialog&)>> steps;
    RegisterRef picked;

    Fixture()
    {
        c.NewProject("Line1", f.Dir() + "/P", "RU03", kVSeq);
        commands.runDialog = [this](QDialog& d) {
            d.show();
            return steps.isEmpty() ? int(QDialog::Rejected) : steps.takeFirst()(d);
        };
        commands.pickRegister = [this](QWidget*, int, RegisterRef& ref) {
            ref = picked;
            return true;
        };
    }
    CProjectModel& Model() { return f.App().model; }
};

QStringList column(QTableWidget* grid, int col)
{
    QStringList out;
    for (int r = 0; r < grid->rowCount(); ++r)
        out.append(grid->item(r, col)->text());
    return out;
}

} // namespace

class TestUiFunctionKeysAlarms : public QObject
{
    Q_OBJECT
private slots:
    void functionKeyWritesAllFourActions()
    {
        Fixture x;
        CSingleDeviceInfo second;
        second.name = "DEV002";
        x.Model().Devices().devices.push_back(second);
        x.f.App().TakeAsSaved();
        x.picked = coil(64);

        x.steps.append([&](QDialog& option) {
            auto* keys = child<QTreeWidget>(option, "listKeys");
            if (keys->topLevelItemCount() != 5 || keys->topLevelItem(2)->text(1) != "Unused")
                return -1;
            child<QSpinBox>(option, "spinNext")->setValue(7);
            keys->setCurrentItem(keys->topLevelItem(2));
            click(child<QPushButton>(option, "buttonEditKey"));
            if (keys->topLevelItem(2)->text(1) != "Used,PSW,SCADA")
                return -2;
            clickOk(option);
            return option.result();
        });
        x.steps.append([&](QDialog& d) {
            auto* combo = child<QComboBox>(d, "comboKey");
            if (combo->currentText() != "F3" || combo->isEnabled())
                return -10;
            click(child<QCheckBox>(d, "checkUsed"));
            click(child<QCheckBox>(d, "checkPassword"));
            click(child<QCheckBox>(d, "checkDescription"));
            type(child<QLineEdit>(d, "editDescription"), "SCADA");
            // Set Coil page: the picked coil, SET NOT.
            click(child<CRegisterField>(d, "fieldCoil")->PickButton());
            if (child<CRegisterField>(d, "fieldCoil")->Edit()->text() != "DEV001.M.100")
                return -11;
            click(child<QRadioButton>(d, "radioSetNot"));
            // Set Data page.
            click(child<QRadioButton>(d, "radioSetData"));
            type(child<CColorEdit>(d, "editValue"), "1234");
            // Advanced page.
            click(child<QRadioButton>(d, "radioAdvanced"));
            child<QComboBox>(d, "comboDevice")->setCurrentIndex(1);
            click(child<QRadioButton>(d, "radioStop"));
            // Screen Change is the type that counts.
            click(child<QRadioButton>(d, "radioScreenChange"));
            type(child<CDigitSpinEdit>(d, "editScreenNumber"), "12");
            clickOk(d);
            return d.result();
        });
        x.commands.ScreenOption(nullptr, 1);
        QVERIFY(x.steps.isEmpty());
        const CScreenObject* screen = x.Model().FindScreen(1);
        const CFunKeyParams& key = screen->keys[2];
        QCOMPARE(key.used, 1);
        QCOMPARE(key.password, 1);
        QCOMPARE(key.showDescription, 1);
        QCOMPARE(key.description, QString("SCADA"));
        QCOMPARE(key.functionType, 2);
        QCOMPARE(key.screenChg.target, 0);
        QCOMPARE(key.screenChg.screenNumber, 12);
        QCOMPARE(key.setCoil.coil.ToText(), QString("DEV001.M.100"));
        QCOMPARE(key.setCoil.coil.address, 64);
        QCOMPARE(key.setCoil.action, 2);
        QCOMPARE(key.setReg.value, 1234);
        QCOMPARE(key.advanced.device.deviceName, QString("DEV002"));
        QCOMPARE(key.advanced.command, 1);
        QCOMPARE(screen->screenChange.next, 7);
        QCOMPARE(screen->keys[0], CFunKeyParams(&x.Model()));
        QVERIFY(x.f.App().ProjectCountsAsModified());

        // Opened again on the Screen Change key, the Set Coil page still holds
        // its settings; switching back to Set Coil shows them unchanged.
        CDlgScreenFunKey again(x.c, screen->keys, 2, x.commands.pickRegister);
        again.show();
        QVERIFY(child<QRadioButton>(again, "radioScreenChange")->isChecked());
        click(child<QRadioButton>(again, "radioSetCoil"));
        QVERIFY(child<CRegisterField>(again, "fieldCoil")->Edit()->isVisible());
        QCOMPARE(child<CRegisterField>(again, "fieldCoil")->Edit()->text(),
                 QString("DEV001.M.100"));
        QVERIFY(child<QRadioButton>(again, "radioSetNot")->isChecked());
        // A 14th character cannot be typed.
        type(child<QLineEdit>(again, "editDescription"), "ABCDEFGHIJKLMNOP");
        QCOMPARE(child<QLineEdit>(again, "editDescription")->text(), QString("ABCDEFGHIJKLM"));
        clickOk(again);
        QCOMPARE(again.Keys()[2].functionType, 0);
        QCOMPARE(again.Keys()[2].screenChg.screenNumber, 12);

        // Cancel in Screen Option keeps the record.
        const CScreenObject before = *screen;
        x.steps.append([](QDialog& option) {
            child<QSpinBox>(option, "spinPrevious")->setValue(99);
            return int(QDialog::Rejected);
        });
        x.commands.ScreenOption(nullptr, 1);
        QCOMPARE(*x.Model().FindScreen(1), before);
    }

    // "Device Name:" holds the device list alone and names one that exists:
    // a key without a device gets the first; a device deleted since is
    // still shown as the key names it.
    void advancedKeyNamesAnExistingDevice()
    {
        Fixture x;
        CSingleDeviceInfo second;
        second.name = "DEV002";
        x.Model().Devices().devices.push_back(second);
        std::array<CFunKeyParams, 5> keys;
        keys[1].advanced.device.deviceName = "GONE";
        {
            CDlgScreenFunKey d(x.c, keys, 0, x.commands.pickRegister);
            d.show();
            auto* devices = child<QComboBox>(d, "comboDevice");
            QCOMPARE(devices->count(), 2);
            QCOMPARE(devices->currentText(), QString("DEV001"));
            click(child<QRadioButton>(d, "radioAdvanced"));
            clickOk(d);
            QCOMPARE(d.result(), int(QDialog::Accepted));
            QCOMPARE(d.Keys()[0].functionType, 3);
            QCOMPARE(d.Keys()[0].advanced.device.deviceName, QString("DEV001"));
        }
        CDlgScreenFunKey d(x.c, keys, 1, x.commands.pickRegister);
        d.show();
        QCOMPARE(child<QComboBox>(d, "comboDevice")->currentText(), QString("GONE"));
        clickOk(d);
        QCOMPARE(d.Keys()[1].advanced.device.deviceName, QString("GONE"));
    }

    // OK stores the function whose radio the user checked. A field that
    // cannot be stored on another page is no error (its action keeps what
    // it held); on the chosen page it is, and the dialog stays open there.
    void okKeepsTheChosenFunction()
    {
        Fixture x;
        std::array<CFunKeyParams, 5> keys;
        keys[0].screenChg.screenNumber = 5;
        keys[0].setReg.value = 7;
        CDlgScreenFunKey d(x.c, keys, 0, x.commands.pickRegister);
        d.show();
        click(child<QRadioButton>(d, "radioScreenChange"));
        type(child<CDigitSpinEdit>(d, "editScreenNumber"), "");
        click(child<QRadioButton>(d, "radioSetCoil"));
        clickOk(d);
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QVERIFY(x.f.messages.isEmpty());
        QCOMPARE(d.Keys()[0].functionType, 0);
        QCOMPARE(d.Keys()[0].screenChg.screenNumber, 5);

        // Screen Change chosen with its number emptied: the error, the
        // number focused, the dialog open and still on Screen Change.
        CDlgScreenFunKey again(x.c, keys, 0, x.commands.pickRegister);
        again.show();
        again.activateWindow();
        click(child<QRadioButton>(again, "radioScreenChange"));
        auto* number = child<CDigitSpinEdit>(again, "editScreenNumber");
        type(number, "");
        clickOk(again);
        QCOMPARE(again.result(), int(QDialog::Rejected));
        QCOMPARE(x.f.messages.size(), 1);
        QVERIFY(child<QRadioButton>(again, "radioScreenChange")->isChecked());
        type(number, "12");
        clickOk(again);
        QCOMPARE(again.result(), int(QDialog::Accepted));
        QCOMPARE(again.Keys()[0].functionType, 2);
        QCOMPARE(again.Keys()[0].screenChg.screenNumber, 12);
        QCOMPARE(again.Keys()[0].setReg.value, 7);
    }

    void setDataFormatSwitchesAndObj002()
    {
        Fixture x;
        std::array<CFunKeyParams, 5> keys;
        keys[0].functionType = 1;
        keys[0].setReg.value = 65535; // unsigned 16
        CDlgScreenFunKey d(x.c, keys, 0, x.commands.pickRegister);
        d.show();
        auto* page = d.SetRegPage();
        auto* value = child<CColorEdit>(d, "editValue");
        auto* quantity = child<QSpinBox>(d, "spinQuantity");
        QCOMPARE(value->text(), QString("65535"));
        QCOMPARE(child<QLabel>(d, "labelHint")->text(), QString("Min: 0  Max: 65535"));

        // 65535 is no BCD 16 and no signed 16: OBJ-002, the format stays.
        click(child<QRadioButton>(d, "radioBcd"));
        QCOMPARE(x.f.messages.last(), qMakePair(kObj002, QStringLiteral("Error")));
        QVERIFY(child<QRadioButton>(d, "radioBin")->isChecked());
        QCOMPARE(page->Format(), VF_UNSIGNED_16);
        click(child<QCheckBox>(d, "checkSign"));
        QCOMPARE(x.f.messages.size(), 2);
        QVERIFY(!child<QCheckBox>(d, "checkSign")->isChecked());
        QCOMPARE(value->text(), QString("65535"));
        QCOMPARE(value->findChild<QLineEdit*>()->selectedText(), QString("65535"));

        // Two registers, then signed: 65535 fits both.
        quantity->setValue(2);
        QCOMPARE(page->Format(), VF_UNSIGNED_32);
        click(child<QCheckBox>(d, "checkSign"));
        QCOMPARE(page->Format(), VF_SIGNED_32);
        QCOMPARE(x.f.messages.size(), 2);
        QCOMPARE(child<QLabel>(d, "labelHint")->text(),
                 QString("Min: -2147483648  Max: 2147483647"));
        type(value, "-5");
        QCOMPARE(value->text(), QString("-5"));
        // Float: the quantity goes to 2 and is disabled with mode and sign.
        click(child<QCheckBox>(d, "checkFloat"));
        QCOMPARE(page->Format(), VF_FLOAT);
        QCOMPARE(value->text(), QString("-5.000000"));
        QVERIFY(!quantity->isEnabled());
        QVERIFY(!child<QCheckBox>(d, "checkSign")->isEnabled());
        clickOk(d);
        QCOMPARE(d.result(), int(QDialog::Accepted));
        const CFunKey_SetReg& reg = d.Keys()[0].setReg;
        QCOMPARE(reg.isFloat, 1);
        QCOMPARE(reg.quantity, 2);
        QCOMPARE(reg.isSigned, 1);
        QCOMPARE(reg.mode, 0);
        QCOMPARE(floatOf(reg.value), -5.0f);
        QCOMPARE(d.Keys()[0].functionType, 1);
    }

    void setDataBcdAndSignedFieldsRefuseWhatTheyCannotHold()
    {
        Fixture x;
        std::array<CFunKeyParams, 5> keys;
        CDlgScreenFunKey d(x.c, keys, 4, x.commands.pickRegister);
        d.show();
        click(child<QRadioButton>(d, "radioSetData"));
        auto* value = child<CColorEdit>(d, "editValue");
        QCOMPARE(value->text(), QString("0"));
        click(child<QRadioButton>(d, "radioBcd"));
        QCOMPARE(d.SetRegPage()->Format(), VF_BCD_16);
        QCOMPARE(child<QLabel>(d, "labelHint")->text(), QString("Min: 0  Max: 9999"));
        type(value, "12345"); // the fifth digit is refused
        QCOMPARE(value->text(), QString("1234"));
        clickOk(d);
        QCOMPARE(d.Keys()[4].setReg.value, 0x1234);
        QCOMPARE(d.Keys()[4].setReg.mode, 1);
        QVERIFY(x.f.messages.isEmpty());

        CDlgScreenFunKey s(x.c, keys, 0, x.commands.pickRegister);
        s.show();
        click(child<QCheckBox>(s, "checkSign"));
        auto* field = child<CColorEdit>(s, "editValue");
        type(field, "-40000"); // the last 0 would leave -32768..32767
        QCOMPARE(field->text(), QString("-4000"));
        QTest::keyClick(field, Qt::Key_Up);
        QCOMPARE(field->text(), QString("-3999"));
    }

    void alarmRowsTakeConsecutiveCoils()
    {
        Fixture x;
        x.picked = coil(64); // M100
        x.steps.append([&](QDialog& d) {
            click(child<CRegisterField>(d, "fieldCoil")->PickButton());
            type(child<CDigitSpinEdit>(d, "editCount"), "3");
            auto* grid = child<QTableWidget>(d, "gridAlarms");
            if (column(grid, 0) != QStringList({"M100", "M101", "M102"}))
                return -1;
            for (int r = 0; r < 3; ++r)
                grid->item(r, 1)->setText(QString("Alarm %1").arg(r + 1));
            clickOk(d);
            return d.result();
        });
        x.commands.AlarmSetup(nullptr);
        QVERIFY(x.steps.isEmpty());
        const auto& items = x.Model().alarms.items;
        QCOMPARE(int(items.size()), 3);
        for (int r = 0; r < 3; ++r) {
            QCOMPARE(items[size_t(r)].coil.address, 64 + r);
            QCOMPARE(items[size_t(r)].coil.deviceName, QString("DEV001"));
            QCOMPARE(items[size_t(r)].message, QString("Alarm %1").arg(r + 1));
        }
        QVERIFY(x.f.App().ProjectCountsAsModified());

        // Opened again: the first entry's coil is the start, M7 on gives M7, M10, M11.
        x.picked = coil(7);
        x.steps.append([&](QDialog& d) {
            if (child<CRegisterField>(d, "fieldCoil")->Edit()->text() != "DEV001.M.100"
                || child<CDigitSpinEdit>(d, "editCount")->text() != "3")
                return -1;
            click(child<CRegisterField>(d, "fieldCoil")->PickButton());
            if (column(child<QTableWidget>(d, "gridAlarms"), 0)
                != QStringList({"M7", "M10", "M11"}))
                return -2;
            clickOk(d);
            return d.result();
        });
        x.commands.AlarmSetup(nullptr);
        QVERIFY(x.steps.isEmpty());
        QCOMPARE(items[0].coil.address, 7);
        QCOMPARE(items[2].coil.address, 9);
        QCOMPARE(items[2].message, QString("Alarm 3"));

        // Count 0 leaves an empty list.
        x.steps.append([&](QDialog& d) {
            type(child<CDigitSpinEdit>(d, "editCount"), "0");
            clickOk(d);
            return d.result();
        });
        x.commands.AlarmSetup(nullptr);
        QVERIFY(items.empty());
    }

    void alarmMessagesOfOneTo24Characters()
    {
        Fixture x;
        CDlgAlarm d(x.c, x.commands.pickRegister, {}, {});
        d.show();
        type(child<CDigitSpinEdit>(d, "editCount"), "3");
        auto* grid = child<QTableWidget>(d, "gridAlarms");
        grid->item(0, 1)->setText(QString(24, 'a'));
        grid->item(1, 1)->setText(QString(25, 'b'));
        grid->item(2, 1)->setText("ok");
        clickOk(d);
        QVERIFY(d.result() != QDialog::Accepted);
        QCOMPARE(x.f.messages.last(),
                 qMakePair(QStringLiteral("Error OBJ-004 : Row 2 is invalid, please reinput it"),
                           QStringLiteral("Warning")));
        QCOMPARE(x.f.kinds.last(), MessageKind::Warning);
        QCOMPARE(grid->currentRow(), 1);
        QCOMPARE(grid->currentColumn(), 1);
        grid->item(1, 1)->setText("");
        clickOk(d);
        QVERIFY(x.f.messages.last().first.contains("Row 2"));
        grid->item(1, 1)->setText(QString(24, 'b'));
        clickOk(d);
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(int(d.Result().items.size()), 3);
        QCOMPARE(d.Result().items[1].message, QString(24, 'b'));
        // The count field: digits only, never above 100.
        type(child<CDigitSpinEdit>(d, "editCount"), "150");
        QCOMPARE(grid->rowCount(), 15);

        // The dialog opens again where it was left.
        d.move(130, 90);
        const QPoint left = d.pos();
        d.reject();
        CDlgAlarm again(x.c, x.commands.pickRegister, {}, {});
        QCOMPARE(again.pos(), left);
    }

    void alarmCsvRoundTripAndRefusedRows()
    {
        Fixture x;
        QTemporaryDir dir;
        const QString file = dir.path() + "/alarms.csv";
        x.picked = coil(64);
        x.commands.chooseExportFile = [&](QWidget*) { return file; };
        x.commands.chooseImportFile = [&](QWidget*) { return file; };
        x.steps.append([&](QDialog& d) {
            click(child<CRegisterField>(d, "fieldCoil")->PickButton());
            type(child<CDigitSpinEdit>(d, "editCount"), "3");
            auto* grid = child<QTableWidget>(d, "gridAlarms");
            grid->item(0, 1)->setText("Pump, left");
            grid->item(1, 1)->setText(QString::fromUtf8("油压 \"低\""));
            grid->item(2, 1)->setText(""); // exported as the grid holds it
            click(child<QPushButton>(d, "buttonExport"));
            return int(QDialog::Rejected);
        });
        x.commands.AlarmSetup(nullptr);
        QCOMPARE(ReadFile(file),
                 QString::fromUtf8("coil,message\r\nDEV001.M.100,\"Pump, left\"\r\n"
                                   "DEV001.M.101,\"油压 \"\"低\"\"\"\r\nDEV001.M.102,\r\n")
                     .toUtf8());
        QVERIFY(x.Model().alarms.items.empty());

        // The empty message is refused on import, naming its row; nothing changes.
        CDlgAlarm d(x.c, x.commands.pickRegister, x.commands.chooseImportFile,
                    x.commands.chooseExportFile);
        d.show();
        click(child<QPushButton>(d, "buttonImport"));
        QCOMPARE(
            x.f.messages.last(),
            qMakePair(QStringLiteral(
                          "Row 3 (line 4 of the file) is invalid: the message must have 1 to 24 "
                          "characters"),
                      QStringLiteral("Error")));
        auto* grid = child<QTableWidget>(d, "gridAlarms");
        QCOMPARE(grid->rowCount(), 0);
        QCOMPARE(child<CRegisterField>(d, "fieldCoil")->Edit()->text(), QString("DEV001.M.0"));

        // Filled, it comes back exactly.
        WriteFile(file, ReadFile(file).replace("DEV001.M.102,\r\n", "DEV001.M.102,Last\r\n"));
        click(child<QPushButton>(d, "buttonImport"));
        QCOMPARE(child<CRegisterField>(d, "fieldCoil")->Edit()->text(), QString("DEV001.M.100"));
        QCOMPARE(child<CDigitSpinEdit>(d, "editCount")->text(), QString("3"));
        QCOMPARE(column(grid, 0), QStringList({"M100", "M101", "M102"}));
        QCOMPARE(column(grid, 1),
                 QStringList({"Pump, left", QString::fromUtf8("油压 \"低\""), "Last"}));
        const QString exported = dir.path() + "/again.csv";
        QVERIFY(d.ExportFile(exported));
        QCOMPARE(ReadFile(exported), ReadFile(file));

        // A coil out of step: row 2 named, the grid as it was.
        grid->item(0, 1)->setText("Edited");
        WriteFile(file, "coil,message\nDEV001.M.100,A\nDEV001.M.103,B\n");
        QVERIFY(!d.ImportFile(file));
        QCOMPARE(
            x.f.messages.last().first,
            QString(
                "Row 2 (line 3 of the file) is invalid: its coil must be DEV001.M.101, the one after "
                "the row before"));
        QCOMPARE(column(grid, 1),
                 QStringList({"Edited", QString::fromUtf8("油压 \"低\""), "Last"}));
        QCOMPARE(child<CRegisterField>(d, "fieldCoil")->Edit()->text(), QString("DEV001.M.100"));
        clickOk(d);
        QCOMPARE(d.Result().items[0].message, QString("Edited"));
    }
};

QTEST_MAIN(TestUiFunctionKeysAlarms)
#include "test_ui_function_keys_alarms.moc"
