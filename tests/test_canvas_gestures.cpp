// The canvas's gesture handler on its own, without a widget: window points
// in, the screen document's objects, its selection and its undo history out.
// The paper is the panel's 192 x 64 with an 8 x 8 grid unless a case says
// otherwise.
#include "screen/DiagramEntityContainer.h"
#include "screen/ObjectFactory.h"
#include "screen/ObjectKind.h"
#include "screen/TessanDoc.h"
#include "ui/document/ScreenDocument.h"
#include "ui/screen/CanvasGestures.h"

#include <QTest>

namespace {

PaperRect rectOf(int l, int t, int r, int b)
{
    return PaperRect{l, t, r, b};
}

// One screen document with a gesture handler over it, and what the handler
// told its owner.
struct Canvas
{
    CTessanDoc file;
    CScreenDocument doc{file};
    CanvasGeometry geo;
    CCanvasGestures gestures{geo};
    QList<Qt::CursorShape> cursors;
    QList<int> insertKinds;
    QList<int> helpKinds;
    int moving = 0;
    int repaints = 0;

    Canvas()
    {
        gestures.SetDocument(&doc);
        auto& on = gestures.On();
        on.repaint = [this] { ++repaints; };
        on.setCursor = [this](Qt::CursorShape c) { cursors.append(c); };
        on.selectionMoving = [this] { ++moving; };
        on.insertKindChanged = [this](int k) { insertKinds.append(k); };
        on.objectHelpRequested = [this](int k) { helpKinds.append(k); };
        QObject::connect(&doc, &CScreenDocument::changed, [this] { gestures.DocumentChanged(); });
    }
    const CDiagramEntityContainer& objects() const { return doc.Container(); }
    const CDiagramEntity* at(int i) const { return objects().GetAt(i); }
    PaperRect rect(int i) const { return at(i)->GetRect(); }
    bool selected(int i) const { return at(i)->IsSelected(); }
    int count() const { return objects().GetSize(); }
    void add(int kind, int l, int t, int r, int b, bool selected = false)
    {
        auto o = CreateObjectOfKind(kind);
        o->SetRect(l, t, r, b);
        o->Select(selected);
        doc.Edit([&](CDiagramEntityContainer& c) { c.Add(std::move(o)); });
    }
    QPoint w(double x, double y) const { return geo.ToWindow(QPointF(x, y)); }
    void press(double x, double y, bool ctrl = false) { gestures.LeftDown(w(x, y), ctrl); }
    void moveTo(double x, double y) { gestures.PointerMoved(w(x, y)); }
    void release() { gestures.LeftUp(); }
    void drag(double x0, double y0, double x1, double y1, bool ctrl = false)
    {
        press(x0, y0, ctrl);
        moveTo(x1, y1);
        release();
    }
};

} // namespace

class TestCanvasGestures : public QObject
{
    Q_OBJECT
private slots:
    void geometryMapsAndSnaps();
    void pressHitsTheTopmostObjectAndItsMarkers();
    void hitsFollowZoomAndScroll();
    void ctrlClickTogglesWithoutMoving();
    void moveSnapsOnReleaseAndStaysOnThePanel();
    void multipleSelectionMovesAsOneBox();
    void resizeMovesTheMarkersEdgesWithinThePanel();
    void resizeSnapsOnlyTheEdgesItMoved();
    void rubberBandSelectsWhatItTouches();
    void insertModePlacesAndSizesOneObject();
    void insertModeEndsOutsideThePaperAndOnCancel();
    void selectionMovesInInsertModeAndEndsIt();
    void rightButtonSelectsTheTopmostUnselected();
    void objectsTakenAwayEndTheGrab();
    void withoutADocumentNothingHappens();
};

