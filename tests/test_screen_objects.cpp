#include "ScreenTestObjects.h"
#include "TestSupport.h"
#include "screen/DiagramEntityContainer.h"
#include "screen/ObjectBarMeter.h"
#include "screen/ObjectFactory.h"
#include "screen/ObjectStaticText.h"
#include "screen/ObjectUiHooks.h"
#include "project/ProtocolTables.h"

#include <climits>

#include <QGuiApplication>
#include <QTest>

class T : public QObject
{
    Q_OBJECT
private slots:
    void newObjectsOfEveryKind();
    void setRectKeepsSizeLimits();
    void groupSelection();
    void hitTestAndMarkers();
    void cursors();
    void valueFormat();
    void intersects();
    void cloneCopiesEverythingButGroup();
    void commands();
    void propertyFormFollowsSetRect();
};

void T::newObjectsOfEveryKind()
{
    const struct
    {
        const char* name;
        int minW, minH, resizable, formId;
    } kinds[] = {
        {"Static Text", 8, 8, 1, 196},     {"Dynamic Text", 8, 8, 1, 197},
        {"Static Bitmap", 16, 16, 1, 198}, {"Bar Meter", 8, 8, 1, 199},
        {"Trend Meter", 16, 16, 1, 200},   {"Indicator Light", 16, 16, 0, 201},
        {"Numeric", 8, 16, 0, 202},        {"String", 8, 16, 0, 203},
    };
    for (int kind = 0; kind < kObjectKindCount; ++kind) {
        auto o = CreateObjectOfKind(kind);
        QVERIFY(o);
        QCOMPARE(o->Kind(), kind);
        const QString name = QLatin1String(kinds[kind].name);
        QCOMPARE(o->GetTypeName(), name);
        QCOMPARE(o->GetTitle(), name);
        QCOMPARE(o->GetName(), name);
        QCOMPARE(ObjectKindName(kind), name);
        QCOMPARE(o->GetGroup(), 0);
        QCOMPARE(o->GetMinimumSize(), QSize(kinds[kind].minW, kinds[kind].minH));
        QCOMPARE(o->GetMaximumSize(), QSize(-1, -1));
        QCOMPARE(int(o->IsResizable()), kinds[kind].resizable);
        QCOMPARE(o->GetPropertyFormId(), kinds[kind].formId);
        // Dragged smaller: right and bottom at left/top + minimum.
        o->SetRect(20, 30, 21, 29);
        QCOMPARE(o->GetRect(), (PaperRect{20, 30, 20 + kinds[kind].minW, 30 + kinds[kind].minH}));
    }
    QVERIFY(!CreateObjectOfKind(-1));
    QVERIFY(!CreateObjectOfKind(8));

    // Register defaults from the project's protocol: word R 1024, bit M 0.
    CTestProgramFolder program;
    program.App().ResetProjectModel(QStringLiteral("P"), program.Dir(), QStringLiteral("RU03"),
                                    QString::fromLatin1(ProtocolTables::kVardoVSequence));
    auto bar = CreateObjectOfKind(OBJ_BAR_METER, &program.App().model);
    QCOMPARE(static_cast<CObjectBarMeter*>(bar.get())->reg.area, QStringLiteral("R"));
    QCOMPARE(static_cast<CObjectBarMeter*>(bar.get())->reg.address, 1024);
    QCOMPARE(static_cast<CObjectBarMeter*>(bar.get())->reg.radix, 1);

    // Clear: empty name, no container, minimum 1 x 1.
    bar->Clear();
    QVERIFY(bar->GetName().isEmpty());
    QCOMPARE(bar->GetMinimumSize(), QSize(1, 1));
    QCOMPARE(bar->GetRect(), PaperRect{});

    // The default font of a new text is the same in every front end and on
    // every machine (this test runs with a GUI application; the model test
    // runs without one): 宋体, 15 pixels, normal weight, character set 134.
    FontSpec expected;
    expected.SetFaceName(QString::fromUtf8("宋体"));
    expected.height = -15;
    expected.width = expected.escapement = expected.orientation = 0;
    expected.weight = 400;
    expected.italic = expected.underline = expected.strikeOut = 0;
    expected.charSet = 134;
    expected.outPrecision = expected.clipPrecision = expected.quality = expected.pitchAndFamily = 0;
    QVERIFY(FontSpec::Default() == expected);
    for (int kind : {OBJ_STATIC_TEXT, OBJ_DYNAMIC_TEXT}) {
        auto text = CreateObjectOfKind(kind);
        QVERIFY2(
            text->WriteLine().endsWith(QString::fromUtf8(",134,0,0,宋体,-15,0,0,0,0,0,0,0,400,0;")),
            qPrintable(text->WriteLine()));
    }
}

