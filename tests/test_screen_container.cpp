#include "TestSupport.h"
#include "screen/DiagramEntityContainer.h"
#include "screen/ObjectAlignment.h"
#include "screen/ObjectFactory.h"
#include "screen/TessanDoc.h"

#include <QGuiApplication>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

namespace {

std::unique_ptr<CDiagramEntity> textAt(int x, const QString& name = QString())
{
    auto o = CreateObjectOfKind(OBJ_STATIC_TEXT);
    o->SetRect(x, 0, x + 16, 16);
    if (!name.isEmpty())
        o->SetName(name);
    return o;
}

QStringList names(const CDiagramEntityContainer& c)
{
    QStringList out;
    for (const auto& o : c.Objects())
        out.append(o->GetName());
    return out;
}

} // namespace

class T : public QObject
{
    Q_OBJECT
private slots:
    void objectLimit();
    void pasteGroupsTwice();
    void groupNumbersAfterReopening();
    void pasteStopsAtFirstRefusal();
    void undoDepth();
    void undoRestoresGroups();
    void redoAfterUndo();
    void alignmentAndDistribution();
    void zOrder();
    void copyAndDuplicatePlaceCopies();
    void removalsAndModifiedFlag();
};

void T::objectLimit()
{
    CTestProgramFolder program;
    CTessanDoc doc(&program.App());
    CDiagramEntityContainer& c = doc.Container();
    for (int i = 0; i < 100; ++i)
        QVERIFY(c.Add(textAt(i)));
    QVERIFY(program.messages.isEmpty());
    QVERIFY(!c.Add(textAt(0)));
    QCOMPARE(c.GetSize(), 100);
    QCOMPARE(program.messages.size(), 1);
    QCOMPARE(program.messages[0].first,
             QStringLiteral("Error GUI-005 : The size of Objects must be less than 100"));
    QCOMPARE(program.messages[0].second, QStringLiteral("Warning"));
    // A restored snapshot is not an insertion: it comes back whole.
    c.Snapshot();
    c.RemoveAll();
    c.Undo();
    QCOMPARE(c.GetSize(), 100);
}

void T::pasteGroupsTwice()
{
    CTestProgramFolder program;
    CTessanDoc doc(&program.App());
    CDiagramEntityContainer& c = doc.Container();
    for (int i = 0; i < 4; ++i)
        c.Add(textAt(i * 20));
    for (int i = 0; i < 3; ++i)
        c.GetAt(i)->Select(true);
    c.Group();
    const int original = c.GetAt(0)->GetGroup();
    QVERIFY(original != 0);
    QCOMPARE(c.GetAt(2)->GetGroup(), original);
    QCOMPARE(c.GetAt(3)->GetGroup(), 0);

    c.CopyAllSelected();
    QCOMPARE(c.Clipboard().Objects().size(), size_t(3));
    QCOMPARE(c.Clipboard().Objects()[0]->GetRect(), (PaperRect{8, 8, 24, 24}));
    c.UnselectAll();
    QVERIFY(c.Paste());
    QVERIFY(c.Paste());
    QCOMPARE(c.GetSize(), 10);
    const int first = c.GetAt(4)->GetGroup();
    const int second = c.GetAt(7)->GetGroup();
    QVERIFY(first != 0 && second != 0);
    QVERIFY(first != second && first != original && second != original);
    QCOMPARE(c.GetAt(6)->GetGroup(), first);
    QCOMPARE(c.GetAt(9)->GetGroup(), second);
    // Same place both times; the pasted objects come selected.
    QCOMPARE(c.GetAt(4)->GetRect(), c.GetAt(7)->GetRect());
    QVERIFY(c.GetAt(9)->IsSelected());
    // Selecting one pasted object selects its own group only.
    c.UnselectAll();
    c.GetAt(8)->Select(true);
    QCOMPARE(c.GetSelectCount(), 3);
    QVERIFY(c.GetAt(7)->IsSelected() && !c.GetAt(4)->IsSelected());

    c.Ungroup();
    QCOMPARE(c.GetAt(8)->GetGroup(), 0);
    QCOMPARE(c.GetAt(4)->GetGroup(), first);
    // One counter for the whole application.
    QCOMPARE(program.App().NextGroupNumber(), second + 1);
}