void TestCanvasGestures::geometryMapsAndSnaps()
{
    CanvasGeometry g;
    QCOMPARE(g.SnapX(11.9), 8);
    QCOMPARE(g.SnapX(12), 16); // halfway goes up
    QCOMPARE(g.SnapY(3.9), 0);
    QCOMPARE(g.SnapX(-3), 0); // trunc, not floor: toward zero
    QCOMPARE(g.SnapX(-13), -8);
    QCOMPARE(g.StepX(), 8);
    QVERIFY(g.InsidePaper(QPointF(191.9, 63.9)));
    QVERIFY(!g.InsidePaper(QPointF(192, 0)));
    QVERIFY(!g.InsidePaper(QPointF(0, -0.1)));

    g.grid = QSize(10, 6);
    QCOMPARE(g.SnapX(14.9), 10);
    QCOMPARE(g.SnapY(14.9), 12);
    // Without snapping a coordinate is its floor and a key moves a pixel.
    g.snap = false;
    QCOMPARE(g.SnapX(14.9), 14);
    QCOMPARE(g.SnapY(-0.5), -1);
    QCOMPARE(g.StepY(), 1);
    // A step of 0 cannot divide: the floor again.
    g.snap = true;
    g.grid = QSize(0, 0);
    QCOMPARE(g.SnapX(5.7), 5);

    // Window and paper points at 250 % and scrolled.
    g.zoom = 2.5;
    g.scroll = QPoint(40, 10);
    QCOMPARE(g.ToWindow(QPointF(20, 8)), QPoint(10, 10));
    QCOMPARE(g.ToPaper(QPoint(10, 10)), QPointF(20, 8));
    for (const QPoint p : {QPoint(0, 0), QPoint(37, 91), QPoint(-5, 3)})
        QCOMPARE(g.ToWindow(g.ToPaper(p)), p);
}

void TestCanvasGestures::pressHitsTheTopmostObjectAndItsMarkers()
{
    Canvas c;
    c.add(OBJ_BAR_METER, 16, 16, 48, 40);
    c.add(OBJ_BAR_METER, 32, 24, 64, 56);
    c.add(OBJ_INDICATOR_LIGHT, 100, 16, 116, 32);

    // Where two overlap the later one (drawn on top) is taken.
    c.press(40, 32);
    QVERIFY(!c.selected(0));
    QVERIFY(c.selected(1));
    QCOMPARE(c.gestures.CurrentMode(), CCanvasGestures::Mode::Move);
    QCOMPARE(c.gestures.TopmostSelected(), c.at(1));
    c.release();
    QCOMPARE(c.helpKinds, QList<int>{OBJ_BAR_METER});

    // A marker of a resizable object resizes by that marker, whether the
    // object was selected or not.
    const struct
    {
        double x, y;
        HitCode code;
    } markers[] = {
        {64, 56, HIT_BOTTOMRIGHT}, {32, 24, HIT_TOPLEFT},    {48, 24, HIT_TOPMIDDLE},
        {64, 40, HIT_RIGHTMIDDLE}, {32, 56, HIT_BOTTOMLEFT}, {66, 22, HIT_TOPRIGHT},
    };
    for (const auto& m : markers) {
        c.press(m.x, m.y);
        QCOMPARE(c.gestures.CurrentMode(), CCanvasGestures::Mode::Resize);
        QCOMPARE(c.gestures.ResizeMarker(), m.code);
        c.release();
    }
    // The markers of an object that keeps its size move it.
    c.press(100, 16);
    QVERIFY(c.selected(2));
    QCOMPARE(c.gestures.CurrentMode(), CCanvasGestures::Mode::Move);
    c.release();
    // The cursor at rest shows what a press would do.
    QCOMPARE(c.gestures.CursorAt(c.w(100, 16)), Qt::SizeAllCursor);
    QCOMPARE(c.gestures.CursorAt(c.w(64, 56)), Qt::SizeFDiagCursor);
    QCOMPARE(c.gestures.CursorAt(c.w(64, 40)), Qt::SizeHorCursor);
    QCOMPARE(c.gestures.CursorAt(c.w(150, 50)), Qt::ArrowCursor);

    // Empty paper clears the selection and starts a rubber band; pressing
    // changed nothing, so there is nothing to undo.
    c.press(150, 50);
    QCOMPARE(c.objects().GetSelectCount(), 0);
    QCOMPARE(c.gestures.CurrentMode(), CCanvasGestures::Mode::RubberBand);
    c.release();
    QCOMPARE(c.rect(0), rectOf(16, 16, 48, 40));
    QCOMPARE(c.rect(1), rectOf(32, 24, 64, 56));
    c.doc.Undo();
    c.doc.Undo();
    c.doc.Undo();
    QVERIFY(!c.doc.CanUndo());
    QCOMPARE(c.count(), 0);
}