void T::setRectKeepsSizeLimits()
{
    CObjectStaticText t;
    t.SetRect(0, 0, 300, 300);
    QCOMPARE(t.GetRect(), (PaperRect{0, 0, 300, 300}));
    t.SetSizeLimits(8, 8, 100, 50);
    t.SetRect(10, 20, 310, 320);
    QCOMPARE(t.GetRect(), (PaperRect{10, 20, 110, 70}));
    // Edges are kept as given, truncated toward zero when read as integers.
    t.SetRect(-3.7, 2.9, 20.5, 30.2);
    QCOMPARE(t.GetRect(), (PaperRect{-3, 2, 20, 30}));
    QCOMPARE(t.GetLeft(), -3.7);
    // A rectangle dragged inside out is corrected from its left and top.
    t.SetRect(50, 50, 10, 10);
    QCOMPARE(t.GetRect(), (PaperRect{50, 50, 58, 58}));
    t.SetRectNormalized(50, 50, 10, 10);
    QCOMPARE(t.GetRect(), (PaperRect{10, 10, 50, 50}));
    t.MoveBy(5, -2);
    QCOMPARE(t.GetRect(), (PaperRect{15, 8, 55, 48}));
    // Single edges take no constraint.
    t.SetRight(16);
    QCOMPARE(t.GetRect().Width(), 1);
    // Edges far beyond the int range stay defined.
    t.SetRect(-1e300, 0, 1e300, 1e18);
    QCOMPARE(t.GetRect().left, INT_MIN);
}

void T::groupSelection()
{
    CDiagramEntityContainer c;
    for (int i = 0; i < 6; ++i) {
        auto o = CreateObjectOfKind(i % kObjectKindCount);
        o->SetGroup(i < 3 ? 3 : i == 3 ? 0 : 4);
        c.Add(std::move(o));
    }
    c.GetAt(1)->Select(true);
    QVERIFY(c.GetAt(0)->IsSelected() && c.GetAt(1)->IsSelected() && c.GetAt(2)->IsSelected());
    QVERIFY(!c.GetAt(3)->IsSelected() && !c.GetAt(4)->IsSelected() && !c.GetAt(5)->IsSelected());
    QCOMPARE(c.GetSelectCount(), 3);
    // Deselecting does not spread; group 0 never spreads.
    c.GetAt(1)->Select(false);
    QCOMPARE(c.GetSelectCount(), 2);
    c.UnselectAll();
    c.GetAt(3)->Select(true);
    QCOMPARE(c.GetSelectCount(), 1);
    // An object outside any container selects only itself.
    auto loose = CreateObjectOfKind(OBJ_STRING);
    loose->SetGroup(3);
    loose->Select(true);
    QCOMPARE(c.GetSelectCount(), 1);
}

void T::hitTestAndMarkers()
{
    CObjectStaticText t;
    t.SetRect(10, 10, 50, 30);
    const PaperRect r = t.GetRect();
    QCOMPARE(t.GetMarkerRect(HIT_TOPLEFT, r), (PaperRect{6, 6, 14, 14}));
    QCOMPARE(t.GetMarkerRect(HIT_TOPMIDDLE, r), (PaperRect{26, 6, 34, 14}));
    QCOMPARE(t.GetMarkerRect(HIT_RIGHTMIDDLE, r), (PaperRect{46, 16, 54, 24}));
    QCOMPARE(t.GetMarkerRect(HIT_BOTTOMMIDDLE, r), (PaperRect{26, 26, 34, 34}));
    QCOMPARE(t.HitTest(QPoint(30, 20)), HIT_BODY);
    QCOMPARE(t.HitTest(QPoint(20, 12)), HIT_BODY);
    QCOMPARE(t.HitTest(QPoint(6, 6)), HIT_TOPLEFT);
    QCOMPARE(t.HitTest(QPoint(53, 33)), HIT_BOTTOMRIGHT);
    QCOMPARE(t.HitTest(QPoint(54, 34)), HIT_NONE); // marker right/bottom excluded
    QCOMPARE(t.HitTest(QPoint(60, 20)), HIT_NONE);

    // A tiny object: the markers overlap and the higher code wins.
    CDiagramEntity tiny;
    tiny.SetRect(10, 10, 12, 12);
    QCOMPARE(tiny.HitTest(QPoint(11, 11)), HIT_RIGHTMIDDLE);
    QCOMPARE(tiny.HitTest(QPoint(7, 7)), HIT_LEFTMIDDLE);
    QCOMPARE(tiny.HitTest(QPoint(7, 14)), HIT_LEFTMIDDLE);
    QCOMPARE(tiny.HitTest(QPoint(15, 7)), HIT_RIGHTMIDDLE);
    // Non-resizable kinds report marker codes like any other object.
    auto light = CreateObjectOfKind(OBJ_INDICATOR_LIGHT);
    light->SetRect(0, 0, 16, 16);
    QCOMPARE(light->HitTest(QPoint(16, 16)), HIT_BOTTOMRIGHT);

    // Edges at the ends of the int range (a damaged file): the middle
    // markers sit at the true middle.
    CObjectStaticText wide;
    wide.SetRect(-1e300, -1e300, 1e300, 1e300);
    const PaperRect w = wide.GetRect();
    QCOMPARE(w, (PaperRect{INT_MIN, INT_MIN, INT_MAX, INT_MAX}));
    QCOMPARE(wide.GetMarkerRect(HIT_TOPMIDDLE, w), (PaperRect{-5, INT_MIN, 3, INT_MIN + 4}));
    QCOMPARE(wide.HitTest(QPoint(-1, INT_MIN)), HIT_TOPMIDDLE);
    QCOMPARE(wide.HitTest(QPoint(INT_MAX - 1, -1)), HIT_RIGHTMIDDLE);
    QCOMPARE(wide.HitTest(QPoint(100, 100)), HIT_BODY);
}

