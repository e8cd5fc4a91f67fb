// The property forms over a screen window: opened on an object, typed into,
// OK storing every field (one undo point, the screen line written from them,
// read back from the saved screen file by the tests' own reader) and
// clearing the new mark, Cancel taking a just-dropped object away, the
// form reloaded when its object moves and gone with its object.
#include "ScreenFileReader.h"
#include "TestSupport.h"
#include "app/ScreenCommands.h"
#include "app/TessanApp.h"
#include "project/ProtocolTables.h"
#include "screen/DiagramEntityContainer.h"
#include "screen/ObjectBarMeter.h"
#include "screen/ObjectDynamicText.h"
#include "screen/ObjectFactory.h"
#include "screen/ObjectIndicatorLight.h"
#include "screen/ObjectNumeric.h"
#include "screen/ObjectTrendMeter.h"
#include "screen/ObjectStaticBitmap.h"
#include "screen/ObjectStaticText.h"
#include "screen/ObjectString.h"
#include "screen/TessanDoc.h"
#include "ui/document/ProjectController.h"
#include "ui/document/ScreenDocument.h"
#include "ui/screen/ObjectEditor.h"
#include "ui/screen/DlgObjStaticBitmap.h"
#include "ui/screen/PropertyFormDialog.h"
#include "ui/screen/TessanView.h"
#include "ui/widgets/ColorEdit.h"
#include "ui_DlgObjIndicatorLight.h"
#include "ui_DlgObjStaticText.h"
#include "ui/widgets/RegisterField.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <cstring>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>

using namespace TestSupport;

namespace {

const QString kVSeq = QString::fromLatin1(ProtocolTables::kVardoVSequence);

struct Editing
{
    CTestProgramFolder folder;
    CProjectController controller{folder.App()};
    std::unique_ptr<CTessanView> view;
    CScreenDocument* doc = nullptr;

    Editing()
    {
        controller.NewProject("Line1", folder.Dir() + "/P", "RU03", kVSeq);
        doc = controller.ScreenDocument(1);
        view = std::make_unique<CTessanView>(controller, doc, 1);
        view->resize(900, 500);
        view->show();
    }
    CObjectEditor& editor() { return *view->Editor(); }
    const CDiagramEntityContainer& objects() { return doc->Container(); }
    const CDiagramEntity* at(int i) { return objects().GetAt(i); }
    const CDiagramEntity* add(int kind, int l, int t, int r, int b)
    {
        auto o = CreateObjectOfKind(kind, &controller.App().model);
        o->SetRect(l, t, r, b);
        const CDiagramEntity* p = o.get();
        doc->Edit([&](CDiagramEntityContainer& c) { c.Add(std::move(o)); });
        return p;
    }
    // Changes an object outside its form, as one edit of the screen.
    template <class Kind, class Change>
    void change(const CDiagramEntity* object, Change f)
    {
        doc->Edit([&](CDiagramEntityContainer& c) {
            f(*static_cast<Kind*>(c.GetAt(c.IndexOf(object))));
        });
    }
    // Selects the object alone and opens its form with Ctrl+Enter.
    CPropertyFormDialog* open(const CDiagramEntity* object)
    {
        const int index = objects().IndexOf(object);
        doc->Select([&](CDiagramEntityContainer& c) {
            c.UnselectAll();
            c.GetAt(index)->Select(true);
        });
        QTest::keyClick(&editor(), Qt::Key_Return, Qt::ControlModifier);
        return shownForm();
    }
    static CPropertyFormDialog* shownForm()
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* d = qobject_cast<CPropertyFormDialog*>(w); d && d->isVisible())
                return d;
        return nullptr;
    }
    bool drop(int kind, double x, double y)
    {
        QMimeData mime;
        mime.setText(QString::number(kind));
        const QPoint p = editor().ToWindow(QPointF(x, y));
        QDragEnterEvent enter(p, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(editor().viewport(), &enter);
        QDropEvent e(QPointF(p), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(editor().viewport(), &e);
        return e.isAccepted();
    }
    // The line of an object in the screen file that Save Project writes, read
    // by the tests' reader; an empty line (no kind) when anything failed.
    ScreenFileReader::ObjectLine savedLine(const CDiagramEntity* object)
    {
        const int index = objects().IndexOf(object);
        if (!controller.SaveProject())
            return {};
        const CTessanApp& app = controller.App();
        QString path;
        if (!ScreenCommands::ScreenFilePath(app, 1, app.model.FindScreen(1)->name, &path))
            return {};
        const ScreenFileReader::ScreenFile file = ScreenFileReader::ReadFile(path);
        if (!file.ok) {
            qWarning("%s", qPrintable(file.error));
            return {};
        }
        return file.objects.value(index);
    }
};

void Retype(QWidget* field, const QString& text)
{
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
}

template <typename UiFields>
void ClickOk(UiFields& ui)
{
    QTest::mouseClick(ui.buttonBox->button(QDialogButtonBox::Ok), Qt::LeftButton);
}

template <typename UiFields>
void ClickCancel(UiFields& ui)
{
    QTest::mouseClick(ui.buttonBox->button(QDialogButtonBox::Cancel), Qt::LeftButton);
}

template <typename UiFields>
UiFields Fields(CPropertyFormDialog* dialog)
{
    UiFields ui;
    // The generated class holds pointers only: find them again by name.
    ui.editName = dialog->findChild<QLineEdit*>("editName");
    ui.buttonBox = dialog->findChild<QDialogButtonBox*>("buttonBox");
    ui.checkInversion = dialog->findChild<QCheckBox*>("checkInversion");
    return ui;
}

} // namespace