void TestCanvasGestures::hitsFollowZoomAndScroll()
{
    Canvas c;
    c.geo.zoom = 4;
    c.geo.scroll = QPoint(100, 30);
    c.add(OBJ_BAR_METER, 40, 16, 72, 40);
    // At 400 % the markers stay 8 window pixels: 2 paper pixels in from
    // the corner is the body already.
    c.press(72, 40);
    QCOMPARE(c.gestures.ResizeMarker(), HIT_BOTTOMRIGHT);
    c.moveTo(80.3, 48.9);
    c.release();
    QCOMPARE(c.rect(0), rectOf(40, 16, 80, 48));
    c.press(78, 46);
    QCOMPARE(c.gestures.CurrentMode(), CCanvasGestures::Mode::Move);
    c.moveTo(86, 46);
    c.release();
    QCOMPARE(c.rect(0), rectOf(48, 16, 88, 48));
    // A window point left of the scrolled view is still on the paper.
    QVERIFY(c.w(10, 10).x() < 0);
}

void TestCanvasGestures::ctrlClickTogglesWithoutMoving()
{
    Canvas c;
    c.add(OBJ_BAR_METER, 8, 8, 40, 24, true);
    c.add(OBJ_BAR_METER, 100, 8, 140, 24, true);
    c.drag(20, 16, 60, 40, true);
    QVERIFY(!c.selected(0));
    QVERIFY(c.selected(1));
    QCOMPARE(c.rect(0), rectOf(8, 8, 40, 24));
    QCOMPARE(c.rect(1), rectOf(100, 8, 140, 24));
    // Ctrl on a marker of a resizable object resizes nothing either.
    c.drag(100, 8, 90, 0, true);
    QVERIFY(!c.selected(1));
    QCOMPARE(c.rect(1), rectOf(100, 8, 140, 24));
    c.drag(20, 16, 20, 16, true);
    QVERIFY(c.selected(0));
    // Only the two insertions are undo steps.
    c.doc.Undo();
    c.doc.Undo();
    QCOMPARE(c.count(), 0);
    QVERIFY(!c.doc.CanUndo());
}

void TestCanvasGestures::moveSnapsOnReleaseAndStaysOnThePanel()
{
    Canvas c;
    c.add(OBJ_BAR_METER, 16, 16, 48, 40);
    const int undoable = c.doc.CanUndo();
    // While the pointer travels the object follows it to the pixel; past
    // the panel's right and bottom edges it stops there.
    c.press(20, 20);
    c.moveTo(23, 21);
    QCOMPARE(c.rect(0), rectOf(19, 17, 51, 41));
    c.moveTo(400, 300);
    QCOMPARE(c.rect(0), rectOf(160, 40, 192, 64));
    QVERIFY(c.moving >= 2);
    c.release();
    QCOMPARE(c.rect(0), rectOf(160, 40, 192, 64));
    // And at the left and top edges.
    c.drag(170, 50, -300, -300);
    QCOMPARE(c.rect(0), rectOf(0, 0, 32, 24));
    // A short move lands back on the grid.
    c.drag(10, 10, 13, 13);
    QCOMPARE(c.rect(0), rectOf(0, 0, 32, 24));
    c.drag(10, 10, 15, 14);
    QCOMPARE(c.rect(0), rectOf(8, 8, 40, 32));
    // Every move that changed something is one undo step.
    c.doc.Undo();
    QCOMPARE(c.rect(0), rectOf(0, 0, 32, 24));
    c.doc.Undo();
    QCOMPARE(c.rect(0), rectOf(160, 40, 192, 64));
    c.doc.Undo();
    QCOMPARE(c.rect(0), rectOf(16, 16, 48, 40));
    QCOMPARE(int(c.doc.CanUndo()), undoable);

    // Without snapping the object lands where it was let go.
    c.geo.snap = false;
    c.drag(20, 20, 23, 25);
    QCOMPARE(c.rect(0), rectOf(19, 21, 51, 45));
    // Without the paper's restraint it may leave the paper.
    c.geo.keepInside = false;
    c.drag(35, 33, 215, 33);
    QCOMPARE(c.rect(0), rectOf(199, 21, 231, 45));
}