void T::cursors()
{
    CObjectStaticText t;
    QCOMPARE(t.GetCursor(HIT_NONE), CursorShape::None);
    QCOMPARE(t.GetCursor(HIT_BODY), CursorShape::SizeAll);
    QCOMPARE(t.GetCursor(HIT_TOPLEFT), CursorShape::SizeNWSE);
    QCOMPARE(t.GetCursor(HIT_BOTTOMRIGHT), CursorShape::SizeNWSE);
    QCOMPARE(t.GetCursor(HIT_TOPMIDDLE), CursorShape::SizeNS);
    QCOMPARE(t.GetCursor(HIT_BOTTOMMIDDLE), CursorShape::SizeNS);
    QCOMPARE(t.GetCursor(HIT_TOPRIGHT), CursorShape::SizeNESW);
    QCOMPARE(t.GetCursor(HIT_BOTTOMLEFT), CursorShape::SizeNESW);
    QCOMPARE(t.GetCursor(HIT_LEFTMIDDLE), CursorShape::SizeWE);
    QCOMPARE(t.GetCursor(HIT_RIGHTMIDDLE), CursorShape::SizeWE);
    for (int kind : {OBJ_INDICATOR_LIGHT, OBJ_NUMERIC, OBJ_STRING}) {
        auto o = CreateObjectOfKind(kind);
        // Its markers move it: the move cursor over them as over its body.
        QCOMPARE(o->GetCursor(HIT_NONE), CursorShape::None);
        for (int code = HIT_BODY; code <= HIT_RIGHTMIDDLE; ++code)
            QCOMPARE(o->GetCursor(HitCode(code)), CursorShape::SizeAll);
    }
}

void T::valueFormat()
{
    // float, model, signed, count
    QCOMPARE(DeriveValueFormat(0, 0, 1, 1), VF_SIGNED_16);
    QCOMPARE(DeriveValueFormat(0, 0, 1, 2), VF_SIGNED_32);
    QCOMPARE(DeriveValueFormat(0, 0, 1, 0), VF_SIGNED_32);
    QCOMPARE(DeriveValueFormat(0, 0, 0, 1), VF_UNSIGNED_16);
    QCOMPARE(DeriveValueFormat(0, 0, 0, 2), VF_UNSIGNED_32);
    QCOMPARE(DeriveValueFormat(0, 1, 1, 1), VF_BCD_16);
    QCOMPARE(DeriveValueFormat(0, 1, 0, 2), VF_BCD_32);
    for (int model : {0, 1})
        for (int sign : {0, 1})
            for (int count : {1, 2})
                QCOMPARE(DeriveValueFormat(1, model, sign, count), VF_FLOAT);
    CObjectBarMeter m;
    m.model = 1;
    m.registerCount = 2;
    QCOMPARE(m.GetValueFormat(), VF_BCD_32);
}

