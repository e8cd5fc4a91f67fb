// The object kinds as each layer lists them: the screen layer's table (code,
// stored name, factory), the editor's (menu, icon, painter, form, pages) and
// the panel's (record kinds) agree kind by kind, in the order of the codes.
// And the one register field of the forms and dialogs: "..." with its
// picker, the text it shows, the name a screen reader reads.
#include "TestSupport.h"
#include "runtime/RuntimeObjectKinds.h"
#include "screen/ObjectFactory.h"
#include "ui/app/CommandEnabling.h"
#include "ui/app/IconPainter.h"
#include "ui/app/MainCommands.h"
#include "ui/app/ManualPages.h"
#include "ui/screen/EditorObjectKinds.h"
#include "ui/screen/ObjectPainter.h"
#include "ui/widgets/RegisterField.h"

#include <QAction>
#include <QDialog>
#include <QGridLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

// Pixels that an icon drew on a transparent 24 x 24 picture.
int InkedPixels(const QIcon& icon)
{
    const QImage image = icon.pixmap(24, 24).toImage();
    int inked = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            inked += qAlpha(image.pixel(x, y)) > 0;
    return inked;
}

// A dialog with one labelled register field, as the forms lay it out.
struct FieldDialog
{
    QDialog dialog;
    QLabel* label = new QLabel(QStringLiteral("&Coil Number:"), &dialog);
    CRegisterField* field = new CRegisterField(&dialog);

    FieldDialog()
    {
        auto* grid = new QGridLayout(&dialog);
        grid->addWidget(label, 0, 0);
        grid->addWidget(field, 0, 1);
        label->setBuddy(field);
    }
};

RegisterRef Coil(int address)
{
    RegisterRef r;
    r.deviceName = QStringLiteral("DEV001");
    r.area = QStringLiteral("M");
    r.address = address;
    r.radix = 1;
    return r;
}

} // namespace

class TestUiObjectKinds : public QObject
{
    Q_OBJECT
private slots:
    void everyLayerListsEveryKindInCodeOrder()
    {
        QCOMPARE(int(ObjectKinds().size()), kObjectKindCount);
        QCOMPARE(int(EditorObjectKinds().size()), kObjectKindCount);
        QCOMPARE(int(RuntimeObjectKinds().size()), kObjectKindCount);
        for (int kind = 0; kind < kObjectKindCount; ++kind) {
            const QString name = ObjectKindName(kind);
            QVERIFY(!name.isEmpty());
            QCOMPARE(int(ObjectKinds()[size_t(kind)].code), kind);
            QCOMPARE(int(EditorObjectKinds()[size_t(kind)].code), kind);
            QCOMPARE(EditorObjectKindOf(kind), &EditorObjectKinds()[size_t(kind)]);
            // The factory makes the kind, and the stored name brings it back.
            auto object = CreateObjectOfKind(kind);
            QVERIFY(object);
            QCOMPARE(object->Kind(), kind);
            auto again = CreateObjectFromLine(object->WriteLine());
            QVERIFY2(again, qPrintable(name));
            QCOMPARE(again->Kind(), kind);
            // The panel names its records as the editor names the kinds, and
            // reads a register where the object is bound to one.
            QCOMPARE(RuntimeObjectKindName(kind), name);
            const RuntimeObjectKindEntry* record = RuntimeObjectKindOf(kind);
            QVERIFY(record && record->readFields);
            QCOMPARE(object->RegisterRefs().empty(),
                     record->registerUse == RuntimeRegisterUse::None);
            const bool formatted = record->registerUse == RuntimeRegisterUse::Value
                                   || record->registerUse == RuntimeRegisterUse::Selector;
            QCOMPARE(record->format != nullptr, formatted);
        }
        QVERIFY(ObjectKindName(kObjectKindCount).isEmpty());
        QVERIFY(!CreateObjectOfKind(kObjectKindCount));
        QVERIFY(!EditorObjectKindOf(-1));
        QVERIFY(!EditorObjectKindOf(kObjectKindCount));
        QVERIFY(!RuntimeObjectKindOf(kObjectKindCount));
        QVERIFY(RuntimeObjectKindName(255).isEmpty());
    }

    void theObjectCommandsAreTheKinds()
    {
        CMainCommands commands;
        QSet<QString> menuTexts;
        for (int kind = 0; kind < kObjectKindCount; ++kind) {
            QAction* a = commands.Action(ObjectCommand(kind));
            QCOMPARE(CMainCommands::Key(ObjectCommand(kind)), ObjectKindName(kind));
            QCOMPARE(QString(a->text()).remove(QLatin1Char('&')), ObjectKindName(kind));
            QCOMPARE(a->statusTip(),
                     QString::fromUtf8(EditorObjectKinds()[size_t(kind)].statusTip));
            QCOMPARE(CommandEnabling::RuleOf(ObjectCommand(kind)), EnablingRule::ScreenEditorReady);
            // The command's icon is the kind's, as the object list shows it.
            QVERIFY(!a->icon().isNull());
            QCOMPARE(a->icon().pixmap(24, 24).toImage(),
                     IconPainter::KindIcon(kind).pixmap(24, 24).toImage());
            menuTexts.insert(a->text());
        }
        QCOMPARE(menuTexts.size(), kObjectKindCount);
    }