void TestCanvasGestures::multipleSelectionMovesAsOneBox()
{
    Canvas c;
    c.add(OBJ_BAR_METER, 8, 8, 24, 24, true);
    c.add(OBJ_INDICATOR_LIGHT, 160, 40, 176, 56, true);
    c.add(OBJ_BAR_METER, 80, 8, 96, 24);
    // A press on the body of either selected object moves both; the box
    // around both stops at the panel's edge.
    c.press(12, 12);
    QVERIFY(c.selected(0));
    QVERIFY(c.selected(1));
    QCOMPARE(c.gestures.CurrentMode(), CCanvasGestures::Mode::Move);
    c.moveTo(60, 40);
    c.release();
    QCOMPARE(c.rect(1), rectOf(176, 48, 192, 64));
    QCOMPARE(c.rect(0), rectOf(24, 16, 40, 32));
    QCOMPARE(c.rect(2), rectOf(80, 8, 96, 24));
    QVERIFY(!c.selected(2));
    c.doc.Undo();
    QCOMPARE(c.rect(0), rectOf(8, 8, 24, 24));
    QCOMPARE(c.rect(1), rectOf(160, 40, 176, 56));
    // A press on an unselected object takes the selection over.
    c.press(84, 12);
    QVERIFY(!c.selected(0));
    QVERIFY(c.selected(2));
    c.release();
}

void TestCanvasGestures::resizeMovesTheMarkersEdgesWithinThePanel()
{
    Canvas c;
    c.add(OBJ_BAR_METER, 16, 16, 48, 40);
    c.drag(48, 40, 300, 300);
    QCOMPARE(c.rect(0), rectOf(16, 16, 192, 64));
    c.drag(16, 16, -20, -20);
    QCOMPARE(c.rect(0), rectOf(0, 0, 192, 64));
    // The middle markers move one edge only.
    c.drag(192, 32, 100, 0);
    QCOMPARE(c.rect(0), rectOf(0, 0, 104, 64));
    c.drag(52, 64, 0, 33);
    QCOMPARE(c.rect(0), rectOf(0, 0, 104, 32));
    // Dragged past the opposite edge the object keeps its smallest size
    // and its other edges.
    c.drag(104, 32, 2, 2);
    const PaperRect r = c.rect(0).Normalized();
    QCOMPARE(r.left, 0);
    QCOMPARE(r.top, 0);
    QVERIFY(r.Width() >= 8);
    QVERIFY(r.Height() >= 8);
    // Escape during a resize leaves the object where the last move put it;
    // the next button up changes nothing more.
    c.add(OBJ_BAR_METER, 64, 16, 96, 40);
    c.press(96, 40);
    c.moveTo(123, 45);
    c.gestures.Cancel();
    QCOMPARE(c.gestures.CurrentMode(), CCanvasGestures::Mode::None);
    QCOMPARE(c.rect(1), rectOf(64, 16, 123, 45));
    c.release();
    QCOMPARE(c.rect(1), rectOf(64, 16, 123, 45));
    c.doc.Undo();
    QCOMPARE(c.rect(1), rectOf(64, 16, 96, 40));
}

