// The cross-reference of a project built for the test: every use of a
// register or coil found (objects from the screen files, or from the open
// document with its unsaved edits), and each finding raised where it
// applies and nowhere else.
#include "CompileTestProject.h"
#include "app/Compiler.h"
#include "app/CrossReference.h"
#include "app/CrossReferenceTable.h"
#include "app/ProjectScreenObjects.h"
#include "app/ScreenFileCache.h"
#include "project/ProjectModel.h"
#include "screen/DiagramEntityContainer.h"
#include "screen/ObjectDynamicText.h"
#include "screen/ObjectFactory.h"
#include "screen/ObjectIndicatorLight.h"
#include "screen/ObjectNumeric.h"
#include "screen/ObjectStaticBitmap.h"
#include "screen/ObjectString.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QFile>
#include <QTest>

namespace {

using Objects = std::vector<std::unique_ptr<CDiagramEntity>>;

std::unique_ptr<CDiagramEntity> Numeric(const QString& name, const QString& device, int address,
                                        int count, bool isFloat = false)
{
    auto o = CreateObjectOfKind(OBJ_NUMERIC);
    o->SetName(name);
    o->SetRect(0, 0, 30, 10);
    auto& n = static_cast<CObjectNumeric&>(*o);
    n.reg = {device, QStringLiteral("R"), address, 0, 1, 0};
    n.registerCount = count;
    n.isFloat = isFloat;
    return o;
}

std::unique_ptr<CDiagramEntity> String(const QString& name, int address, int count)
{
    auto o = CreateObjectOfKind(OBJ_STRING);
    o->SetName(name);
    o->SetRect(0, 20, 30, 30);
    auto& s = static_cast<CObjectString&>(*o);
    s.reg = {QStringLiteral("DEV001"), QStringLiteral("R"), address, 0, 1, 0};
    s.registerCount = count;
    return o;
}

std::unique_ptr<CDiagramEntity> DynamicText(const QString& name, int address)
{
    auto o = CreateObjectOfKind(OBJ_DYNAMIC_TEXT);
    o->SetName(name);
    o->SetRect(40, 0, 70, 10);
    static_cast<CObjectDynamicText&>(*o).reg = {
        QStringLiteral("DEV001"), QStringLiteral("R"), address, 0, 1, 0};
    return o;
}

std::unique_ptr<CDiagramEntity> Light(const QString& name, int address)
{
    auto o = CreateObjectOfKind(OBJ_INDICATOR_LIGHT);
    o->SetName(name);
    o->SetRect(80, 0, 90, 10);
    static_cast<CObjectIndicatorLight&>(*o).coil = {
        QStringLiteral("DEV001"), QStringLiteral("M"), address, 0, 1, 0};
    return o;
}

std::unique_ptr<CDiagramEntity> Bitmap(const QString& name, const QString& folder,
                                       const QString& file)
{
    auto o = CreateObjectOfKind(OBJ_STATIC_BITMAP);
    o->SetName(name);
    o->SetRect(100, 0, 116, 16);
    auto& b = static_cast<CObjectStaticBitmap&>(*o);
    b.folder = folder;
    b.fileName = file;
    return o;
}

template <class... T>
Objects Make(T&&... objects)
{
    Objects out;
    (out.push_back(std::forward<T>(objects)), ...);
    return out;
}

RegisterRef Ref(const QString& area, int address, const QString& device = QStringLiteral("DEV001"))
{
    return {device, area, address, 0, 1, 0};
}

// Every row as "finding|use|device.area.address|place".
QStringList RowTexts(const CCrossReference& xref, bool findingsOnly)
{
    QStringList out;
    for (const CrossReferenceRow& row : CrossReferenceTable::Rows(xref))
        if (!findingsOnly || !row.finding.isEmpty())
            out << QStringLiteral("%1|%2|%3.%4.%5|%6")
                       .arg(row.finding, row.use, row.device, row.area, row.address, row.place);
    return out;
}

// A project whose screens 1..7 reach nothing by their own previous and next
// numbers; screen 1 starts and reaches 2 (next) and 3 (a Screen Change key),
// 6 is the log screen, 7 the protect screen. Screen 2 is open in an editor
// with an edit not yet saved.
class CXrefProject : public CCompileTestProject
{
public:
    CXrefProject()
    {
        AddScreen(1, Make(Numeric("N32", "DEV001", 0100, 2), Numeric("N16", "DEV001", 0101, 1),
                          String("STR1", 0200, 3), String("STR2", 0200, 3), DynamicText("D1", 0300),
                          DynamicText("D2", 0300), Light("L1", 04000),
                          Numeric("GONE1", "GONE", 0500, 1),
                          Numeric("F1", "DEV001", 041237, 1, true), Bitmap("B1", "", "Logo.BMP"),
                          Bitmap("B2", "BMP_Files\\Arrow", "spare.bmp")));
        AddScreen(2, Make(Numeric("SAVED", "DEV001", 0600, 1)));
        for (int n = 3; n <= 7; ++n)
            AddScreen(n);
        CProjectModel& model = App().model;
        for (auto& screen : model.screens)
            screen->screenChange = {screen->number, screen->number};
        CScreenObject& one = *model.FindScreen(1);
        one.screenChange.next = 2;
        auto& keys = one.keys;
        keys[0].used = 1;
        keys[0].functionType = 0;
        keys[0].setCoil.coil = Ref("M", 010);
        keys[0].setCoil.action = 2;
        keys[1].used = 1;
        keys[1].functionType = 1;
        keys[1].setReg.reg = Ref("R", 0120);
        keys[1].setReg.quantity = 2;
        keys[2].used = 1;
        keys[2].functionType = 2;
        keys[2].screenChg = {0, 3};
        keys[3].used = 1;
        keys[3].functionType = 3;
        keys[3].advanced.device.deviceName = "NOPE";
        keys[3].advanced.command = 1;
        keys[4].used = 1;
        keys[4].functionType = 2;
        keys[4].screenChg = {1, 5}; // the alarm list: reaches no screen
        // An unused key names nothing, whatever it holds.
        model.FindScreen(3)->keys[0].setReg.reg = Ref("R", 0700);
        model.FindScreen(3)->keys[0].functionType = 1;

        CAlarmObject alarm;
        alarm.coil = Ref("M", 010);
        model.alarms.items.push_back(alarm);
        model.plcAndPanel.panelToPlc = Ref("R", 0400);
        model.plcAndPanel.panelToPlcEnabled = 1;
        model.plcAndPanel.plcToPanel = Ref("R", 0121); // the pair 121..122 meets F2's 120..121
        model.plcAndPanel.plcToPanelEnabled = 0;
        model.panelManager.panelConfig.startScreenNumber = 1;
        model.panelManager.panelConfig.logScreenEnabled = 1;
        model.panelManager.panelConfig.logScreenNumber = 6;
        model.panelManager.panelConfig.protectShowsScreen = 1;
        model.panelManager.panelConfig.protectScreenNumber = 7;
        model.bitmapFiles = {"logo.bmp", "spare.bmp"};

        edited.SetPaperSize(QSize(192, 64));
        edited.AddLoaded(Numeric("EDITED", "DEV001", 0610, 1));
    }