class TestUiPropertyForms : public QObject
{
    Q_OBJECT
private slots:
    void staticTextStoresEveryFieldOnOk()
    {
        Editing e;
        const CDiagramEntity* o = e.add(OBJ_STATIC_TEXT, 16, 16, 96, 32);
        CPropertyFormDialog* form = e.open(o);
        QVERIFY(form);
        QCOMPARE(form->windowTitle(), QString("Static Text Property"));
        auto ui = Fields<Ui::CDlgObjStaticText>(form);
        ui.editString = form->findChild<CColorEdit*>("editString");
        QCOMPARE(ui.editName->text(), QString("Static Text"));
        QCOMPARE(ui.editString->Text(), QString("Static Text"));

        Retype(ui.editName, "Title of the tank screen, too long");
        Retype(ui.editString, "Tank 1 level");
        QTest::keyClick(ui.checkInversion, Qt::Key_Space);
        const int undo = e.objects().UndoCount();
        ClickOk(ui);
        QVERIFY(!form->isVisible());

        auto* text = static_cast<const CObjectStaticText*>(o);
        QCOMPARE(text->GetName(), QString("Title of the tank screen"));
        QCOMPARE(text->text, QString("Tank 1 level"));
        QCOMPARE(text->inversion, 1);
        const ScreenFileReader::ObjectLine line = e.savedLine(o);
        QCOMPARE(line.kind, QString("Static Text"));
        QCOMPARE(line.name, QString("Title of the tank screen"));
        QCOMPARE(line.Field(1), QString("Tank 1 level"));
        QCOMPARE(line.Field(2), QString("1"));
        QCOMPARE(line.fields.size(), 16);
        // One undo point brings the old fields back.
        QCOMPARE(e.objects().UndoCount(), undo + 1);
        e.editor().Undo();
        auto* back = static_cast<const CObjectStaticText*>(e.at(0));
        QCOMPARE(back->text, QString("Static Text"));
        QCOMPARE(back->inversion, 0);
    }