void TestCanvasGestures::resizeSnapsOnlyTheEdgesItMoved()
{
    Canvas c;
    c.add(OBJ_BAR_METER, 13, 13, 48, 40);
    c.drag(48, 40, 61, 45);
    QCOMPARE(c.rect(0), rectOf(13, 13, 64, 48));
    c.drag(13, 13, 3, 18);
    QCOMPARE(c.rect(0), rectOf(0, 16, 64, 48));
    // A step that does not divide the panel: the snapped edge stays on it.
    c.geo.grid = QSize(100, 100);
    c.drag(64, 48, 190, 60);
    QCOMPARE(c.rect(0), rectOf(0, 16, 192, 64));
    // Without snapping the edge stays at the pointer's pixel.
    c.geo.snap = false;
    c.drag(192, 64, 150.2, 50.2);
    QCOMPARE(c.rect(0), rectOf(0, 16, 150, 50));
}

void TestCanvasGestures::rubberBandSelectsWhatItTouches()
{
    Canvas c;
    c.add(OBJ_BAR_METER, 16, 16, 48, 40);
    c.add(OBJ_BAR_METER, 100, 16, 140, 40);
    c.add(OBJ_BAR_METER, 150, 40, 180, 60);
    c.press(60, 2);
    QCOMPARE(c.gestures.CurrentMode(), CCanvasGestures::Mode::RubberBand);
    const int before = c.repaints;
    c.moveTo(110, 20);
    QVERIFY(c.repaints > before);
    QCOMPARE(c.gestures.Band().normalized(), QRectF(60, 2, 50, 18));
    c.release();
    QVERIFY(!c.selected(0));
    QVERIFY(c.selected(1)); // partly covered
    QVERIFY(!c.selected(2));
    QCOMPARE(c.gestures.CurrentMode(), CCanvasGestures::Mode::None);
    // Drawn up and to the left, across two.
    c.press(60, 50);
    c.moveTo(60, 50);
    QCOMPARE(c.objects().GetSelectCount(), 0);
    c.moveTo(191, 30);
    c.release();
    QVERIFY(!c.selected(0));
    QVERIFY(c.selected(1));
    QVERIFY(c.selected(2));
    // Selecting is no edit.
    c.doc.Undo();
    c.doc.Undo();
    c.doc.Undo();
    QCOMPARE(c.count(), 0);
}

void TestCanvasGestures::insertModePlacesAndSizesOneObject()
{
    Canvas c;
    c.gestures.StartInsert(CreateObjectOfKind(OBJ_BAR_METER));
    QCOMPARE(c.gestures.InsertKind(), int(OBJ_BAR_METER));
    QCOMPARE(c.gestures.CurrentMode(), CCanvasGestures::Mode::Insert);
    QCOMPARE(c.insertKinds, QList<int>{OBJ_BAR_METER});
    QCOMPARE(c.cursors.last(), Qt::CrossCursor);
    QCOMPARE(c.gestures.CursorAt(c.w(5, 5)), Qt::CrossCursor);

    // The press places the object on the grid; the drag sizes it; the
    // release snaps its far corner and ends insert mode.
    c.press(13, 21);
    QCOMPARE(c.count(), 1);
    QVERIFY(c.selected(0));
    QCOMPARE(c.gestures.CurrentMode(), CCanvasGestures::Mode::Resize);
    QCOMPARE(c.rect(0).left, 16);
    QCOMPARE(c.rect(0).top, 24);
    c.moveTo(61, 45);
    c.release();
    QCOMPARE(c.rect(0), rectOf(16, 24, 64, 48));
    QCOMPARE(c.gestures.InsertKind(), -1);
    QCOMPARE(c.gestures.CurrentMode(), CCanvasGestures::Mode::None);
    QCOMPARE(c.insertKinds, (QList<int>{OBJ_BAR_METER, -1}));
    QCOMPARE(c.cursors.last(), Qt::ArrowCursor);
    // The insertion and its sizing are one edit.
    c.doc.Undo();
    QCOMPARE(c.count(), 0);

    // A plain click places the object at its smallest size, on the panel.
    c.gestures.StartInsert(CreateObjectOfKind(OBJ_TREND_METER));
    c.press(190, 62);
    c.release();
    QCOMPARE(c.count(), 1);
    const PaperRect r = c.rect(0).Normalized();
    QVERIFY(r.right <= 192);
    QVERIFY(r.bottom <= 64);
    QVERIFY(r.Width() >= 16);
    QVERIFY(r.Height() >= 16);
    QCOMPARE(c.gestures.InsertKind(), -1);

    // No prototype, no insert mode.
    c.gestures.StartInsert(nullptr);
    QCOMPARE(c.gestures.InsertKind(), -1);
    QCOMPARE(c.gestures.CurrentMode(), CCanvasGestures::Mode::None);
}