void T::intersects()
{
    CObjectStaticText t;
    t.SetRect(10, 10, 30, 30);
    QVERIFY(t.IntersectsRect({29, 29, 40, 40}));
    QVERIFY(t.IntersectsRect({40, 40, 29, 29})); // normalised first
    QVERIFY(!t.IntersectsRect({30, 10, 40, 30}));
    QVERIFY(!t.IntersectsRect({15, 15, 15, 15}));
    QVERIFY(t.IntersectsRect({15, 15, 16, 16}));
}

void T::cloneCopiesEverythingButGroup()
{
    CDiagramEntityContainer c;
    for (int kind = 0; kind < kObjectKindCount; ++kind) {
        auto o = ScreenTestObjects::NonDefault(kind);
        o->SetSizeLimits(2, 3, 400, 500);
        o->SetMarkerSize(QSize(6, 4));
        CDiagramEntity* original = o.get();
        c.Add(std::move(o));
        original->Select(true);
        auto copy = original->Clone();
        QVERIFY(ScreenTestObjects::SameKindFields(*original, *copy));
        QCOMPARE(copy->GetGroup(), 0);
        QVERIFY(copy->IsSelected());
        QCOMPARE(copy->GetContainer(), &c);
        QCOMPARE(copy->GetRect(), original->GetRect());
        QCOMPARE(copy->GetName(), original->GetName());
        QCOMPARE(copy->GetTitle(), original->GetTitle());
        QCOMPARE(copy->GetMinimumSize(), QSize(2, 3));
        QCOMPARE(copy->GetMaximumSize(), QSize(400, 500));
        QCOMPARE(copy->GetMarkerSize(), QSize(6, 4));
        QCOMPARE(copy->WriteKindFields(), original->WriteKindFields());
    }
}

void T::commands()
{
    CDiagramEntityContainer c;
    auto a = CreateObjectOfKind(OBJ_STATIC_TEXT);
    a->SetRect(0, 0, 20, 20);
    CDiagramEntity* pa = a.get();
    c.Add(std::move(a));
    c.Add(CreateObjectOfKind(OBJ_NUMERIC));

    // Unselected: the commands do nothing.
    QVERIFY(!pa->DoCommand(CMD_DUPLICATE, pa));
    QCOMPARE(c.GetSize(), 2);
    pa->Select(true);
    QVERIFY(pa->DoCommand(CMD_DUPLICATE, pa));
    QCOMPARE(c.GetSize(), 3);
    QVERIFY(!pa->IsSelected());
    QVERIFY(c.GetAt(2)->IsSelected());
    QCOMPARE(c.GetAt(2)->GetRect(), (PaperRect{8, 8, 28, 28}));
    QVERIFY(!pa->DoCommand(CMD_SELECT_GROUP, pa));
    QVERIFY(!pa->DoCommand(999, pa));
    // Properties without a registered form: accepted, nothing shown.
    pa->Select(true);
    QVERIFY(pa->DoCommand(CMD_PROPERTIES, pa));
    QVERIFY(!pa->PropertyForm());

    // The editor forwards a command to every selected object; cut removes
    // them all, leaving the last one in the clipboard.
    c.SelectAll();
    c.SendCommand(CMD_CUT, nullptr, true);
    QCOMPARE(c.GetSize(), 0);
    QCOMPARE(c.Clipboard().Objects().size(), size_t(1));
}

namespace {

struct RecordingForm : IObjectPropertyForm
{
    explicit RecordingForm(int* loads) : loads(loads) {}
    void Show(QObject*) override { shown = true; }
    void Hide() override { shown = false; }
    bool IsShown() const override { return shown; }
    void LoadFromObject() override { ++*loads; }
    void Focus() override {}
    int* loads;
    bool shown = false;
};

} // namespace

void T::propertyFormFollowsSetRect()
{
    int loads = 0;
    ObjectUiHooks::Instance().formFactories[OBJ_STRING] = [&loads](CDiagramEntity&) {
        return std::make_unique<RecordingForm>(&loads);
    };
    auto s = CreateObjectOfKind(OBJ_STRING);
    s->SetRect(0, 0, 20, 20);
    QCOMPARE(loads, 0); // no form yet
    s->ShowProperties(nullptr, true);
    QVERIFY(s->PropertyForm() && s->PropertyForm()->IsShown());
    QCOMPARE(loads, 1);
    s->MoveBy(1, 1);
    QCOMPARE(loads, 2);
    s->ShowProperties(nullptr, false);
    QVERIFY(!s->PropertyForm()->IsShown());
    ObjectUiHooks::Instance().formFactories[OBJ_STRING] = nullptr;
}

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    T t;
    return QTest::qExec(&t, argc, argv);
}
#include "test_screen_objects.moc"