void T::groupNumbersAfterReopening()
{
    // A screen saved in an earlier run holds groups 7 and 12.
    QTemporaryDir dir;
    const QString file = dir.path() + QStringLiteral("/P.cgp - #1 Main");
    {
        CDiagramEntityContainer saved;
        saved.SetPaperSize(QSize(192, 64));
        for (int i = 0; i < 5; ++i)
            saved.Add(textAt(i * 20, QString::number(i)));
        saved.GetAt(0)->SetGroup(7);
        saved.GetAt(1)->SetGroup(7);
        saved.GetAt(2)->SetGroup(12);
        saved.GetAt(3)->SetGroup(12);
        QVERIFY(CTessanDoc::SaveFile(file, saved));
    }
    // A new run: its counter starts afresh.
    CTestProgramFolder program;
    CTessanDoc loaded(&program.App());
    QVERIFY(loaded.Load(file));
    CTessanDoc other(&program.App());
    CDiagramEntityContainer& c = other.Container();
    c.Add(textAt(0, QStringLiteral("a")));
    c.Add(textAt(20, QStringLiteral("b")));
    c.SelectAll();
    c.Group();
    const int grouped = c.GetAt(0)->GetGroup();
    QVERIFY2(grouped > 12, qPrintable(QString::number(grouped)));

    // Pasting a loaded group hands out a number that no loaded group has.
    CDiagramEntityContainer& l = loaded.Container();
    l.UnselectAll();
    l.GetAt(0)->Select(true);
    QCOMPARE(l.GetSelectCount(), 2);
    l.CopyAllSelected();
    QVERIFY(l.Paste());
    const int pasted = l.GetAt(5)->GetGroup();
    QVERIFY(pasted != 0 && pasted != 7 && pasted != 12 && pasted != grouped);
    QCOMPARE(l.GetAt(6)->GetGroup(), pasted);
    // Selecting one object of the reloaded group 12 selects its partner only.
    l.UnselectAll();
    l.GetAt(3)->Select(true);
    QCOMPARE(l.GetSelectCount(), 2);
    QVERIFY(l.GetAt(2)->IsSelected());

    // Group and Ungroup with fewer than two objects selected change nothing.
    const int before = program.App().NextGroupNumber();
    const QByteArray unchanged = CTessanDoc::WriteBytes(l);
    l.UnselectAll();
    l.GetAt(4)->Select(true);
    l.Group();
    QCOMPARE(l.GetAt(4)->GetGroup(), 0);
    l.UnselectAll();
    l.Group();
    l.Ungroup();
    l.GetAt(4)->SetGroup(9);
    l.GetAt(4)->Select(true);
    QCOMPARE(l.GetSelectCount(), 1);
    l.Ungroup();
    QCOMPARE(l.GetAt(4)->GetGroup(), 9);
    QCOMPARE(CTessanDoc::WriteBytes(l), unchanged);
    QCOMPARE(program.App().NextGroupNumber(), before + 1);
}

void T::pasteStopsAtFirstRefusal()
{
    CTestProgramFolder program;
    CTessanDoc doc(&program.App());
    CDiagramEntityContainer& c = doc.Container();
    for (int i = 0; i < 98; ++i)
        c.Add(textAt(i));
    for (int i = 0; i < 3; ++i)
        c.GetAt(i)->Select(true);
    c.CopyAllSelected();
    QVERIFY(!c.Paste());
    QCOMPARE(c.GetSize(), 100);
    QCOMPARE(program.messages.size(), 1);
}

void T::undoDepth()
{
    CDiagramEntityContainer c;
    c.SetPaperSize(QSize(192, 64));
    for (int i = 0; i < 11; ++i) {
        c.Snapshot();
        c.Add(textAt(i, QString::number(i)));
    }
    QCOMPARE(c.UndoCount(), 10);
    c.SetPaperSize(QSize(1, 1));
    for (int i = 0; i < 10; ++i)
        c.Undo();
    QCOMPARE(c.GetSize(), 1); // the state before the first change is gone
    QCOMPARE(names(c), QStringList{QStringLiteral("0")});
    QCOMPARE(c.GetPaperSize(), QSize(192, 64));
    QVERIFY(!c.IsUndoPossible());
    c.Undo();
    QCOMPARE(c.GetSize(), 1);
    // Snapshots are clones: later edits do not reach them.
    c.Snapshot();
    c.GetAt(0)->SetName(QStringLiteral("changed"));
    c.Undo();
    QCOMPARE(c.GetAt(0)->GetName(), QStringLiteral("0"));
    QCOMPARE(c.GetAt(0)->GetContainer(), &c);
}