void TestCanvasGestures::insertModeEndsOutsideThePaperAndOnCancel()
{
    Canvas c;
    c.gestures.StartInsert(CreateObjectOfKind(OBJ_STATIC_TEXT));
    c.press(200, 30);
    c.release();
    QCOMPARE(c.count(), 0);
    QCOMPARE(c.gestures.InsertKind(), -1);
    QVERIFY(!c.doc.CanUndo());

    c.gestures.StartInsert(CreateObjectOfKind(OBJ_STATIC_TEXT));
    c.gestures.Cancel();
    QCOMPARE(c.gestures.InsertKind(), -1);
    c.press(20, 20);
    c.release();
    QCOMPARE(c.count(), 0);
    // A second insert command replaces the first prototype.
    c.gestures.StartInsert(CreateObjectOfKind(OBJ_STATIC_TEXT));
    c.gestures.StartInsert(CreateObjectOfKind(OBJ_NUMERIC));
    QCOMPARE(c.gestures.InsertKind(), int(OBJ_NUMERIC));
    QCOMPARE(c.insertKinds, (QList<int>{OBJ_STATIC_TEXT, -1, OBJ_STATIC_TEXT, -1, OBJ_STATIC_TEXT,
                                        -1, OBJ_NUMERIC}));
}

void TestCanvasGestures::selectionMovesInInsertModeAndEndsIt()
{
    Canvas c;
    c.add(OBJ_BAR_METER, 16, 16, 48, 40, true);
    c.add(OBJ_BAR_METER, 64, 16, 96, 40, true);
    c.gestures.StartInsert(CreateObjectOfKind(OBJ_STATIC_TEXT));
    // A press on a selected object's body moves the selection instead of
    // inserting; insert mode lasts until the button comes up.
    c.press(32, 28);
    QCOMPARE(c.gestures.CurrentMode(), CCanvasGestures::Mode::Move);
    QCOMPARE(c.gestures.InsertKind(), int(OBJ_STATIC_TEXT));
    c.moveTo(48, 36);
    c.release();
    QCOMPARE(c.count(), 2);
    QCOMPARE(c.rect(0), rectOf(32, 24, 64, 48));
    QCOMPARE(c.rect(1), rectOf(80, 24, 112, 48));
    QCOMPARE(c.gestures.InsertKind(), -1);
    QCOMPARE(c.gestures.CurrentMode(), CCanvasGestures::Mode::None);
    QCOMPARE(c.insertKinds, (QList<int>{OBJ_STATIC_TEXT, -1}));
    // One undo point: the move.
    c.doc.Undo();
    QCOMPARE(c.rect(0), rectOf(16, 16, 48, 40));

    // With Ctrl the press inserts, as it does off the selection.
    c.gestures.StartInsert(CreateObjectOfKind(OBJ_STATIC_TEXT));
    c.press(32, 28, true);
    QCOMPARE(c.gestures.CurrentMode(), CCanvasGestures::Mode::Resize);
    c.release();
    QCOMPARE(c.count(), 3);
    QCOMPARE(c.gestures.InsertKind(), -1);

    // An edit command ends the gesture under way, not insert mode.
    c.gestures.StartInsert(CreateObjectOfKind(OBJ_NUMERIC));
    c.gestures.StopGesture();
    QCOMPARE(c.gestures.InsertKind(), int(OBJ_NUMERIC));
    QCOMPARE(c.gestures.CurrentMode(), CCanvasGestures::Mode::Insert);
    // A release without its press leaves insert mode too.
    c.release();
    QCOMPARE(c.gestures.InsertKind(), int(OBJ_NUMERIC));
}

