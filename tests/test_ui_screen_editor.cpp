// The screen editor driven as the user drives it: QTest mouse and key events
// on the canvas and drops from the object list, read back from the screen's
// container and its saved screen file; the previews of every kind and the
// panel-pixel view rendered offscreen.
#include "TestSupport.h"
#include "app/CompileProject.h"
#include "app/ScreenCommands.h"
#include "app/TessanApp.h"
#include "project/ProtocolTables.h"
#include "screen/ObjectBarMeter.h"
#include "screen/ObjectFactory.h"
#include "screen/ObjectIndicatorLight.h"
#include "screen/ObjectNumeric.h"
#include "screen/ObjectStaticBitmap.h"
#include "screen/ObjectStaticText.h"
#include "screen/ObjectString.h"
#include "screen/ObjectUiHooks.h"
#include "screen/TessanDoc.h"
#include "ui/document/ProjectController.h"
#include "ui/document/ScreenDocument.h"
#include "ui/screen/NumericPainter.h"
#include "ui/screen/ObjectEditor.h"
#include "ui/screen/ObjectPainter.h"
#include "ui/screen/PreviewPictures.h"
#include "ui/document/ScreenClipboard.h"
#include "screen/DiagramClipboardHandler.h"
#include "ui/screen/TessanView.h"

#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QMimeData>
#include <QScrollBar>
#include <QWheelEvent>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

namespace {

const QString kVSeq = QString::fromLatin1(ProtocolTables::kVardoVSequence);

// A project with its first screen open in a screen window, grid 8 x 8,
// zoom 1.
struct Editing
{
    CTestProgramFolder folder;
    CProjectController controller{folder.App()};
    std::unique_ptr<CTessanView> view;
    CScreenDocument* doc = nullptr;