    void formFollowsItsObjectAndGoesWithIt()
    {
        Editing e;
        const CDiagramEntity* o = e.add(OBJ_STATIC_TEXT, 16, 16, 96, 32);
        CPropertyFormDialog* form = e.open(o);
        QVERIFY(form);
        auto* check = form->findChild<QCheckBox*>("checkInversion");
        QVERIFY(!check->isChecked());
        // Opening again shows the same window.
        QTest::keyClick(&e.editor(), Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(Editing::shownForm(), form);

        // A keyboard move reloads the open form from the object.
        e.change<CObjectStaticText>(o, [](CObjectStaticText& t) { t.inversion = 1; });
        e.editor().setFocus();
        QTest::keyClick(&e.editor(), Qt::Key_Right);
        QVERIFY(o->GetRect().left > 16);
        QVERIFY(check->isChecked());

        QPointer<CPropertyFormDialog> gone = form;
        e.doc->Edit([](CDiagramEntityContainer& c) { c.RemoveAll(); });
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(gone.isNull());
    }

    void cancelTakesANewObjectAwayOnly()
    {
        Editing e;
        QVERIFY(e.drop(OBJ_INDICATOR_LIGHT, 8, 8));
        QCOMPARE(e.objects().GetSize(), 1);
        QVERIFY(e.at(0)->IsMarkedNew());
        CPropertyFormDialog* form = Editing::shownForm();
        QVERIFY(form);
        auto ui = Fields<Ui::CDlgObjIndicatorLight>(form);
        ClickCancel(ui);
        QCOMPARE(e.objects().GetSize(), 0);
        e.editor().Undo();
        QCOMPARE(e.objects().GetSize(), 1);

        // OK clears the mark; a later Cancel keeps the object and its fields.
        QVERIFY(e.drop(OBJ_INDICATOR_LIGHT, 80, 8));
        QCOMPARE(e.objects().GetSize(), 2);
        const CDiagramEntity* light = e.at(1);
        form = Editing::shownForm();
        QVERIFY(form);
        ui = Fields<Ui::CDlgObjIndicatorLight>(form);
        ClickOk(ui);
        QVERIFY(!light->IsMarkedNew());
        form = e.open(light);
        QVERIFY(form);
        ui = Fields<Ui::CDlgObjIndicatorLight>(form);
        QTest::keyClick(ui.checkInversion, Qt::Key_Space);
        ClickCancel(ui);
        QCOMPARE(e.objects().GetSize(), 2);
        QCOMPARE(static_cast<const CObjectIndicatorLight*>(light)->inversion, 0);
    }

    void indicatorLightStoresShapeAndFlags()
    {
        Editing e;
        const CDiagramEntity* o = e.add(OBJ_INDICATOR_LIGHT, 8, 8, 40, 40);
        CPropertyFormDialog* form = e.open(o);
        QVERIFY(form);
        auto ui = Fields<Ui::CDlgObjIndicatorLight>(form);
        auto* light = static_cast<const CObjectIndicatorLight*>(o);
        auto* coil = form->findChild<CRegisterField*>("fieldCoil")->Edit();
        QCOMPARE(coil->text(), light->coil.ToText());
        auto* circle = form->findChild<QRadioButton*>("radioCircle");
        auto* rectangle = form->findChild<QRadioButton*>("radioRectangle");
        auto* twice = form->findChild<QCheckBox*>("checkDouble");
        QVERIFY(circle->isChecked());
        QVERIFY(twice->isChecked());
        QTest::keyClick(rectangle, Qt::Key_Space);
        QTest::keyClick(twice, Qt::Key_Space);
        QTest::keyClick(ui.checkInversion, Qt::Key_Space);
        Retype(ui.editName, "Pump");
        ClickOk(ui);
        QCOMPARE(light->shape, 1);
        QCOMPARE(light->doubleSize, 0);
        QCOMPARE(light->inversion, 1);
        QCOMPARE(light->GetName(), QString("Pump"));
        const ScreenFileReader::ObjectLine line = e.savedLine(o);
        QCOMPARE(line.kind, QString("Indicator Light"));
        QCOMPARE(line.name, QString("Pump"));
        const RegisterRef& c = light->coil;
        QCOMPARE(line.Register(1),
                 (ScreenFileReader::RegisterFields{
                     c.deviceName, c.area, QString::number(c.address), QString::number(c.bitNumber),
                     QString::number(c.bitOfWord), QString::number(c.radix)}));
        QCOMPARE(line.Field(7), QString("1")); // inversion
        QCOMPARE(line.Field(8), QString("0")); // double
        QCOMPARE(line.Field(9), QString("1")); // shape

        // OK with nothing changed leaves the screen unmodified.
        QSignalSpy changed(&e.editor(), &CDiagramEditor::contentChanged);
        form = e.open(o);
        ui = Fields<Ui::CDlgObjIndicatorLight>(form);
        QVERIFY(form->findChild<QRadioButton*>("radioRectangle")->isChecked());
        ClickOk(ui);
        QCOMPARE(changed.count(), 0);
    }
    void barMeterRangesFollowTheFormat()
    {
        Editing e;
        const CDiagramEntity* o = e.add(OBJ_BAR_METER, 8, 8, 24, 40);
        auto* meter = static_cast<const CObjectBarMeter*>(o);
        CPropertyFormDialog* form = e.open(o);
        QVERIFY(form);
        auto* count = form->findChild<CColorEdit*>("editCount");
        auto* isSigned = form->findChild<QCheckBox*>("checkSigned");
        auto* isFloat = form->findChild<QCheckBox*>("checkFloat");
        auto* minimum = form->findChild<CColorEdit*>("editMin");
        auto* maximum = form->findChild<CColorEdit*>("editMax");
        auto* point = form->findChild<CColorEdit*>("editPoint");
        auto* hex = form->findChild<QRadioButton*>("radioHex");
        auto* dec = form->findChild<QRadioButton*>("radioDec");
        auto* ok = form->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Ok);
        QCOMPARE(minimum->Text(), QString("0"));
        QCOMPARE(maximum->Text(), QString("100"));
        QCOMPARE(minimum->toolTip(), QString("Min: 0  Max: 65535"));
        QVERIFY(point->isHidden());

        // Signed, one register: -40000 does not fit and the field reverts.
        QTest::keyClick(isSigned, Qt::Key_Space);
        QCOMPARE(minimum->toolTip(), QString("Min: -32768  Max: 32767"));
        Retype(minimum, "-40000");
        QCOMPARE(minimum->Text(), QString("-4000"));
        // Two registers take it; back to one refuses the change with OBJ-002.
        Retype(count, "2");
        Retype(minimum, "-40000");
        QCOMPARE(minimum->Text(), QString("-40000"));
        Retype(count, "1");
        QCOMPARE(e.folder.messages.size(), 1);
        QCOMPARE(e.folder.messages.last().first,
                 QString("Error OBJ-002 : Minimum value is not within range"));
        QCOMPARE(e.folder.messages.last().second, QString("Error"));
        // OK checks again and keeps the form open; nothing is stored.
        QTest::mouseClick(ok, Qt::LeftButton);
        QCOMPARE(e.folder.messages.size(), 2);
        QVERIFY(form->isVisible());
        QCOMPARE(meter->minimum, quint32(0));
        Retype(count, "2");
        QTest::mouseClick(ok, Qt::LeftButton);
        QVERIFY(!form->isVisible());
        QCOMPARE(meter->registerCount, 2);
        QCOMPARE(meter->isSigned, 1);
        QCOMPARE(qint32(meter->minimum), -40000);
        const ScreenFileReader::ObjectLine line = e.savedLine(o);
        QCOMPARE(line.kind, QString("Bar Meter"));
        QCOMPARE(line.Field(7), QString("2"));           // register count
        QCOMPARE(line.Field(10), QString("1"));          // signed
        QCOMPARE(line.Field(14), QString("4294927296")); // minimum, -40000 as its 32-bit pattern

        // Reopened, the form shows the stored range, also in legacy range
        // mode (a new project is in it), so a second OK keeps it.
        QVERIFY(e.controller.App().model.IsLegacyRangeMode());
        form = e.open(o);
        QCOMPARE(minimum->Text(), QString("-40000"));
        QTest::mouseClick(ok, Qt::LeftButton);
        QCOMPARE(qint32(meter->minimum), -40000);

        // BCD: 9999 typed is stored as the pattern 0x9999 and stays "9999"
        // when the meter goes back to DEC.
        form = e.open(o);
        Retype(minimum, "0");
        QTest::keyClick(hex, Qt::Key_Space);
        Retype(count, "1");
        Retype(maximum, "9999");
        QTest::mouseClick(ok, Qt::LeftButton);
        QVERIFY(!form->isVisible());
        QCOMPARE(meter->model, 1);
        QCOMPARE(meter->maximum, quint32(0x9999));
        form = e.open(o);
        QCOMPARE(maximum->Text(), QString("9999"));
        QTest::keyClick(dec, Qt::Key_Space);
        QCOMPARE(maximum->Text(), QString("9999"));

        // Float: two registers fixed, Modle and Signed hidden, Point shown;
        // the range is stored as float bits.
        QTest::keyClick(isFloat, Qt::Key_Space);
        QCOMPARE(count->Text(), QString("2"));
        QVERIFY(!count->isEnabled());
        QVERIFY(isSigned->isHidden());
        QVERIFY(hex->isHidden());
        QVERIFY(!point->isHidden());
        Retype(minimum, "1.5");
        Retype(point, "3");
        QTest::mouseClick(ok, Qt::LeftButton);
        QVERIFY(!form->isVisible());
        QCOMPARE(meter->isFloat, 1);
        QCOMPARE(meter->registerCount, 2);
        QCOMPARE(meter->decimalPlaces, 3);
        float f = 1.5f;
        quint32 bits = 0;
        std::memcpy(&bits, &f, sizeof bits);
        QCOMPARE(meter->minimum, bits);
    }
    // An emptied Min or Max reads as 0, in a format change and on OK; a
    // refused change leaves both texts as typed.
    void emptyRangeFieldsReadAsZero()
    {
        Editing e;
        const CDiagramEntity* o = e.add(OBJ_BAR_METER, 8, 8, 24, 40);
        auto* meter = static_cast<const CObjectBarMeter*>(o);
        e.change<CObjectBarMeter>(o, [](CObjectBarMeter& m) {
            m.isSigned = 1;
            m.minimum = quint32(-5);
        });
        CPropertyFormDialog* form = e.open(o);
        QVERIFY(form);
        auto* isSigned = form->findChild<QCheckBox*>("checkSigned");
        auto* isFloat = form->findChild<QCheckBox*>("checkFloat");
        auto* minimum = form->findChild<CColorEdit*>("editMin");
        auto* maximum = form->findChild<CColorEdit*>("editMax");
        auto* ok = form->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Ok);
        QCOMPARE(minimum->Text(), QString("-5"));
        // Signed 16-bit to unsigned 16-bit with Min empty: 0 fits.
        Retype(minimum, "");
        QTest::keyClick(isSigned, Qt::Key_Space);
        QVERIFY(e.folder.messages.isEmpty());
        QCOMPARE(minimum->Text(), QString("0"));
        QTest::mouseClick(ok, Qt::LeftButton);
        QVERIFY(!form->isVisible());
        QCOMPARE(meter->isSigned, 0);
        QCOMPARE(meter->minimum, quint32(0));
        // Signed again, Min emptied and OK: 0 is stored, not the format's minimum.
        form = e.open(o);
        QTest::keyClick(isSigned, Qt::Key_Space);
        Retype(minimum, "");
        QTest::mouseClick(ok, Qt::LeftButton);
        QVERIFY(!form->isVisible());
        QCOMPARE(meter->isSigned, 1);
        QCOMPARE(meter->minimum, quint32(0));