    CCrossReference Build()
    {
        CProjectScreenObjects screens(App(), [this](int number) -> const CDiagramEntityContainer* {
            return number == 2 ? &edited : nullptr;
        });
        CCrossReference xref;
        xref.Build(App().model, screens);
        return xref;
    }

    CDiagramEntityContainer edited;
};

} // namespace

class TestCrossReference : public QObject
{
    Q_OBJECT
private slots:
    void oneScreenTakenAgainEqualsAFullBuild()
    {
        CXrefProject p;
        CProjectScreenObjects screens(p.App(), [&p](int number) -> const CDiagramEntityContainer* {
            return number == 2 ? &p.edited : nullptr;
        });
        CCrossReference xref;
        QVERIFY(!xref.UpdateScreen(p.App().model, screens, 2)); // nothing built yet
        xref.Build(p.App().model, screens);
        // The edited screen gains a use that overlaps a file's and one whose
        // device does not exist, and loses its first.
        p.edited.AddLoaded(Numeric("WIDE", "DEV001", 0607, 2));
        p.edited.AddLoaded(Numeric("LOST", "DEV404", 0100, 1));
        p.edited.RemoveAt(0);
        QVERIFY(xref.UpdateScreen(p.App().model, screens, 2));
        const CCrossReference full = p.Build();
        QCOMPARE(RowTexts(xref, false), RowTexts(full, false));
        for (int i = 0; i < int(full.Uses().size()); ++i)
            QCOMPARE(xref.Sequence(i), full.Sequence(i));
        // Another screen list: the caller builds it all.
        p.App().model.AddScreen(42, "New");
        QVERIFY(!xref.UpdateScreen(p.App().model, screens, 2));
        QVERIFY(!xref.UpdateScreen(p.App().model, screens, 99));
    }