void T::redoAfterUndo()
{
    CDiagramEntityContainer c;
    c.SetPaperSize(QSize(192, 64));
    for (int i = 0; i < 3; ++i) {
        c.Snapshot();
        c.Add(textAt(i * 20, QString::number(i)));
    }
    c.Undo();
    c.Undo();
    QCOMPARE(names(c), QStringList{QStringLiteral("0")});
    QCOMPARE(c.RedoCount(), 2);
    c.Redo();
    QCOMPARE(names(c), (QStringList{"0", "1"}));
    c.Redo();
    QCOMPARE(names(c), (QStringList{"0", "1", "2"}));
    QVERIFY(!c.IsRedoPossible());
    c.Redo(); // nothing left to redo
    QCOMPARE(c.GetSize(), 3);
    // Undo, redo, undo walk the same history.
    c.Undo();
    QCOMPARE(c.GetSize(), 2);
    QCOMPARE(c.UndoCount(), 2);
    // The next change forgets what could be redone.
    c.Snapshot();
    c.RemoveAt(0);
    QVERIFY(!c.IsRedoPossible());
    // A state kept before a change that then happened is an undo point too.
    auto state = c.CaptureState();
    c.RemoveAt(0);
    c.Snapshot(std::move(state));
    c.Undo();
    QCOMPARE(names(c), QStringList{QStringLiteral("1")});
    // Eleven undos after redos: the depth of 10 holds for both histories.
    CDiagramEntityContainer d;
    for (int i = 0; i < 12; ++i) {
        d.Snapshot();
        d.Add(textAt(i));
    }
    for (int i = 0; i < 12; ++i)
        d.Undo();
    QCOMPARE(d.RedoCount(), 10);
    QCOMPARE(d.GetSize(), 2);
    for (int i = 0; i < 12; ++i)
        d.Redo();
    QCOMPARE(d.GetSize(), 12);
    QCOMPARE(d.UndoCount(), 10);
}

void T::alignmentAndDistribution()
{
    const QSize paper(192, 64);
    CDiagramEntityContainer c;
    const int lefts[] = {10, 40, 100};
    for (int i = 0; i < 3; ++i) {
        auto o = CreateObjectOfKind(OBJ_STATIC_TEXT);
        o->SetRect(lefts[i], 4 * i, lefts[i] + 10 + 10 * i, 4 * i + 16);
        o->Select(true);
        c.Add(std::move(o));
    }
    const auto rect = [&](int i) { return c.GetAt(i)->GetRect(); };
    using namespace ObjectAlignment;
    QVERIFY(Apply(c, AlignTop, paper));
    for (int i = 0; i < 3; ++i)
        QCOMPARE(rect(i).top, 0);
    QVERIFY(Apply(c, AlignRight, paper));
    for (int i = 0; i < 3; ++i)
        QCOMPARE(rect(i).right, 130); // the selection's right edge
    QVERIFY(Apply(c, AlignLeft, paper));
    for (int i = 0; i < 3; ++i)
        QCOMPARE(rect(i).left, 100);
    // Spread again, then distribute: widths 10, 20, 30 between 10 and 130.
    for (int i = 0; i < 3; ++i)
        c.GetAt(i)->SetRect(lefts[i], 0, lefts[i] + 10 + 10 * i, 16);
    QVERIFY(Apply(c, DistributeHorizontally, paper));
    QCOMPARE(rect(0).left, 10);
    QCOMPARE(rect(2).left, 100);
    QCOMPARE(rect(1).left, 50); // gaps of 30 and 30
    // Same width takes the topmost selected object's width (30).
    QVERIFY(Apply(c, SameWidth, paper));
    for (int i = 0; i < 3; ++i)
        QCOMPARE(rect(i).Width(), 30);
    // Centres on one horizontal line, and bottoms kept inside the paper.
    c.GetAt(2)->SetRect(100, 40, 130, 64);
    QVERIFY(Apply(c, AlignBottom, paper));
    for (int i = 0; i < 3; ++i)
        QCOMPARE(rect(i).bottom, 64);
    // Too few selected: nothing happens.
    c.GetAt(0)->Select(false);
    QVERIFY(!Apply(c, DistributeVertically, paper));
    QVERIFY(Apply(c, CentreHorizontally, paper));
    QCOMPARE(rect(1).left + rect(1).Width() / 2, rect(2).left + rect(2).Width() / 2);
}