void TestCanvasGestures::rightButtonSelectsTheTopmostUnselected()
{
    Canvas c;
    c.add(OBJ_BAR_METER, 16, 16, 48, 40);
    c.add(OBJ_BAR_METER, 32, 24, 64, 56);
    c.add(OBJ_BAR_METER, 100, 16, 140, 40, true);
    c.add(OBJ_BAR_METER, 150, 16, 180, 40, true);
    // On a selected object the selection stays.
    c.gestures.RightDown(c.w(120, 30));
    QVERIFY(c.selected(2));
    QVERIFY(c.selected(3));
    // Where two unselected overlap, the one on top becomes the selection.
    c.gestures.RightDown(c.w(40, 32));
    QVERIFY(!c.selected(0));
    QVERIFY(c.selected(1));
    QVERIFY(!c.selected(2));
    QVERIFY(!c.selected(3));
    // It ends insert mode too.
    c.gestures.StartInsert(CreateObjectOfKind(OBJ_STATIC_TEXT));
    c.gestures.RightDown(c.w(5, 60));
    QCOMPARE(c.gestures.InsertKind(), -1);
    QCOMPARE(c.objects().GetSelectCount(), 1);
}

void TestCanvasGestures::objectsTakenAwayEndTheGrab()
{
    Canvas c;
    c.add(OBJ_BAR_METER, 16, 16, 48, 40);
    c.press(20, 20);
    c.moveTo(30, 20);
    QCOMPARE(c.gestures.CurrentMode(), CCanvasGestures::Mode::Move);
    // Another view empties the screen under the moving pointer.
    c.doc.EndGesture();
    c.doc.Edit([](CDiagramEntityContainer& o) { o.RemoveAll(); });
    QCOMPARE(c.gestures.CurrentMode(), CCanvasGestures::Mode::None);
    c.moveTo(60, 40);
    c.release();
    QCOMPARE(c.count(), 0);
    // Undo brings the object back where the move left it.
    c.doc.Undo();
    QCOMPARE(c.count(), 1);
    QCOMPARE(c.rect(0), rectOf(26, 16, 58, 40));
    // A resize too: the object that stays is not sized in its place.
    c.add(OBJ_BAR_METER, 100, 16, 132, 40);
    c.press(58, 40);
    QCOMPARE(c.gestures.CurrentMode(), CCanvasGestures::Mode::Resize);
    c.doc.EndGesture();
    c.doc.Edit([](CDiagramEntityContainer& o) { o.RemoveAt(0); });
    QCOMPARE(c.gestures.CurrentMode(), CCanvasGestures::Mode::None);
    c.moveTo(150, 60);
    c.release();
    QCOMPARE(c.count(), 1);
    QCOMPARE(c.rect(0), rectOf(100, 16, 132, 40));
}

void TestCanvasGestures::withoutADocumentNothingHappens()
{
    CanvasGeometry geo;
    CCanvasGestures g(geo);
    g.LeftDown(QPoint(10, 10), false);
    g.PointerMoved(QPoint(20, 20));
    g.LeftUp();
    g.RightDown(QPoint(10, 10));
    QCOMPARE(g.CurrentMode(), CCanvasGestures::Mode::None);
    QCOMPARE(g.TopmostSelected(), nullptr);
    QCOMPARE(g.CursorAt(QPoint(1, 1)), Qt::ArrowCursor);
    // Insert mode needs no document until the press, which ends it.
    g.StartInsert(CreateObjectOfKind(OBJ_BAR_METER));
    QCOMPARE(g.InsertKind(), int(OBJ_BAR_METER));
    g.Cancel();
    QCOMPARE(g.InsertKind(), -1);
}

QTEST_MAIN(TestCanvasGestures)
#include "test_canvas_gestures.moc"