    void everyUseIsListedByRegister()
    {
        CXrefProject p;
        const CCrossReference xref = p.Build();
        QStringList plain;
        for (const CrossReferenceUse& use : xref.Uses())
            plain << QStringLiteral("%1|%2|%3")
                         .arg(UseKindName(use.kind), use.ref.ToText(), use.Place());
        QCOMPARE(plain, QStringList({
                            "key|DEV001.M.10|#1 Screen 1 F1 SET NOT",
                            "alarm|DEV001.M.10|Alarm 1",
                            "object|DEV001.M.4000|#1 Screen 1 'L1' (Indicator Light)",
                            "object|DEV001.R.100|#1 Screen 1 'N32' (Numeric)",
                            "object|DEV001.R.101|#1 Screen 1 'N16' (Numeric)",
                            "key|DEV001.R.120|#1 Screen 1 F2 Set Register",
                            "object|DEV001.R.200|#1 Screen 1 'STR1' (String)",
                            "object|DEV001.R.200|#1 Screen 1 'STR2' (String)",
                            "object|DEV001.R.300|#1 Screen 1 'D1' (Dynamic Text)",
                            "object|DEV001.R.300|#1 Screen 1 'D2' (Dynamic Text)",
                            "panel-to-plc|DEV001.R.400|PLC <-> Panel",
                            "object|DEV001.R.610|#2 Screen 2 'EDITED' (Numeric)",
                            "object|DEV001.R.41237|#1 Screen 1 'F1' (Numeric)",
                            "object|GONE.R.500|#1 Screen 1 'GONE1' (Numeric)",
                            "advanced|NOPE..0|#1 Screen 1 F4 STOP",
                        }));
        // Word spans: a float takes two words, a string its register count,
        // a Set Register its quantity, a coil one.
        const auto& uses = xref.Uses();
        QCOMPARE(uses[3].words, 2);
        QCOMPARE(uses[4].words, 1);
        QCOMPARE(uses[5].words, 2);
        QCOMPARE(uses[6].words, 3);
        QCOMPARE(uses[12].words, 2);
        QVERIFY(uses[0].bit && uses[1].bit && uses[2].bit && !uses[3].bit);
        QCOMPARE(uses[11].objectIndex, 0);
        QCOMPARE(uses[12].objectIndex, 8);
    }

    void eachFindingWhereItApplies()
    {
        CXrefProject p;
        const CCrossReference xref = p.Build();
        QCOMPARE(RowTexts(xref, true),
                 QStringList({
                     "range|object|DEV001.M.4000|#1 Screen 1 'L1' (Indicator Light)",
                     "overlap|object|DEV001.R.100|#1 Screen 1 'N32' (Numeric)",
                     "overlap|object|DEV001.R.101|#1 Screen 1 'N16' (Numeric)",
                     "range|object|DEV001.R.41237|#1 Screen 1 'F1' (Numeric)",
                     "device|object|GONE.R.500|#1 Screen 1 'GONE1' (Numeric)",
                     "device|advanced|NOPE..|#1 Screen 1 F4 STOP",
                     "unreached|screen|..|#4 Screen 4",
                     "unreached|screen|..|#5 Screen 5",
                     "unused-bitmap|bitmap|..|spare.bmp",
                 }));
        const auto& findings = xref.Findings();
        QCOMPARE(findings[1].otherUse, 4); // N32 with N16
        QCOMPARE(findings[2].otherUse, 3);
        QCOMPARE(xref.FindingsOf(3), QStringList({"overlap"}));
        QVERIFY(xref.FindingsOf(6).isEmpty()); // two identical strings from one start
        QVERIFY(xref.HasFindings());
    }

    void thePlcToPanelPairAndPlcOnlyScreens()
    {
        CXrefProject p;
        p.App().model.plcAndPanel.plcToPanelEnabled = 1;
        const CCrossReference xref = p.Build();
        const QStringList rows = RowTexts(xref, true);
        QVERIFY(rows.contains("overlap|key|DEV001.R.120|#1 Screen 1 F2 Set Register"));
        QVERIFY(rows.contains("overlap|plc-to-panel|DEV001.R.121|PLC <-> Panel"));
        QVERIFY(rows.contains("plc-only|screen|..|#4 Screen 4"));
        QVERIFY(rows.contains("plc-only|screen|..|#5 Screen 5"));
        QVERIFY(!rows.join('\n').contains("unreached"));
    }