    void everyKindHasItsIconPainterFormAndPages()
    {
        QStringList helpPages;
        const QStringList manual = ManualPages::AllPages();
        for (const EditorObjectKind& kind : EditorObjectKinds()) {
            const QString name = ObjectKindName(kind.code);
            QVERIFY(kind.painter);
            QCOMPARE(&CObjectPainter::ForKind(kind.code), kind.painter);
            QVERIFY2(kind.painter->HasIcon(), qPrintable(name));
            QVERIFY2(InkedPixels(IconPainter::KindIcon(kind.code)) > 20, qPrintable(name));
            QVERIFY(kind.createForm);
            QCOMPARE(ManualPages::PageOfName(QString::fromLatin1(kind.formName)),
                     QString::fromLatin1(kind.manualPage));
            QVERIFY2(manual.contains(QString::fromLatin1(kind.manualPage)), kind.manualPage);
            helpPages.append(ObjectHelpPage(kind.code, QStringLiteral("en")));
        }
        // The help pane's pages: the kind's name without blanks.
        QCOMPARE(helpPages, (QStringList{"StaticTexten.htm", "DynamicTexten.htm",
                                         "StaticBitmapen.htm", "BarMeteren.htm", "TrendMeteren.htm",
                                         "IndicatorLighten.htm", "Numericen.htm", "Stringen.htm"}));
        QVERIFY(ObjectHelpPage(kObjectKindCount, QStringLiteral("en")).isEmpty());
        // Anything else is drawn as a plain frame and has no icon.
        QVERIFY(!CObjectPainter::ForKind(-1).HasIcon());
        QVERIFY(IconPainter::KindIcon(kObjectKindCount).isNull());
    }

    void paintersKnowWhatTheirKindsNeed()
    {
        for (int kind = 0; kind < kObjectKindCount; ++kind) {
            auto object = CreateObjectOfKind(kind);
            const CObjectPainter& painter = CObjectPainter::ForKind(kind);
            // The kinds the user cannot size name the fields that size them.
            QCOMPARE(painter.ContentFields(*object).isEmpty(), object->IsResizable());
            // The compiler renders a picture of texts and bitmaps only.
            const bool pictured =
                kind == OBJ_STATIC_TEXT || kind == OBJ_DYNAMIC_TEXT || kind == OBJ_STATIC_BITMAP;
            QCOMPARE(painter.HasPanelPicture(), pictured);
        }
    }

    void registerFieldShowsPicksAndIsNamedByItsLabel()
    {
        FieldDialog d;
        QVector<int> kinds;
        QVector<RegisterRef> starts;
        bool choose = true;
        d.field->Bind(RegisterRef::KindBit, [&](QWidget* parent, int kind, RegisterRef& ref) {
            kinds.append(kind);
            starts.append(ref);
            if (parent != &d.dialog || !choose)
                return false;
            ref = Coil(64);
            return true;
        });
        d.field->SetRef(Coil(8));
        d.dialog.show();
        QCoreApplication::processEvents();
        QCOMPARE(d.field->Edit()->text(), Coil(8).ToText());
        QVERIFY(d.field->Edit()->isReadOnly());
        QCOMPARE(d.field->PickButton()->text(), QString("..."));
        QCOMPARE(d.field->Edit()->accessibleName(), QString("Coil Number:"));
        QCOMPARE(d.field->PickButton()->accessibleName(), QString("Coil Number:"));

        QSignalSpy picked(d.field, &CRegisterField::picked);
        QTest::mouseClick(d.field->PickButton(), Qt::LeftButton);
        QCOMPARE(kinds, QVector<int>{RegisterRef::KindBit});
        QCOMPARE(starts.value(0), Coil(8));
        QCOMPARE(picked.count(), 1);
        QCOMPARE(d.field->Ref(), Coil(64));
        QCOMPARE(d.field->Edit()->text(), Coil(64).ToText());

        // A cancelled picker changes nothing and tells nobody.
        choose = false;
        QTest::mouseClick(d.field->PickButton(), Qt::LeftButton);
        QCOMPARE(starts.value(1), Coil(64));
        QCOMPARE(picked.count(), 1);
        QCOMPARE(d.field->Ref(), Coil(64));

        // Without a picker "..." does nothing.
        CRegisterField loose;
        loose.SetRef(Coil(1));
        QTest::mouseClick(loose.PickButton(), Qt::LeftButton);
        QCOMPARE(loose.Ref(), Coil(1));
        // Focus given to the field goes to its text.
        QCOMPARE(d.field->focusProxy(), d.field->Edit());
    }
};

QTEST_MAIN(TestUiObjectKinds)
#include "test_ui_object_kinds.moc"