void T::undoRestoresGroups()
{
    // Undo brings back the state as it was, grouping included: a grouped
    // screen whose objects are moved and the move undone keeps its groups.
    CDiagramEntityContainer c;
    for (int i = 0; i < 3; ++i)
        c.Add(textAt(i * 20, QString::number(i)));
    c.GetAt(0)->SetGroup(5);
    c.GetAt(1)->SetGroup(5);
    c.Snapshot();
    c.GetAt(0)->MoveBy(4, 4);
    c.GetAt(1)->MoveBy(4, 4);
    c.Undo();
    QCOMPARE(c.GetAt(0)->GetRect(), (PaperRect{0, 0, 16, 16}));
    QCOMPARE(c.GetAt(0)->GetGroup(), 5);
    QCOMPARE(c.GetAt(1)->GetGroup(), 5);
    QCOMPARE(c.GetAt(2)->GetGroup(), 0);
    // The restored group still selects together.
    c.UnselectAll();
    c.GetAt(1)->Select(true);
    QVERIFY(c.GetAt(0)->IsSelected() && !c.GetAt(2)->IsSelected());
    // Grouping itself can be undone.
    c.Snapshot();
    c.SelectAll();
    c.Ungroup();
    c.Undo();
    QCOMPARE(c.GetAt(0)->GetGroup(), 5);
}

void T::zOrder()
{
    CDiagramEntityContainer c;
    for (const char* n : {"a", "b", "c", "d"})
        c.Add(textAt(0, QLatin1String(n)));
    CDiagramEntity* a = c.GetAt(0);
    CDiagramEntity* d = c.GetAt(3);
    c.Down(a);
    c.Up(d);
    QCOMPARE(names(c), (QStringList{"a", "b", "c", "d"}));
    c.Up(a);
    QCOMPARE(names(c), (QStringList{"b", "a", "c", "d"}));
    c.Down(d);
    QCOMPARE(names(c), (QStringList{"b", "a", "d", "c"}));
    c.Front(a);
    QCOMPARE(names(c), (QStringList{"b", "d", "c", "a"}));
    c.Bottom(c.GetAt(2));
    QCOMPARE(names(c), (QStringList{"c", "b", "d", "a"}));
    // Through the object commands.
    a->Select(true);
    QVERIFY(a->DoCommand(CMD_BOTTOM, a));
    QCOMPARE(names(c), (QStringList{"a", "c", "b", "d"}));
}

void T::copyAndDuplicatePlaceCopies()
{
    CDiagramEntityContainer c;
    c.Add(textAt(10, QStringLiteral("x")));
    CDiagramEntity* x = c.GetAt(0);
    x->SetGroup(5);
    c.Copy(x);
    const auto& clip = c.Clipboard().Objects();
    QCOMPARE(clip.size(), size_t(1));
    QVERIFY(clip[0]->IsSelected());
    QCOMPARE(clip[0]->GetGroup(), 0);
    QCOMPARE(clip[0]->GetRect(), (PaperRect{18, 8, 34, 24}));
    // Duplicating an object of another screen does nothing.
    CDiagramEntityContainer other;
    other.Add(textAt(0));
    c.Duplicate(other.GetAt(0));
    QCOMPARE(c.GetSize(), 1);
    c.Duplicate(x);
    QCOMPARE(c.GetSize(), 2);
    QCOMPARE(c.GetAt(1)->GetRect(), (PaperRect{18, 8, 34, 24}));
    // A shared clipboard serves two screens.
    CDiagramClipboardHandler shared;
    c.SetClipboard(&shared);
    other.SetClipboard(&shared);
    c.Copy(x);
    QVERIFY(other.Paste());
    QCOMPARE(other.GetSize(), 2);
    QCOMPARE(other.GetAt(1)->GetName(), QStringLiteral("x"));
    QCOMPARE(other.GetAt(1)->GetContainer(), &other);
}

void T::removalsAndModifiedFlag()
{
    CDiagramEntityContainer c;
    QCOMPARE(c.GetHeaderLine(), QStringLiteral("paper:0,0;"));
    for (int i = 0; i < 5; ++i)
        c.Add(textAt(i, QString::number(i)));
    const QByteArray added = CTessanDoc::WriteBytes(c);
    c.GetAt(1)->Select(true);
    c.GetAt(3)->Select(true);
    QCOMPARE(CTessanDoc::WriteBytes(c), added); // selection changes no data
    c.RemoveAllSelected();
    QCOMPARE(names(c), (QStringList{"0", "2", "4"}));
    c.RemoveAt(7);
    c.RemoveAt(-1);
    QVERIFY(!c.GetAt(3));
    c.Remove(c.GetAt(0));
    QCOMPARE(names(c), (QStringList{"2", "4"}));
    c.SelectAll();
    QCOMPARE(c.GetSelectCount(), 2);
    c.RemoveAll();
    QCOMPARE(c.GetSize(), 0);
}

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    T t;
    return QTest::qExec(&t, argc, argv);
}
#include "test_screen_container.moc"