        // Float with Max left at "-": unticking Float is refused with OBJ-003
        // and Min keeps its decimals.
        form = e.open(o);
        QTest::keyClick(isFloat, Qt::Key_Space);
        Retype(minimum, "1.5");
        Retype(maximum, "-");
        QTest::keyClick(isFloat, Qt::Key_Space);
        QCOMPARE(e.folder.messages.size(), 1);
        QCOMPARE(e.folder.messages.last().first,
                 QString("Error OBJ-003 : Maximum value is not within range"));
        QCOMPARE(minimum->Text(), QString("1.5"));
        QCOMPARE(maximum->Text(), QString("-"));
    }

    // The spin buttons of Min and Max step over the format's own range, from
    // the form's opening and after every change of format.
    void rangeSpinsFollowTheFormat()
    {
        Editing e;
        const CDiagramEntity* o = e.add(OBJ_BAR_METER, 8, 8, 24, 40);
        e.change<CObjectBarMeter>(o, [](CObjectBarMeter& m) {
            m.registerCount = 2;
            m.isSigned = 1; // format 2
        });
        CPropertyFormDialog* form = e.open(o);
        QVERIFY(form);
        auto* isSigned = form->findChild<QCheckBox*>("checkSigned");
        auto* isFloat = form->findChild<QCheckBox*>("checkFloat");
        auto* hex = form->findChild<QRadioButton*>("radioHex");
        auto* minimum = form->findChild<CColorEdit*>("editMin");
        auto* maximum = form->findChild<CColorEdit*>("editMax");
        const auto stepped = [](CColorEdit* field, const QString& from, int steps) {
            field->SetText(from);
            field->stepBy(steps);
            return field->Text();
        };
        // Format 2, as the form opens.
        QVERIFY(minimum->HasSpin());
        QCOMPARE(stepped(minimum, "-5", 1), QString("-4"));
        QCOMPARE(stepped(minimum, "-2147483648", -1), QString("-2147483648"));
        QCOMPARE(stepped(maximum, "2147483646", 5), QString("2147483647"));
        // Format 4.
        Retype(minimum, "0");
        QTest::keyClick(isSigned, Qt::Key_Space);
        QCOMPARE(stepped(maximum, "4294967290", 3), QString("4294967293"));
        QCOMPARE(stepped(maximum, "4294967295", 1), QString("4294967295"));
        QCOMPARE(stepped(minimum, "0", -1), QString("0"));
        // Format 6.
        Retype(maximum, "100");
        QTest::keyClick(hex, Qt::Key_Space);
        QCOMPARE(stepped(maximum, "99999998", 1), QString("99999999"));
        QCOMPARE(stepped(maximum, "99999999", 1), QString("99999999"));
        // Format 7, in whole steps (the field holds 11 characters).
        QTest::keyClick(isFloat, Qt::Key_Space);
        QVERIFY(e.folder.messages.isEmpty());
        QCOMPARE(stepped(minimum, "-999999999", -5), QString("-1000000000"));
        QCOMPARE(stepped(maximum, "1.000000", 1), QString("2.000000"));
    }

    void numericRefusesPointAboveDigit()
    {
        Editing e;
        const CDiagramEntity* o = e.add(OBJ_NUMERIC, 8, 8, 72, 24);
        auto* numeric = static_cast<const CObjectNumeric*>(o);
        CPropertyFormDialog* form = e.open(o);
        QVERIFY(form);
        QCOMPARE(form->windowTitle(), QString("Numeric Property"));
        auto* digit = form->findChild<CColorEdit*>("editDigit");
        auto* point = form->findChild<CColorEdit*>("editPoint");
        auto* ok = form->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Ok);
        // "Point:" stays shown without Float on the numeric.
        QVERIFY(!point->isHidden());
        QCOMPARE(digit->Text(), QString("5"));
        Retype(point, "6");
        QTest::mouseClick(ok, Qt::LeftButton);
        QVERIFY(form->isVisible());
        QCOMPARE(e.folder.messages.size(), 1);
        QCOMPARE(e.folder.messages.last().first,
                 QString("Error OBJ-005 : Point value must be less than digit value"));
        QCOMPARE(numeric->decimalPlaces, 0);
        QCOMPARE(point->TextEditor()->selectedText(), QString("6"));
        Retype(point, "5");
        QTest::keyClick(form->findChild<QCheckBox*>("checkLeadingZeros"), Qt::Key_Space);
        QTest::keyClick(form->findChild<QCheckBox*>("checkSet"), Qt::Key_Space);
        QTest::mouseClick(ok, Qt::LeftButton);
        QVERIFY(!form->isVisible());
        QCOMPARE(numeric->decimalPlaces, 5);
        QCOMPARE(numeric->digits, 5);
        QCOMPARE(numeric->leadingZeros, 1);
        QCOMPARE(numeric->set, 1);
        QCOMPARE(numeric->encrypt, 0);
        const ScreenFileReader::ObjectLine line = e.savedLine(o);
        QCOMPARE(line.kind, QString("Numeric"));
        QCOMPARE(line.Field(8), QString("1"));  // set
        QCOMPARE(line.Field(9), QString("0"));  // encrypt
        QCOMPARE(line.Field(17), QString("5")); // digits
        QCOMPARE(line.Field(18), QString("5")); // decimal places
        QCOMPARE(line.Field(19), QString("1")); // leading zeros

        // An empty Digit with Point 0 would store a numeric that shows
        // nothing: OK names "Digit:".
        form = e.open(o);
        Retype(point, "0");
        Retype(digit, "");
        QTest::mouseClick(ok, Qt::LeftButton);
        QVERIFY(form->isVisible());
        QCOMPARE(
            e.folder.messages.last(),
            qMakePair(QString("Error OBJ-008 : The value is not within range"), QString("Error")));
        QCOMPARE(form->focusWidget(), digit);
        QCOMPARE(numeric->digits, 5);
        QCOMPARE(numeric->decimalPlaces, 5);
    }

    void trendMeterDataPointsFollowTheWidth()
    {
        Editing e;
        const CDiagramEntity* o = e.add(OBJ_TREND_METER, 8, 8, 48, 40); // 40 pixels wide
        auto* trend = static_cast<const CObjectTrendMeter*>(o);
        e.change<CObjectTrendMeter>(o, [](CObjectTrendMeter& t) { t.dataPoints = 60; });
        CPropertyFormDialog* form = e.open(o);
        QVERIFY(form);
        auto* points = form->findChild<CColorEdit*>("editDataPoint");
        auto* interval = form->findChild<CColorEdit*>("editInterval");
        auto* ok = form->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Ok);
        // The stored 60 is shown cut to the most the width allows.
        QCOMPARE(points->Text(), QString("38"));
        QCOMPARE(points->toolTip(), QString("Min: 2  Max: 38"));
        QCOMPARE(interval->toolTip(), QString("Min: 1  Max: 6000"));
        Retype(points, "39");
        QCOMPARE(points->Text(), QString("3"));
        // Left empty: OK names the field.
        Retype(points, "");
        QTest::mouseClick(ok, Qt::LeftButton);
        QVERIFY(form->isVisible());
        QCOMPARE(e.folder.messages.last().first, QString("Error OBJ-007 : Data Point is invalid"));
        Retype(points, "2");
        Retype(interval, "6000");
        QTest::mouseClick(ok, Qt::LeftButton);
        QVERIFY(!form->isVisible());
        QCOMPARE(trend->dataPoints, 2);
        QCOMPARE(trend->interval, 6000);
        const ScreenFileReader::ObjectLine line = e.savedLine(o);
        QCOMPARE(line.kind, QString("Trend Meter"));
        QCOMPARE(line.Field(16), QString("2"));    // data points
        QCOMPARE(line.Field(17), QString("6000")); // interval
    }
    void stringCountFollowsTheRegisterCount()
    {
        Editing e;
        const CDiagramEntity* o = e.add(OBJ_STRING, 8, 8, 72, 24);
        auto* string = static_cast<const CObjectString*>(o);
        CPropertyFormDialog* form = e.open(o);
        QVERIFY(form);
        auto* count = form->findChild<CColorEdit*>("editCount");
        auto* strings = form->findChild<CColorEdit*>("editStringCount");
        auto* ok = form->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Ok);
        Retype(count, "3");
        QCOMPARE(strings->toolTip(), QString("Min: 1  Max: 6"));
        Retype(strings, "7");
        QCOMPARE(strings->Text(), QString("1"));
        Retype(strings, "6");
        QCOMPARE(strings->Text(), QString("6"));
        // Fewer registers than the strings need: OBJ-008 at once and on OK.
        Retype(count, "2");
        QCOMPARE(e.folder.messages.size(), 1);
        QCOMPARE(e.folder.messages.last().first,
                 QString("Error OBJ-008 : The value is not within range"));
        QTest::mouseClick(ok, Qt::LeftButton);
        QVERIFY(form->isVisible());
        QCOMPARE(e.folder.messages.size(), 2);
        Retype(count, "3");
        QTest::keyClick(form->findChild<QCheckBox*>("checkDouble"), Qt::Key_Space);
        QTest::mouseClick(ok, Qt::LeftButton);
        QVERIFY(!form->isVisible());
        QCOMPARE(string->registerCount, 3);
        QCOMPARE(string->stringCount, 6);
        QCOMPARE(string->doubleSize, 1);
        const ScreenFileReader::ObjectLine line = e.savedLine(o);
        QCOMPARE(line.kind, QString("String"));
        QCOMPARE(line.Field(7), QString("3"));  // register count
        QCOMPARE(line.Field(8), QString("1"));  // double
        QCOMPARE(line.Field(10), QString("6")); // string count

        // An empty count lets "String Count:" reach 24, but OK refuses to
        // store a string longer than its registers and names the count.
        form = e.open(o);
        Retype(count, "");
        QCOMPARE(strings->toolTip(), QString("Min: 1  Max: 24"));
        Retype(strings, "24");
        const auto before = e.folder.messages.size();
        QTest::mouseClick(ok, Qt::LeftButton);
        QVERIFY(form->isVisible());
        QCOMPARE(e.folder.messages.size(), before + 1);
        QCOMPARE(
            e.folder.messages.last(),
            qMakePair(QString("Error OBJ-008 : The value is not within range"), QString("Error")));
        QCOMPARE(form->focusWidget(), count);
        QCOMPARE(string->registerCount, 3);
        QCOMPARE(string->stringCount, 6);
        Retype(count, "12");
        Retype(strings, "24");
        QTest::mouseClick(ok, Qt::LeftButton);
        QVERIFY(!form->isVisible());
        QCOMPARE(string->registerCount, 12);
        QCOMPARE(string->stringCount, 24);
    }

    void dynamicTextGridRefusesAGap()
    {
        Editing e;
        const CDiagramEntity* o = e.add(OBJ_DYNAMIC_TEXT, 8, 8, 72, 24);
        auto* text = static_cast<const CObjectDynamicText*>(o);
        CPropertyFormDialog* form = e.open(o);
        QVERIFY(form);
        auto* table = form->findChild<QTableWidget*>("tableTexts");
        auto* ok = form->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Ok);
        QCOMPARE(table->rowCount(), 254);
        QCOMPARE(table->item(253, 0)->text(), QString("253"));
        QCOMPARE(table->item(0, 1)->text(), QString("Dynamic Text"));
        const auto type = [&](int row, const QString& s) {
            table->setFocus();
            table->setCurrentCell(row, 1);
            table->editItem(table->item(row, 1));
            QLineEdit* editor = nullptr;
            const QRect cell = table->visualItemRect(table->item(row, 1));
            for (QLineEdit* line : table->viewport()->findChildren<QLineEdit*>())
                if (line->isVisible() && cell.contains(line->geometry().center()))
                    editor = line;
            QVERIFY(editor);
            QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(editor, s);
            QTest::keyClick(editor, Qt::Key_Return);
            // The cell takes the text (a queued call) and the closed editor goes.
            QCoreApplication::sendPostedEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            // Enter ended the cell's edit, not the form.
            QVERIFY(form->isVisible());
            QCOMPARE(table->item(row, 1)->text(), s);
        };
        // Rows 1, 2 and 4 filled: row 3 is named.
        type(0, "Stop");
        type(1, "Run");
        type(3, "Fault");
        QCOMPARE(table->item(3, 1)->text(), QString("Fault"));
        QTest::mouseClick(ok, Qt::LeftButton);
        QVERIFY(form->isVisible());
        QCOMPARE(e.folder.messages.last().first,
                 QString("Error OBJ-004: Row 3 is invalid, please reinput it"));
        QCOMPARE(table->currentRow(), 2);
        type(2, "Wait");
        QTest::keyClick(form->findChild<QRadioButton*>("radioHex"), Qt::Key_Space);
        QTest::mouseClick(ok, Qt::LeftButton);
        QVERIFY(!form->isVisible());
        QCOMPARE(text->texts, QStringList({"Stop", "Run", "Wait", "Fault"}));
        QCOMPARE(text->model, 1);
        const ScreenFileReader::ObjectLine line = e.savedLine(o);
        QCOMPARE(line.kind, QString("Dynamic Text"));
        QCOMPARE(line.fields.mid(0, 5), QStringList({"4", "Stop", "Run", "Wait", "Fault"}));
        QCOMPARE(line.Field(13),
                 QString("1")); // model, after the six register fields and inversion
    }

    void staticBitmapSplitsItsPath()
    {
        Editing e;
        const CDiagramEntity* o = e.add(OBJ_STATIC_BITMAP, 8, 8, 24, 24);
        auto* bitmap = static_cast<const CObjectStaticBitmap*>(o);
        CPropertyFormDialog* form = e.open(o);
        QVERIFY(form);
        auto* path = form->findChild<QLineEdit*>("editBitmap");
        auto* ok = form->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Ok);
        QCOMPARE(path->text(), QString("BMP_Files\\Arrow\\arrow_16_16_RIGHT.bmp"));
        Retype(path, "BMP_Files\\Button\\ok.bmp");
        QTest::keyClick(form->findChild<QCheckBox*>("checkStretch"), Qt::Key_Space);
        QTest::keyClick(form->findChild<QCheckBox*>("checkBlackInversion"), Qt::Key_Space);
        QTest::mouseClick(ok, Qt::LeftButton);
        QCOMPARE(bitmap->folder, QString("BMP_Files\\Button"));
        QCOMPARE(bitmap->fileName, QString("ok.bmp"));
        QCOMPARE(bitmap->scaling, 2);
        QCOMPARE(bitmap->blackInversion, 1);
        const ScreenFileReader::ObjectLine line = e.savedLine(o);
        QCOMPARE(line.kind, QString("Static Bitmap"));
        QCOMPARE(line.fields, QStringList({"BMP_Files\\Button", "ok.bmp", "2", "1"}));
        // A project bitmap: no backslash after the first character.
        form = e.open(o);
        Retype(path, "logo.bmp");
        QTest::mouseClick(ok, Qt::LeftButton);
        QCOMPARE(bitmap->folder, QString());
        QCOMPARE(bitmap->fileName, QString("logo.bmp"));
        QString folder, file;
        CDlgObjStaticBitmap::SplitBitmapText("\\top.bmp", folder, file);
        QCOMPARE(folder, QString());
        QCOMPARE(file, QString("\\top.bmp"));
    }
};

QTEST_MAIN(TestUiPropertyForms)
#include "test_ui_property_forms.moc"