    Editing(double zoom = 1.0)
    {
        controller.NewProject("Line1", folder.Dir() + "/P", "RU03", kVSeq);
        doc = controller.ScreenDocument(1);
        view = std::make_unique<CTessanView>(controller, doc, 1);
        view->resize(900, 500);
        CViewSettings s;
        s.showGrid = true;
        s.zoomPercent = qRound(zoom * 100);
        view->ApplyViewSettings(s);
        view->show();
    }
    CObjectEditor& editor() { return *view->Editor(); }
    QWidget* canvas() { return view->Editor()->viewport(); }
    const CDiagramEntityContainer& objects() { return doc->Container(); }
    const CDiagramEntity* at(int i) { return objects().GetAt(i); }
    void select(int i, bool on)
    {
        doc->Select([&](CDiagramEntityContainer& c) { c.GetAt(i)->Select(on); });
    }
    void unselectAll()
    {
        doc->Select([](CDiagramEntityContainer& c) { c.UnselectAll(); });
    }
    void clear()
    {
        doc->Edit([](CDiagramEntityContainer& c) { c.RemoveAll(); });
    }
    // The window point of a paper point.
    QPoint w(double x, double y) { return editor().ToWindow(QPointF(x, y)); }
    // An object placed without the editor, selected or not.
    const CDiagramEntity* add(int kind, int l, int t, int r, int b, bool selected = false)
    {
        auto o = CreateObjectOfKind(kind);
        o->SetRect(l, t, r, b);
        o->Select(selected);
        const CDiagramEntity* p = o.get();
        doc->Edit([&](CDiagramEntityContainer& c) { c.Add(std::move(o)); });
        return p;
    }
    void press(double x, double y, Qt::KeyboardModifiers m = {})
    {
        QTest::mousePress(canvas(), Qt::LeftButton, m, w(x, y));
    }
    void moveTo(double x, double y)
    {
        QMouseEvent e(QEvent::MouseMove, w(x, y), canvas()->mapToGlobal(w(x, y)), Qt::NoButton,
                      Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(canvas(), &e);
    }
    void release(double x, double y, Qt::KeyboardModifiers m = {})
    {
        QTest::mouseRelease(canvas(), Qt::LeftButton, m, w(x, y));
    }
    void drag(double x0, double y0, double x1, double y1, Qt::KeyboardModifiers m = {})
    {
        press(x0, y0, m);
        moveTo(x1, y1);
        release(x1, y1, m);
    }
    bool drop(int kind, double x, double y)
    {
        QMimeData mime;
        mime.setText(QString::number(kind));
        return dropData(&mime, x, y);
    }
    // A drag that enters the canvas and drops there, as from the object list.
    bool dropData(QMimeData* mime, double x, double y)
    {
        QDragEnterEvent enter(w(x, y), Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(canvas(), &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent e(QPointF(w(x, y)), Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(canvas(), &e);
        return e.isAccepted();
    }
    void key(Qt::Key k, Qt::KeyboardModifiers m = {}) { QTest::keyClick(&editor(), k, m); }
    QImage grab() { return canvas()->grab().toImage().convertToFormat(QImage::Format_RGB32); }
};

PaperRect rectOf(int l, int t, int r, int b)
{
    return PaperRect{l, t, r, b};
}

int snap8(int v)
{
    return 8 * int(v / 8.0 + 0.5);
}

// A form that stays open: the test answers for it.
class COpenForm : public IObjectPropertyForm
{
public:
    void Show(QObject*) override { shown = true; }
    void Hide() override { shown = false; }
    bool IsShown() const override { return shown; }
    void LoadFromObject() override {}
    void Focus() override {}
    bool shown = false;
};

// Renders one object's preview alone into an image of its window size.
QImage preview(CDiagramEntity& o, double zoom = 1.0)
{
    ObjectPaintContext ctx;
    ctx.zoom = zoom;
    const QRect r = ObjectPainting::WindowRect(o, zoom);
    QImage img(r.right() + 1, r.bottom() + 1, QImage::Format_RGB32);
    img.fill(Qt::green);
    QPainter p(&img);
    ObjectPainting::DrawScaled(p, o, ctx, QPoint(), 0);
    p.end();
    return img;
}

bool black(const QImage& img, int x, int y)
{
    return (img.pixel(x, y) & 0xFFFFFF) == 0;
}

} // namespace

class TestUiScreenEditor : public QObject
{
    Q_OBJECT
private slots:
    void insertModeByClickAndDrag();
    void dropSnapsAndMeasures();
    void cancelledDropAndUndo();
    void rubberBandSelectsPartlyCovered();
    void moveSnapsAndStopsAtThePaperEdge();
    void resizeByMarkersOnly();
    void ctrlClickToggles();
    void keysMoveGrowDeleteDuplicate();
    void menusAndPropertiesFromMouseAndKeys();
    void undoRedoFromKeys();
    void cutCopyPaste();
    void alignCommandsAreUndoSteps();
    void zoomLabelsAndView();
    void editsReachTheScreenFile();
    void closedProjectLeavesAnEmptyWindow();
    void numericSamples();
    void previewsOfEveryKind();
    void bitmapsFollowTheScalingRules();
    void panelPixelsMatchTheCompiledPicture();
};

void TestUiScreenEditor::insertModeByClickAndDrag()
{
    Editing e;
    QSignalSpy kinds(e.view.get(), &CTessanView::insertKindChanged);
    e.view->InsertObject(OBJ_BAR_METER);
    QCOMPARE(e.view->InsertKind(), int(OBJ_BAR_METER));
    QCOMPARE(e.canvas()->cursor().shape(), Qt::CrossCursor);
    e.drag(13, 21, 45, 50);
    QCOMPARE(e.objects().GetSize(), 1);
    QCOMPARE(e.at(0)->GetRect(), rectOf(16, 24, 48, 48));
    QVERIFY(e.at(0)->IsSelected());
    // One insertion ends insert mode.
    QCOMPARE(e.view->InsertKind(), -1);
    QCOMPARE(kinds.count(), 2);
    QCOMPARE(kinds.last().first().toInt(), -1);
    QVERIFY(e.doc->IsModified());
    // A click outside the paper ends insert mode and places nothing.
    e.view->InsertObject(OBJ_NUMERIC);
    e.drag(300, 20, 310, 30);
    QCOMPARE(e.objects().GetSize(), 1);
    QCOMPARE(e.view->InsertKind(), -1);
    // Undo takes the insertion back.
    e.view->Undo();
    QCOMPARE(e.objects().GetSize(), 0);
}

void TestUiScreenEditor::dropSnapsAndMeasures()
{
    Editing e;
    QSignalSpy props(e.view.get(), &CTessanView::propertiesRequested);
    QVERIFY(e.drop(OBJ_STATIC_TEXT, 13, 21));
    QCOMPARE(e.objects().GetSize(), 1);
    ObjectPaintContext ctx;
    const QRect content = ObjectPainting::MeasureContent(*e.at(0), ctx);
    QVERIFY(content.width() > 8);
    QCOMPARE(e.at(0)->GetRect(),
             rectOf(16, 24, snap8(16 + content.width()), snap8(24 + content.height())));
    QVERIFY(e.at(0)->IsSelected());
    QCOMPARE(props.count(), 1);
    // Its form is open: the object stays new until the form's OK.
    QVERIFY(e.at(0)->IsMarkedNew());

    e.clear();
    QVERIFY(e.drop(OBJ_TREND_METER, 8, 8));
    QCOMPARE(e.at(0)->GetRect(), rectOf(8, 8, 72, 40));
    e.clear();
    QVERIFY(e.drop(OBJ_INDICATOR_LIGHT, 8, 8)); // "Double" by default
    QCOMPARE(e.at(0)->GetRect(), rectOf(8, 8, 40, 40));
    e.clear();
    QVERIFY(e.drop(OBJ_BAR_METER, 9, 9));
    QCOMPARE(e.at(0)->GetRect(), rectOf(8, 8, 24, 40));
    // Dropped at the right edge, it moves inside the paper.
    e.clear();
    QVERIFY(e.drop(OBJ_TREND_METER, 180, 40));
    QCOMPARE(e.at(0)->GetRect(), rectOf(128, 32, 192, 64));
    // Outside the paper, or data that names no kind: nothing.
    e.clear();
    QVERIFY(!e.drop(OBJ_STRING, 250, 8));
    QMimeData junk;
    junk.setText(QStringLiteral("9"));
    QVERIFY(!e.dropData(&junk, 8, 8));
    QCOMPARE(e.objects().GetSize(), 0);
}

void TestUiScreenEditor::cancelledDropAndUndo()
{
    Editing e;
    auto& hooks = ObjectUiHooks::Instance();
    const auto saved = hooks.formFactories[OBJ_STRING];
    COpenForm* form = nullptr;
    hooks.formFactories[OBJ_STRING] = [&form](CDiagramEntity&) {
        auto f = std::make_unique<COpenForm>();
        form = f.get();
        return f;
    };
    e.add(OBJ_NUMERIC, 100, 0, 140, 16);
    QVERIFY(e.drop(OBJ_STRING, 16, 16));
    QCOMPARE(e.objects().GetSize(), 2);
    const CDiagramEntity* dropped = e.at(1);
    QVERIFY(form && form->shown);
    QVERIFY(dropped->IsMarkedNew());
    // The user selects something else, then cancels the form: only the
    // dropped object goes.
    e.select(0, true);
    e.editor().PropertiesCancelled(dropped);
    QCOMPARE(e.objects().GetSize(), 1);
    QCOMPARE(e.at(0)->Kind(), int(OBJ_NUMERIC));
    e.key(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(e.objects().GetSize(), 2);
    QCOMPARE(e.at(1)->Kind(), int(OBJ_STRING));
    // OK on a form clears the mark: a later Cancel removes nothing.
    e.editor().PropertiesAccepted(e.at(1), [] {});
    e.editor().PropertiesCancelled(e.at(1));
    QCOMPARE(e.objects().GetSize(), 2);
    hooks.formFactories[OBJ_STRING] = saved;
}

void TestUiScreenEditor::rubberBandSelectsPartlyCovered()
{
    Editing e;
    e.add(OBJ_STATIC_TEXT, 8, 8, 40, 24);
    e.add(OBJ_STATIC_TEXT, 100, 8, 140, 24);
    e.drag(60, 40, 30, 20); // from empty paper up-left across part of the first
    QVERIFY(e.at(0)->IsSelected());
    QVERIFY(!e.at(1)->IsSelected());
    QCOMPARE(e.at(0)->GetRect(), rectOf(8, 8, 40, 24));
    // A click on empty paper selects nothing.
    e.drag(80, 50, 80, 50);
    QCOMPARE(e.objects().GetSelectCount(), 0);
    QVERIFY(!e.view->HasSelection());
}

void TestUiScreenEditor::moveSnapsAndStopsAtThePaperEdge()
{
    Editing e;
    QSignalSpy help(e.view.get(), &CTessanView::objectHelpRequested);
    QSignalSpy status(e.view.get(), &CTessanView::selectionRectChanged);
    QSignalSpy pointer(e.view.get(), &CTessanView::pointerMoved);
    e.add(OBJ_INDICATOR_LIGHT, 16, 16, 32, 32);
    e.press(20, 20);
    e.moveTo(31, 22); // 11 right, 2 down
    // The status bar follows the pointer and the selection while dragging.
    QCOMPARE(pointer.last().first().toPoint(), QPoint(31, 22));
    QCOMPARE(status.last().first().toRect(), QRect(27, 18, 16, 16));
    e.release(31, 22); // left 27 snaps to 24, top 18 to 16
    QCOMPARE(e.at(0)->GetRect(), rectOf(24, 16, 40, 32));
    QCOMPARE(status.last().first().toRect(), QRect(24, 16, 16, 16));
    QCOMPARE(help.count(), 1);
    QCOMPARE(help.last().first().toInt(), int(OBJ_INDICATOR_LIGHT));
    e.drag(28, 20, 400, 20); // far past the right edge
    QCOMPARE(e.at(0)->GetRect(), rectOf(176, 16, 192, 32));
    e.drag(180, 20, 180, -100); // past the top
    QCOMPARE(e.at(0)->GetRect(), rectOf(176, 0, 192, 16));
    QVERIFY(e.doc->IsModified());
    // A multiple selection moves together, kept inside as one box.
    e.add(OBJ_INDICATOR_LIGHT, 0, 40, 16, 56, true);
    e.select(0, true);
    e.drag(4, 44, 0, 60);
    QCOMPARE(e.at(1)->GetRect(), rectOf(0, 48, 16, 64));
    QCOMPARE(e.at(0)->GetRect(), rectOf(176, 8, 192, 24));
    // A click that moves nothing leaves no undo point.
    const int undo = e.objects().UndoCount();
    e.drag(8, 52, 8, 52);
    QCOMPARE(e.objects().UndoCount(), undo);

    // At 800 % the paper is wider than the window: dragging beyond the
    // window's right edge scrolls toward the pointer.
    CViewSettings s;
    s.showGrid = true;
    s.zoomPercent = 800;
    e.view->ApplyViewSettings(s);
    QScrollBar* bar = e.editor().horizontalScrollBar();
    QVERIFY(bar->maximum() > 0);
    QCOMPARE(bar->value(), 0);
    e.select(0, false);
    const QPoint grab = e.w(4, 52);
    const QPoint beyond(e.canvas()->width() + 20, grab.y());
    QTest::mousePress(e.canvas(), Qt::LeftButton, {}, grab);
    QMouseEvent move(QEvent::MouseMove, beyond, e.canvas()->mapToGlobal(beyond), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(e.canvas(), &move);
    QTest::mouseRelease(e.canvas(), Qt::LeftButton, {}, beyond);
    QCOMPARE(bar->value(), 21); // the overshoot past the last visible column
    QVERIFY(e.at(1)->GetLeft() > 100);
}

void TestUiScreenEditor::resizeByMarkersOnly()
{
    Editing e;
    e.add(OBJ_STATIC_TEXT, 16, 16, 48, 32);
    e.drag(30, 20, 30, 20); // select it; its markers show
    e.drag(48, 32, 61, 45); // the bottom-right marker
    QCOMPARE(e.at(0)->GetRect(), rectOf(16, 16, 64, 48));
    // The left-middle marker moves the left edge past the right one: the
    // minimum width holds from the left edge.
    e.drag(16, 32, 70, 32);
    QCOMPARE(e.at(0)->GetRect(), rectOf(72, 16, 80, 48));
    // Past the paper's right edge the right edge stops at 192.
    e.drag(80, 32, 300, 32);
    QCOMPARE(e.at(0)->GetRect().right, 192);
    // Escape mid-resize: the object stays where the last move put it.
    e.clear();
    e.add(OBJ_STATIC_TEXT, 16, 16, 48, 32, true);
    e.press(48, 32);
    e.moveTo(81, 50);
    e.key(Qt::Key_Escape);
    QCOMPARE(e.editor().CurrentMode(), CDiagramEditor::Mode::None);
    QCOMPARE(e.at(0)->GetRect(), rectOf(16, 16, 81, 50));
    e.release(81, 50);
    QCOMPARE(e.at(0)->GetRect(), rectOf(16, 16, 81, 50));
    // A numeric cannot be resized by its markers: the drag moves it.
    e.clear();
    e.add(OBJ_NUMERIC, 16, 16, 56, 32, true);
    e.drag(56, 32, 90, 60);
    QCOMPARE(e.at(0)->GetRect().Width(), 40);
    QCOMPARE(e.at(0)->GetRect().Height(), 16);
    QVERIFY(e.at(0)->GetLeft() > 16);
}

void TestUiScreenEditor::ctrlClickToggles()
{
    Editing e;
    e.add(OBJ_STATIC_TEXT, 8, 8, 40, 24, true);
    e.add(OBJ_STATIC_TEXT, 100, 8, 140, 24, true);
    // Ctrl+click on a selected object deselects it and moves nothing.
    e.drag(20, 16, 60, 40, Qt::ControlModifier);
    QVERIFY(!e.at(0)->IsSelected());
    QVERIFY(e.at(1)->IsSelected());
    QCOMPARE(e.at(0)->GetRect(), rectOf(8, 8, 40, 24));
    QCOMPARE(e.at(1)->GetRect(), rectOf(100, 8, 140, 24));
    // And selects it again.
    e.drag(20, 16, 20, 16, Qt::ControlModifier);
    QVERIFY(e.at(0)->IsSelected());
    QVERIFY(e.at(1)->IsSelected());
    // Right button on an unselected object makes it the only selection.
    e.select(0, false);
    QTest::mousePress(e.canvas(), Qt::RightButton, {}, e.w(20, 16));
    QVERIFY(e.at(0)->IsSelected());
    QVERIFY(!e.at(1)->IsSelected());
}

void TestUiScreenEditor::keysMoveGrowDeleteDuplicate()
{
    Editing e;
    e.add(OBJ_STATIC_TEXT, 16, 16, 32, 32, true);
    e.key(Qt::Key_Right);
    QCOMPARE(e.at(0)->GetRect(), rectOf(24, 16, 40, 32));
    e.key(Qt::Key_Right, Qt::ShiftModifier);
    QCOMPARE(e.at(0)->GetRect(), rectOf(24, 16, 48, 32)); // 16 -> 24 wide
    e.key(Qt::Key_Down, Qt::ShiftModifier);
    QCOMPARE(e.at(0)->GetRect(), rectOf(24, 16, 48, 40));
    e.key(Qt::Key_Up);
    e.key(Qt::Key_Up);
    e.key(Qt::Key_Up); // stops at the top edge
    QCOMPARE(e.at(0)->GetRect(), rectOf(24, 0, 48, 24));
    // Insert duplicates 8 right and down; the copy is the selection.
    e.key(Qt::Key_Insert);
    QCOMPARE(e.objects().GetSize(), 2);
    QCOMPARE(e.at(1)->GetRect(), rectOf(32, 8, 56, 32));
    QVERIFY(!e.at(0)->IsSelected());
    QVERIFY(e.at(1)->IsSelected());
    // Page Down and Ctrl+Page Up change the z-order.
    e.key(Qt::Key_PageDown);
    QCOMPARE(e.at(0)->GetRect(), rectOf(32, 8, 56, 32));
    e.key(Qt::Key_PageUp, Qt::ControlModifier);
    QCOMPARE(e.at(1)->GetRect(), rectOf(32, 8, 56, 32));
    // Delete removes the selection.
    e.key(Qt::Key_Delete);
    QCOMPARE(e.objects().GetSize(), 1);
    // Shift+arrow leaves an object that only moves as it is.
    e.add(OBJ_NUMERIC, 100, 16, 140, 32, true);
    e.select(0, false);
    e.key(Qt::Key_Right, Qt::ShiftModifier);
    QCOMPARE(e.at(1)->GetRect(), rectOf(100, 16, 140, 32));
}

void TestUiScreenEditor::menusAndPropertiesFromMouseAndKeys()
{
    Editing e;
    QSignalSpy props(e.view.get(), &CTessanView::propertiesRequested);
    e.add(OBJ_STATIC_TEXT, 16, 16, 48, 32);
    e.add(OBJ_NUMERIC, 100, 16, 140, 32);
    // Double click and Ctrl+Enter ask for the one selected object's form.
    e.drag(30, 20, 30, 20);
    QMouseEvent dclick(QEvent::MouseButtonDblClick, e.w(30, 20),
                       e.canvas()->mapToGlobal(e.w(30, 20)), Qt::LeftButton, Qt::LeftButton,
                       Qt::NoModifier);
    QCoreApplication::sendEvent(e.canvas(), &dclick);
    e.release(30, 20);
    QCOMPARE(props.count(), 1);
    QCOMPARE(props.last().first().value<const CDiagramEntity*>(), e.at(0));
    e.key(Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(props.count(), 2);
    QCOMPARE(e.at(0)->GetRect(), rectOf(16, 16, 48, 32));

    // The right button on the numeric: it alone is selected and its menu
    // opens; Duplicate places a copy.
    const auto popup = [] { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); };
    QTest::mouseClick(e.canvas(), Qt::RightButton, {}, e.w(120, 20));
    QVERIFY(!e.at(0)->IsSelected());
    QVERIFY(e.at(1)->IsSelected());
    QMenu* menu = popup();
    QVERIFY(menu);
    QStringList texts;
    for (QAction* a : menu->actions())
        if (!a->isSeparator())
            texts << a->text().remove(QLatin1Char('&')); // as the user reads it
    QCOMPARE(texts, (QStringList{"Cut", "Copy", "Duplicate", "Up", "Down", "To front", "To back",
                                 "Properties", "Find Uses"}));
    menu->actions().at(2)->trigger();
    menu->close();
    QCOMPARE(e.objects().GetSize(), 3);
    QCOMPARE(e.at(2)->GetRect(), rectOf(108, 24, 148, 40));
    // With two selected, the editor's menu: Group gives them one group.
    e.key(Qt::Key_A, Qt::ControlModifier);
    e.select(2, false);
    QTest::mouseClick(e.canvas(), Qt::RightButton, {}, e.w(30, 20));
    menu = popup();
    QVERIFY(menu);
    QCOMPARE(menu->actions().at(4)->text(), QStringLiteral("Group"));
    menu->actions().at(4)->trigger();
    menu->close();
    QVERIFY(e.at(0)->GetGroup() != 0);
    QCOMPARE(e.at(0)->GetGroup(), e.at(1)->GetGroup());
    // Selecting one of a group selects the group.
    e.drag(170, 50, 170, 50);
    e.drag(30, 20, 30, 20);
    QVERIFY(e.at(1)->IsSelected());
    e.view->Undo();
    QCOMPARE(e.at(0)->GetGroup(), 0);
}

void TestUiScreenEditor::undoRedoFromKeys()
{
    Editing e;
    e.add(OBJ_STATIC_TEXT, 16, 16, 32, 32, true);
    e.key(Qt::Key_Right);
    e.key(Qt::Key_Right);
    QVERIFY(e.view->CanUndo());
    QVERIFY(!e.view->CanRedo());
    e.key(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(e.at(0)->GetLeft(), 24.0);
    QVERIFY(e.view->CanRedo());
    e.key(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(e.at(0)->GetLeft(), 16.0);
    e.key(Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(e.at(0)->GetLeft(), 24.0);
    e.key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(e.at(0)->GetLeft(), 32.0);
    QVERIFY(!e.view->CanRedo());
    // A change after an undo forgets the redo.
    e.key(Qt::Key_Backspace, Qt::AltModifier);
    QCOMPARE(e.at(0)->GetLeft(), 24.0);
    e.select(0, true);
    e.key(Qt::Key_Down);
    QVERIFY(!e.view->CanRedo());
}

void TestUiScreenEditor::cutCopyPaste()
{
    Editing e;
    e.add(OBJ_STATIC_TEXT, 16, 16, 32, 32, true);
    SharedScreenClipboard().Clear(); // every screen window shares it
    QVERIFY(!e.view->CanPaste());
    e.key(Qt::Key_C, Qt::ControlModifier);
    QVERIFY(e.view->CanPaste());
    e.key(Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(e.objects().GetSize(), 2);
    QCOMPARE(e.at(1)->GetRect(), rectOf(24, 24, 40, 40));
    QVERIFY(e.at(1)->IsSelected());
    QVERIFY(!e.at(0)->IsSelected());
    e.key(Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(e.objects().GetSize(), 1);
    e.key(Qt::Key_Insert, Qt::ShiftModifier); // paste
    QCOMPARE(e.objects().GetSize(), 2);
    QCOMPARE(e.at(1)->GetRect(), rectOf(32, 32, 48, 48));
    e.key(Qt::Key_Delete, Qt::ShiftModifier); // cut
    QCOMPARE(e.objects().GetSize(), 1);
    e.view->Undo();
    QCOMPARE(e.objects().GetSize(), 2);
    // Copied on one screen, pasted on another.
    e.unselectAll();
    e.select(0, true);
    e.view->Copy();
    QVERIFY(ScreenCommands::NewScreen(e.folder.App(), 2, QStringLiteral("Second")));
    CScreenDocument* second = e.controller.ScreenDocument(2);
    QVERIFY(second);
    CTessanView other(e.controller, second, 2);
    QVERIFY(other.CanPaste());
    other.Paste();
    QCOMPARE(second->Container().GetSize(), 1);
    QCOMPARE(e.objects().GetSize(), 2);
    // Select all, then the editor's menu offers group and the alignments.
    e.key(Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(e.objects().GetSelectCount(), 2);
    std::unique_ptr<QMenu> menu(e.editor().BuildEditorMenu(nullptr));
    QStringList texts;
    for (QAction* a : menu->actions())
        if (!a->isSeparator())
            texts << a->text().remove(QLatin1Char('&')) + (a->isEnabled() ? "+" : "-");
    QCOMPARE(texts, (QStringList{"Cut+", "Copy+", "Paste+", "Group+", "Ungroup+", "Align+",
                                 "Find Uses-"}));
}

void TestUiScreenEditor::alignCommandsAreUndoSteps()
{
    Editing e;
    e.add(OBJ_STATIC_TEXT, 8, 8, 24, 24, true);
    e.add(OBJ_STATIC_TEXT, 40, 20, 72, 36, true);
    QVERIFY(e.view->CanAlign(ObjectAlignment::AlignLeft));
    QVERIFY(!e.view->CanAlign(ObjectAlignment::DistributeHorizontally));
    e.view->Align(ObjectAlignment::AlignLeft);
    QCOMPARE(e.at(1)->GetRect(), rectOf(8, 20, 40, 36));
    e.view->Align(ObjectAlignment::SameHeight);
    QCOMPARE(e.at(0)->GetRect(), rectOf(8, 8, 24, 24));
    e.view->Undo();
    QCOMPARE(e.at(1)->GetRect(), rectOf(40, 20, 72, 36));
    e.view->Redo();
    QCOMPARE(e.at(1)->GetRect(), rectOf(8, 20, 40, 36));
}

void TestUiScreenEditor::zoomLabelsAndView()
{
    Editing e;
    CViewSettings s;
    s.showGrid = true;
    s.zoomPercent = 300;
    s.gridSizeH = 4;
    s.gridSizeV = 2;
    s.showLabels = true;
    e.view->ApplyViewSettings(s);
    QCOMPARE(e.editor().Zoom(), 3.0);
    QCOMPARE(e.editor().GridStep(), QSize(4, 2));
    // The paper point (10, 5) lies at window (30, 15) before any scrolling.
    QCOMPARE(e.editor().ToWindow(QPointF(10, 5)), QPoint(30, 15));
    QSignalSpy zooms(e.view.get(), &CTessanView::zoomChanged);
    e.key(Qt::Key_Plus, Qt::KeypadModifier);
    QCOMPARE(e.editor().Zoom(), 3.01);
    QCOMPARE(zooms.count(), 1);
    e.key(Qt::Key_Minus, Qt::KeypadModifier);
    QCOMPARE(e.editor().Zoom(), 3.0);
    s.zoomPercent = 1200;
    e.view->ApplyViewSettings(s);
    QCOMPARE(e.editor().Zoom(), 10.0);
    s.zoomPercent = 0;
    e.view->ApplyViewSettings(s);
    QVERIFY(e.editor().Zoom() > 0);
    // At 300 % the arrow keys move by the grid steps in paper pixels.
    s.zoomPercent = 300;
    e.view->ApplyViewSettings(s);
    e.add(OBJ_STATIC_TEXT, 16, 16, 48, 32, true);
    e.key(Qt::Key_Right);
    e.key(Qt::Key_Down);
    QCOMPARE(e.at(0)->GetRect(), rectOf(20, 18, 52, 34));
    // The label: a pale green box at the object's top-left corner.
    e.select(0, false);
    const QImage shot = e.grab();
    const QPoint corner = e.w(20, 18);
    QCOMPARE(QColor(shot.pixel(corner)), QColor(Qt::black)); // its outline
    QCOMPARE(QColor(shot.pixel(corner + QPoint(4, 4))), QColor(152, 251, 152));
    // Without labels the same pixel is the preview's white.
    s.showLabels = false;
    e.view->ApplyViewSettings(s);
    QCOMPARE(QColor(e.grab().pixel(corner + QPoint(4, 4))), QColor(Qt::white));
    // The paper is green and the outside grey.
    const QImage plain = e.grab();
    QCOMPARE(QColor(plain.pixel(e.w(101, 61))), QColor(0, 192, 0));
    QCOMPARE(QColor(plain.pixel(e.w(193, 10) + QPoint(2, 0))), QColor(192, 192, 192));
    // The wheel scrolls the view once the paper is taller than the window.
    s.zoomPercent = 1000;
    e.view->ApplyViewSettings(s);
    QScrollBar* bar = e.editor().verticalScrollBar();
    QVERIFY(bar->maximum() > 0);
    QWheelEvent wheel(QPointF(10, 10), e.canvas()->mapToGlobal(QPointF(10, 10)), QPoint(),
                      QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(e.canvas(), &wheel);
    QCOMPARE(bar->value(), bar->singleStep());
}

void TestUiScreenEditor::editsReachTheScreenFile()
{
    Editing e;
    e.drop(OBJ_BAR_METER, 8, 8);
    e.drop(OBJ_NUMERIC, 40, 8);
    e.key(Qt::Key_Right);
    QVERIFY(e.controller.IsModified());
    // The window closes: its edits stay with the project.
    e.view.reset();
    QVERIFY(e.controller.IsModified());
    QVERIFY(e.controller.SaveProject());
    const QString file = e.folder.App().ProjectFolder() + "/" + e.controller.ScreenTitle(1);
    CDiagramEntityContainer back;
    QVERIFY(CTessanDoc::LoadFile(file, back, false));
    QCOMPARE(back.GetSize(), 2);
    QCOMPARE(back.GetAt(0)->Kind(), int(OBJ_BAR_METER));
    QCOMPARE(back.GetAt(0)->GetRect(), rectOf(8, 8, 24, 40));
    QCOMPARE(back.GetAt(1)->Kind(), int(OBJ_NUMERIC));
    QCOMPARE(back.GetAt(1)->GetRect().left, 48);
    QVERIFY(TestSupport::ReadFile(file).startsWith(TestSupport::Utf16("paper:192,64;\r\n")));
}

void TestUiScreenEditor::closedProjectLeavesAnEmptyWindow()
{
    Editing e;
    e.add(OBJ_STATIC_TEXT, 16, 16, 48, 32, true);
    QCOMPARE(e.view->windowTitle(), QStringLiteral("Line1.cgp - #1 Screen 1"));
    QVERIFY(e.view->IsReadyForEditing());
    e.press(30, 20);
    e.moveTo(40, 30); // mid-drag when the project goes
    e.controller.CloseProject();
    QVERIFY(!e.view->IsReadyForEditing());
    QVERIFY(!e.view->HasSelection());
    QVERIFY(!e.view->CanUndo());
    e.release(40, 30);
    e.key(Qt::Key_Delete);
    e.view->SelectAll();
    e.view->Paste();
    QVERIFY(!e.grab().isNull());
}

void TestUiScreenEditor::numericSamples()
{
    NumericProperties n;
    n.digits = 3;
    n.decimalPlaces = 3;
    QCOMPARE(CNumericPainter::Sample(n), QStringLiteral("0.123"));
    n.decimalPlaces = 0;
    QCOMPARE(CNumericPainter::Sample(n), QStringLiteral("123"));
    n.digits = 4;
    n.leadingZeros = 1;
    QCOMPARE(CNumericPainter::Sample(n), QStringLiteral("0000"));
    n = NumericProperties();
    n.digits = 5;
    n.decimalPlaces = 2;
    n.isSigned = 1;
    QCOMPARE(CNumericPainter::Sample(n), QStringLiteral("-123.45"));
    n.model = 1; // HEX/BCD shows no sign
    QCOMPARE(CNumericPainter::Sample(n), QStringLiteral("123.45"));
    n = NumericProperties();
    n.decimalPlaces = 5;
    QCOMPARE(CNumericPainter::Sample(n), QStringLiteral("0.12345"));
    n.digits = 12;
    n.decimalPlaces = 0;
    QCOMPARE(CNumericPainter::Sample(n), QStringLiteral("123456789012"));
}

void TestUiScreenEditor::previewsOfEveryKind()
{
    for (int kind = 0; kind < kObjectKindCount; ++kind) {
        auto o = CreateObjectOfKind(kind);
        o->SetRect(0, 0, 64, 32);
        o->Select(true);
        for (double zoom : {0.5, 1.0, 3.0, 8.0}) {
            const QImage img = preview(*o, zoom);
            QVERIFY(!img.isNull());
        }
    }
    // Indicator lights: the centre is white in the normal pictures and black
    // in the inverted ones.
    CObjectIndicatorLight light;
    light.SetRect(0, 0, 32, 32);
    for (int shape : {0, 1}) {
        light.shape = shape;
        light.inversion = 0;
        QVERIFY(!black(preview(light), 16, 16));
        light.inversion = 1;
        QVERIFY(black(preview(light), 16, 16));
        // The filled rectangle reaches its corners, the filled circle does not.
        QCOMPARE(black(preview(light), 3, 3), shape == 1);
    }
    // Bar meters: three quarters full from the side of the direction.
    CObjectBarMeter bar;
    bar.SetRect(0, 0, 32, 64);
    bar.direction = CObjectBarMeter::Up;
    QImage img = preview(bar);
    QVERIFY(black(img, 20, 60));
    QVERIFY(!black(img, 20, 4));
    bar.direction = CObjectBarMeter::Down;
    img = preview(bar);
    QVERIFY(black(img, 20, 4));
    QVERIFY(!black(img, 20, 60));
    bar.SetRect(0, 0, 64, 32);
    bar.direction = CObjectBarMeter::Right;
    img = preview(bar);
    QVERIFY(black(img, 4, 10));
    QVERIFY(!black(img, 60, 10));
    bar.direction = CObjectBarMeter::Left;
    img = preview(bar);
    QVERIFY(black(img, 60, 10));
    QVERIFY(!black(img, 4, 10));
    // A static text with inversion: mostly black; without: mostly white.
    CObjectStaticText text;
    text.SetRect(0, 0, 80, 16);
    const auto inked = [](const QImage& i) {
        int n = 0;
        for (int y = 0; y < i.height(); ++y)
            for (int x = 0; x < i.width(); ++x)
                n += black(i, x, y);
        return n;
    };
    const int plain = inked(preview(text));
    QVERIFY(plain > 0);
    text.inversion = 1;
    QCOMPARE(inked(preview(text)), 80 * 16 - plain);
    // At zoom 2 the text is drawn twice as high: it inks more rows.
    text.inversion = 0;
    const auto rows = [](const QImage& i) {
        int top = i.height(), bottom = -1;
        for (int y = 0; y < i.height(); ++y)
            for (int x = 0; x < i.width(); ++x)
                if (black(i, x, y)) {
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
        return bottom - top + 1;
    };
    const int one = rows(preview(text, 1.0));
    const int two = rows(preview(text, 2.0));
    QVERIFY2(two * 10 >= one * 16 && two * 10 <= one * 24,
             qPrintable(QString("%1 rows, %2 at zoom 2").arg(one).arg(two)));
    // A string of six letters with "Double" is twice as high as without.
    CObjectString s;
    s.stringCount = 6;
    s.SetRect(0, 0, 150, 40);
    const int single = rows(preview(s));
    s.doubleSize = 1;
    QVERIFY(rows(preview(s)) * 10 >= single * 16);
}

void TestUiScreenEditor::bitmapsFollowTheScalingRules()
{
    // The default picture of a new static bitmap, as a real BMP file of
    // 32 x 16 black pixels in the program's bitmap library.
    Editing e;
    const QString dir = e.folder.App().settings.Paths().programDir + "/BMP_Files/Arrow";
    QVERIFY(QDir().mkpath(dir));
    QImage bmp(32, 16, QImage::Format_RGB32);
    bmp.fill(Qt::black);
    QVERIFY(bmp.save(dir + "/arrow_16_16_RIGHT.bmp", "BMP"));
    // Dropped, it takes the picture's own size.
    QVERIFY(e.drop(OBJ_STATIC_BITMAP, 8, 8));
    QCOMPARE(e.at(0)->GetRect(), rectOf(8, 8, 40, 24));

    CPreviewPictures pictures(e.folder.App().settings.Paths().programDir, QString());
    CObjectStaticBitmap o;
    o.SetRect(0, 0, 16, 16);
    const auto draw = [&](double zoom) {
        ObjectPaintContext ctx;
        ctx.zoom = zoom;
        ctx.pictures = &pictures;
        QImage img(int(16 * zoom), int(16 * zoom), QImage::Format_RGB32);
        img.fill(Qt::green);
        QPainter p(&img);
        ObjectPainting::DrawScaled(p, o, ctx, QPoint(), 0);
        return img;
    };
    // Stretched with its aspect locked: 16 x 8, centred vertically.
    o.scaling = 3;
    for (double zoom : {1.0, 3.0}) {
        const QImage img = draw(zoom);
        const int z = int(zoom);
        QVERIFY(!black(img, 8 * z, 3 * z));
        QVERIFY(black(img, 8 * z, 4 * z));
        QVERIFY(black(img, 8 * z, 12 * z - 1));
        QVERIFY(!black(img, 8 * z, 12 * z));
    }
    // Stretched to fit, and at its natural size cut to the box: all black.
    for (int scaling : {0, 1, 2}) {
        o.scaling = scaling;
        const QImage img = draw(1.0);
        QVERIFY(black(img, 0, 0) && black(img, 15, 15));
    }
    // A picture smaller than the box sits in its middle; with black
    // inversion the margins are black too.
    bmp = QImage(4, 4, QImage::Format_RGB32);
    bmp.fill(Qt::black);
    QVERIFY(bmp.save(dir + "/dot.bmp", "BMP"));
    o.fileName = QStringLiteral("dot.bmp");
    o.scaling = 0;
    QImage img = draw(2.0);
    QVERIFY(black(img, 15, 15) && !black(img, 2, 2));
    o.blackInversion = 1;
    img = draw(2.0);
    QVERIFY(black(img, 2, 2));
    // A missing file leaves the box and crashes nothing.
    o.fileName = QStringLiteral("missing.bmp");
    QVERIFY(!draw(1.0).isNull());
    QCOMPARE(ObjectPainting::MeasureContent(o, ObjectPaintContext()).size(), QSize(16, 16));
}

void TestUiScreenEditor::panelPixelsMatchTheCompiledPicture()
{
    Editing e(2.0);
    auto* text = static_cast<const CObjectStaticText*>(e.add(OBJ_STATIC_TEXT, 8, 8, 88, 24));
    auto* inverted = static_cast<const CObjectStaticText*>(e.add(OBJ_STATIC_TEXT, 8, 32, 60, 48));
    e.doc->Edit([&](CDiagramEntityContainer& c) {
        auto* t = static_cast<CObjectStaticText*>(c.GetAt(0));
        t->text = QStringLiteral("Tank 1 温度");
        t->font.SetFaceName(QStringLiteral("宋体"));
        static_cast<CObjectStaticText*>(c.GetAt(1))->inversion = 1;
    });
    e.add(OBJ_BAR_METER, 120, 8, 136, 40);
    CViewSettings s;
    s.zoomPercent = 200;
    s.showGrid = false;
    s.panelPixels = true;
    e.view->ApplyViewSettings(s);
    const QImage shot = e.grab();
    // The compiler's pictures of the two texts: the first two pictures of
    // the bitmap data, in screen-file order.
    QVERIFY(e.controller.SaveProject());
    QVERIFY(CompileProjectForTransfer(e.folder.App()));
    const QByteArray data = e.folder.App().bitmapData;
    qsizetype offset = 0;
    for (const CObjectStaticText* o : {text, inverted}) {
        const PaperRect r = o->GetRect();
        const int bands = (r.Height() + 7) / 8;
        const QByteArray packed = data.mid(offset, r.Width() * bands);
        offset += packed.size();
        QCOMPARE(packed.size(), r.Width() * bands);
        QVERIFY(packed.count('\0') < packed.size()); // there is ink to compare
        for (int x = 0; x < r.Width(); ++x)
            for (int y = 0; y < r.Height(); ++y) {
                const bool bit = quint8(packed[x * bands + y / 8]) & (0x80 >> (y % 8));
                // Each panel pixel is a 2 x 2 square of the view.
                for (QPoint d : {QPoint(0, 0), QPoint(1, 1)}) {
                    const QPoint at = e.w(r.left + x, r.top + y) + d;
                    QVERIFY2(black(shot, at.x(), at.y()) == bit,
                             qPrintable(QString("pixel %1,%2").arg(x).arg(y)));
                }
            }
    }
    // The paper is the panel's white; other kinds keep their previews.
    QCOMPARE(QColor(shot.pixel(e.w(100, 60))), QColor(Qt::white));
    QVERIFY(black(shot, e.w(130, 38).x(), e.w(130, 38).y()));
}

QTEST_MAIN(TestUiScreenEditor)
#include "test_ui_screen_editor.moc"