    void aCleanProjectHasNoFindings()
    {
        CCompileTestProject p;
        p.AddScreen(1, Make(Numeric("N", "DEV001", 0100, 2), Light("L", 0)));
        p.App().model.FindScreen(1)->screenChange = {1, 1};
        CProjectScreenObjects screens(p.App(), {});
        CCrossReference xref;
        xref.Build(p.App().model, screens);
        QCOMPARE(xref.Uses().size(), size_t(2));
        QVERIFY(!xref.HasFindings());
        QCOMPARE(CrossReferenceTable::Csv(CrossReferenceTable::Rows(xref)),
                 QByteArray("device,area,address,use,place,finding\n"
                            "DEV001,M,0,object,#1 Screen 1 'L' (Indicator Light),\n"
                            "DEV001,R,100,object,#1 Screen 1 'N' (Numeric),\n"));
    }

    void keptScreenFilesFollowTheirBytes()
    {
        // The pane's way: screen files parsed through a cache that lives
        // from one build to the next gives what parsing each anew gives,
        // before and after a file changes under it.
        CXrefProject p;
        CScreenFileCache files;
        auto build = [&p, &files] {
            CProjectScreenObjects screens(
                p.App(),
                [&p](int number) -> const CDiagramEntityContainer* {
                    return number == 2 ? &p.edited : nullptr;
                },
                &files);
            CCrossReference xref;
            xref.Build(p.App().model, screens);
            return RowTexts(xref, false);
        };
        const QStringList fresh = RowTexts(p.Build(), false);
        QCOMPARE(build(), fresh);
        QCOMPARE(build(), fresh);

        p.WriteScreenFile(1, Make(Numeric("ONLY", "DEV001", 0777, 1)));
        const QStringList changed = build();
        QCOMPARE(changed, RowTexts(p.Build(), false));
        QVERIFY(changed.join('\n').contains("'ONLY'"));
        QVERIFY(!changed.join('\n').contains("'N32'"));
        // A file that is gone takes its uses with it.
        QVERIFY(QFile::remove(
            CProjectScreenObjects(p.App(), {}).FilePath(*p.App().model.FindScreen(1))));
        QVERIFY(!build().join('\n').contains("'ONLY'"));
    }

    void usesOfOneRegister()
    {
        CXrefProject p;
        const CCrossReference xref = p.Build();
        // R201 lies inside both strings; R102 in nothing.
        const std::vector<int> inString = xref.UsesOf(Ref("R", 0201));
        QCOMPARE(inString, std::vector<int>({6, 7}));
        QVERIFY(xref.UsesOf(Ref("R", 0102)).empty());
        QCOMPARE(xref.UsesOf(Ref("M", 010)), std::vector<int>({0, 1}));
        QVERIFY(xref.UsesOf(Ref("M", 010, "OTHER")).empty());
    }

    void csvQuotesAndJsonCarriesTheSameFields()
    {
        CCompileTestProject p;
        p.AddScreen(1, Make(Numeric("a, \"b\"", "DEV001", 0100, 1)));
        p.App().model.FindScreen(1)->screenChange = {1, 1};
        CProjectScreenObjects screens(p.App(), {});
        CCrossReference xref;
        xref.Build(p.App().model, screens);
        const auto rows = CrossReferenceTable::Rows(xref);
        QVERIFY(CrossReferenceTable::Csv(rows).contains(
            "DEV001,R,100,object,\"#1 Screen 1 'a, \"\"b\"\"' (Numeric)\",\n"));
        const QJsonArray uses =
            QJsonDocument::fromJson(CrossReferenceTable::Json(rows)).object()["uses"].toArray();
        QCOMPARE(uses.size(), 1);
        const QJsonObject use = uses[0].toObject();
        QCOMPARE(use.keys(), QStringList({"address", "area", "device", "finding", "place", "use"}));
        QCOMPARE(use["place"].toString(), QStringLiteral("#1 Screen 1 'a, \"b\"' (Numeric)"));
    }
};

QTEST_GUILESS_MAIN(TestCrossReference)
#include "test_cross_reference.moc"
