// What a drawing editor's users expect of the screen editor, tried through
// the main window with every command plugged in: the Object command of the
// kind being inserted is checked, content-sized objects follow their form,
// cut, paste and duplicate keep their copies on the paper, the markers of an
// object that only moves move it, each window zooms on its own, and
// minimised windows line up.
#include "ModalDriver.h"
#include "EditorFixture.h"
#include "TestSupport.h"
#include "app/TessanApp.h"
#include "project/ProtocolTables.h"
#include "screen/DiagramClipboardHandler.h"
#include "screen/DiagramEntityContainer.h"
#include "screen/ObjectFactory.h"
#include "screen/ObjectNumeric.h"
#include "screen/ObjectString.h"
#include "ui/app/DlgZoom.h"
#include "ui/app/EditorCommands.h"
#include "ui/app/MainCommands.h"
#include "ui/app/MainWindow.h"
#include "ui/document/ProjectController.h"
#include "ui/document/ScreenClipboard.h"
#include "ui/document/ScreenDocument.h"
#include "ui/screen/ObjectEditor.h"
#include "ui/screen/ObjectPainter.h"
#include "ui/screen/PropertyFormDialog.h"
#include "ui/screen/TessanView.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

namespace {

const QString kVSeq = QString::fromLatin1(ProtocolTables::kVardoVSequence);

// The main window with every command plugged in, over a new project whose
// first screen is open.
struct Editor : CEditorFixture
{
    Editor() : CEditorFixture(QSize(1100, 760))
    {
        c.NewProject("Line1", f.Dir() + "/P", "RU03", kVSeq);
        c.RequestOpenScreen(1);
    }
    CTessanView* view(QMdiSubWindow* sub)
    {
        return sub ? qobject_cast<CTessanView*>(sub->widget()) : nullptr;
    }
    CTessanView* active() { return dynamic_cast<CTessanView*>(w.ActiveScreenView()); }
    CObjectEditor& editor() { return *active()->Editor(); }
    QWidget* canvas() { return editor().viewport(); }
    CScreenDocument& doc() { return *c.ScreenDocument(1); }
    const CDiagramEntityContainer& objects() { return doc().Container(); }
    const CDiagramEntity* at(int i) { return objects().GetAt(i); }
    QAction* action(CommandId id)
    {
        w.UpdateCommands();
        return w.Commands().Action(id);
    }
    const CDiagramEntity* add(int kind, int l, int t, int r, int b, bool selected = false)
    {
        auto o = CreateObjectOfKind(kind, &f.App().model);
        o->SetRect(l, t, r, b);
        o->Select(selected);
        const CDiagramEntity* p = o.get();
        doc().Edit([&](CDiagramEntityContainer& objects) { objects.Add(std::move(o)); });
        return p;
    }
    QPoint at(double x, double y) { return editor().ToWindow(QPointF(x, y)); }
    void key(Qt::Key k, Qt::KeyboardModifiers m = {}) { QTest::keyClick(&editor(), k, m); }
};

PaperRect rectOf(int l, int t, int r, int b)
{
    return PaperRect{l, t, r, b};
}

CPropertyFormDialog* shownForm()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* d = qobject_cast<CPropertyFormDialog*>(w); d && d->isVisible())
            return d;
    return nullptr;
}

void clickOk(QDialog* dialog)
{
    auto* box = dialog->findChild<QDialogButtonBox*>();
    QTest::mouseClick(box->button(QDialogButtonBox::Ok), Qt::LeftButton);
}

// A line edit or a number field, retyped as the user does it.
void retype(QWidget* field, const QString& text)
{
    QVERIFY(field);
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
}

} // namespace

class TestUiEditorBehaviour : public QObject
{
    Q_OBJECT
private slots:
    void insertedKindIsChecked()
    {
        Editor e;
        QAction* numeric = e.action(ObjectCommand(OBJ_NUMERIC));
        QAction* text = e.action(ObjectCommand(OBJ_STATIC_TEXT));
        QVERIFY(!numeric->isChecked());
        e.w.Execute(ObjectCommand(OBJ_NUMERIC));
        QCOMPARE(e.active()->InsertKind(), int(OBJ_NUMERIC));
        QVERIFY(e.action(ObjectCommand(OBJ_NUMERIC))->isChecked());
        QVERIFY(!text->isChecked());
        // Another kind takes the mark over.
        e.w.Execute(ObjectCommand(OBJ_STATIC_TEXT));
        QVERIFY(text->isChecked());
        QVERIFY(!numeric->isChecked());
        // Choosing the same kind again keeps it.
        e.w.Execute(ObjectCommand(OBJ_STATIC_TEXT));
        QVERIFY(text->isChecked());
        // Escape ends insert mode: no mark.
        e.key(Qt::Key_Escape);
        QVERIFY(!text->isChecked());
        // An insertion ends it as well.
        e.w.Execute(ObjectCommand(OBJ_BAR_METER));
        QVERIFY(e.w.Commands().Action(ObjectCommand(OBJ_BAR_METER))->isChecked());
        QTest::mousePress(e.canvas(), Qt::LeftButton, {}, e.at(16, 16));
        QTest::mouseRelease(e.canvas(), Qt::LeftButton, {}, e.at(16, 16));
        QCOMPARE(e.objects().GetSize(), 1);
        QVERIFY(!e.w.Commands().Action(ObjectCommand(OBJ_BAR_METER))->isChecked());
        // With the project window in front no Object command is checked.
        e.w.Execute(ObjectCommand(OBJ_STRING));
        QVERIFY(e.action(ObjectCommand(OBJ_STRING))->isChecked());
        e.w.DocumentArea()->setActiveSubWindow(e.w.ProjectWindow());
        QVERIFY(!e.action(ObjectCommand(OBJ_STRING))->isChecked());
    }

    // Insert mode and its check mark last through the edit commands; a move
    // of the selection takes the insertion's place and ends it.
    void insertModeOutlastsEditCommands()
    {
        Editor e;
        e.add(OBJ_BAR_METER, 16, 16, 48, 40, true);
        e.add(OBJ_BAR_METER, 64, 16, 96, 40, true);
        e.w.Execute(ObjectCommand(OBJ_NUMERIC));
        const auto inserting = [&] {
            return e.active()->InsertKind() == OBJ_NUMERIC
                   && e.action(ObjectCommand(OBJ_NUMERIC))->isChecked();
        };
        QVERIFY(inserting());
        e.w.Execute(CommandId::Copy);
        e.w.Execute(CommandId::Cut);
        QCOMPARE(e.objects().GetSize(), 0);
        QVERIFY(inserting());
        e.w.Execute(CommandId::Undo);
        QCOMPARE(e.objects().GetSize(), 2);
        QVERIFY(inserting());
        e.w.Execute(CommandId::Redo);
        QVERIFY(inserting());
        e.w.Execute(CommandId::Paste);
        QCOMPARE(e.objects().GetSize(), 2);
        QVERIFY(inserting());
        e.active()->Align(ObjectAlignment::AlignTop);
        QVERIFY(inserting());
        e.key(Qt::Key_Delete);
        QCOMPARE(e.objects().GetSize(), 0);
        QVERIFY(inserting());
        e.w.Execute(CommandId::Undo);
        QVERIFY(e.editor().DropObject(OBJ_INDICATOR_LIGHT, e.at(120, 24)));
        QCOMPARE(e.objects().GetSize(), 3);
        QVERIFY(inserting());
        CPropertyFormDialog* form = shownForm();
        QVERIFY(form);
        // Cancel: the dropped light goes again.
        form->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Cancel)->click();
        QCOMPARE(e.objects().GetSize(), 2);
        QVERIFY(inserting());

        // A press on the selection moves it: no numeric is placed, and the
        // mark goes when the button comes up.
        e.w.Execute(CommandId::SelectAll);
        const PaperRect before = e.at(0)->GetRect();
        QTest::mousePress(e.canvas(), Qt::LeftButton, {}, e.at(32, 28));
        QMouseEvent move(QEvent::MouseMove, e.at(48, 36), e.canvas()->mapToGlobal(e.at(48, 36)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(e.canvas(), &move);
        QVERIFY(inserting());
        QTest::mouseRelease(e.canvas(), Qt::LeftButton, {}, e.at(48, 36));
        QCOMPARE(e.objects().GetSize(), 2);
        QCOMPARE(e.at(0)->GetRect().left, before.left + 16);
        QCOMPARE(e.active()->InsertKind(), -1);
        QVERIFY(!e.action(ObjectCommand(OBJ_NUMERIC))->isChecked());
    }

    void markersOfAnObjectThatOnlyMovesMoveIt()
    {
        Editor e;
        // A numeric of three digits at 100 %: most of it lies under markers.
        e.add(OBJ_NUMERIC, 16, 16, 40, 32);
        const auto hover = [&](double x, double y) {
            QMouseEvent move(QEvent::MouseMove, e.at(x, y), e.canvas()->mapToGlobal(e.at(x, y)),
                             Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(e.canvas(), &move);
            return e.canvas()->cursor().shape();
        };
        QCOMPARE(hover(40, 32), Qt::SizeAllCursor); // bottom-right marker
        QCOMPARE(hover(28, 16), Qt::SizeAllCursor); // top-middle marker
        QCOMPARE(hover(100, 50), Qt::ArrowCursor);
        // A drag from the bottom-right marker moves it, size unchanged.
        const auto drag = [&](double x0, double y0, double x1, double y1) {
            QTest::mousePress(e.canvas(), Qt::LeftButton, {}, e.at(x0, y0));
            QMouseEvent move(QEvent::MouseMove, e.at(x1, y1), e.canvas()->mapToGlobal(e.at(x1, y1)),
                             Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(e.canvas(), &move);
            QTest::mouseRelease(e.canvas(), Qt::LeftButton, {}, e.at(x1, y1));
        };
        const int undo = e.objects().UndoCount();
        drag(40, 32, 72, 48);
        QCOMPARE(e.at(0)->GetRect(), rectOf(48, 32, 72, 48));
        QCOMPARE(e.objects().UndoCount(), undo + 1);
        // A resizable object still sizes by its markers.
        e.add(OBJ_STATIC_TEXT, 120, 8, 152, 24);
        QCOMPARE(hover(152, 24), Qt::SizeFDiagCursor);
        drag(152, 24, 168, 40);
        QCOMPARE(e.at(1)->GetRect(), rectOf(120, 8, 168, 40));
        // Two selected: a marker of the numeric moves both.
        e.doc().Select([](CDiagramEntityContainer& c) { c.SelectAll(); });
        drag(48, 32, 40, 24);
        QCOMPARE(e.at(0)->GetRect(), rectOf(40, 24, 64, 40));
        QCOMPARE(e.at(1)->GetRect(), rectOf(112, 0, 160, 32));
    }

    void cutIsOneStepAndCopiesStayOnThePaper()
    {
        Editor e;
        SharedScreenClipboard().Clear(); // every screen window shares it
        e.add(OBJ_STATIC_TEXT, 8, 8, 40, 24, true);
        e.add(OBJ_STATIC_TEXT, 160, 40, 192, 64, true);
        const int undo = e.objects().UndoCount();
        e.key(Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(e.objects().GetSize(), 0);
        QCOMPARE(e.objects().UndoCount(), undo + 1);
        // One Undo brings both back, and the clipboard still holds them.
        e.key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(e.objects().GetSize(), 2);
        QCOMPARE(SharedScreenClipboard().Objects().size(), size_t(2));
        QVERIFY(e.action(CommandId::Paste)->isEnabled());
        // Pasted 8 right and down would leave the paper: the copies move
        // back together, keeping their layout.
        e.doc().Select([](CDiagramEntityContainer& c) { c.UnselectAll(); });
        e.key(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(e.objects().GetSize(), 4);
        QCOMPARE(e.at(2)->GetRect(), rectOf(8, 8, 40, 24));
        QCOMPARE(e.at(3)->GetRect(), rectOf(160, 40, 192, 64));
        // A copy that fits keeps the 8 pixels.
        e.doc().Select([](CDiagramEntityContainer& c) {
            c.UnselectAll();
            c.GetAt(0)->Select(true);
        });
        e.key(Qt::Key_C, Qt::ControlModifier);
        e.key(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(e.at(4)->GetRect(), rectOf(16, 16, 48, 32));
        // Insert at the right edge: the duplicate stays on the paper.
        e.doc().Edit([](CDiagramEntityContainer& c) { c.RemoveAll(); });
        e.add(OBJ_STATIC_TEXT, 168, 8, 192, 24, true);
        e.key(Qt::Key_Insert);
        QCOMPARE(e.objects().GetSize(), 2);
        QCOMPARE(e.at(1)->GetRect(), rectOf(168, 16, 192, 32));
        QVERIFY(e.at(1)->IsSelected());
        // And at the bottom right corner, both ways.
        e.add(OBJ_STATIC_TEXT, 176, 56, 192, 64, true);
        e.doc().Select([](CDiagramEntityContainer& c) {
            c.UnselectAll();
            c.GetAt(2)->Select(true);
        });
        e.key(Qt::Key_Insert);
        QCOMPARE(e.at(3)->GetRect(), rectOf(176, 56, 192, 64));
    }

    void contentSizedObjectsFollowTheirForm()
    {
        Editor e;
        const auto measured = [&](int i) {
            return ObjectPainting::MeasureContent(*e.at(i), e.editor().PaintContext()).size();
        };
        const auto size = [&](int i) {
            const PaperRect r = e.at(i)->GetRect();
            return QSize(r.Width(), r.Height());
        };
        const auto openForm = [&](int i) {
            e.doc().Select([i](CDiagramEntityContainer& c) {
                c.UnselectAll();
                c.GetAt(i)->Select(true);
            });
            e.key(Qt::Key_Return, Qt::ControlModifier);
            return shownForm();
        };
        // A numeric of 5 digits given 8: one edit measures it again.
        e.add(OBJ_NUMERIC, 16, 8, 56, 24);
        CPropertyFormDialog* form = openForm(0);
        QVERIFY(form);
        const int undo = e.objects().UndoCount();
        retype(form->findChild<QWidget*>("editDigit"), "8");
        clickOk(form);
        QCOMPARE(static_cast<const CObjectNumeric*>(e.at(0))->digits, 8);
        QCOMPARE(size(0), measured(0));
        QVERIFY(size(0).width() > 40);
        QCOMPARE(e.objects().UndoCount(), undo + 1);
        // One Undo takes the digits and the size back together.
        e.key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(static_cast<const CObjectNumeric*>(e.at(0))->digits, 5);
        QCOMPARE(e.at(0)->GetRect(), rectOf(16, 8, 56, 24));
        // A change of the name alone leaves the size as the user left it.
        form = openForm(0);
        retype(form->findChild<QWidget*>("editName"), "Level");
        clickOk(form);
        QCOMPARE(e.at(0)->GetRect(), rectOf(16, 8, 56, 24));

        // An indicator light without "Double": 16 x 16.
        e.add(OBJ_INDICATOR_LIGHT, 80, 8, 112, 40);
        form = openForm(1);
        QVERIFY(form->findChild<QCheckBox*>("checkDouble")->isChecked());
        form->findChild<QCheckBox*>("checkDouble")->setChecked(false);
        clickOk(form);
        QCOMPARE(e.at(1)->GetRect(), rectOf(80, 8, 96, 24));

        // A string at the right edge grows to six letters and stays on the
        // paper.
        e.add(OBJ_STRING, 168, 40, 192, 56);
        form = openForm(2);
        retype(form->findChild<QWidget*>("editStringCount"), "2");
        retype(form->findChild<QWidget*>("editCount"), "3");
        retype(form->findChild<QWidget*>("editStringCount"), "6");
        clickOk(form);
        QCOMPARE(static_cast<const CObjectString*>(e.at(2))->stringCount, 6);
        QCOMPARE(size(2), measured(2));
        QCOMPARE(e.at(2)->GetRect().right, 192);
        QCOMPARE(e.at(2)->GetRect().top, 40);
        QVERIFY(e.at(2)->GetRect().left < 168);
        QVERIFY(!shownForm());
    }

    void eachWindowZoomsOnItsOwn()
    {
        Editor e;
        QVERIFY(e.c.NewScreen(2, "Two"));
        e.c.RequestOpenScreen(2);
        CTessanView* one = e.view(e.w.ScreenWindow(1));
        CTessanView* two = e.view(e.w.ScreenWindow(2));
        QCOMPARE(e.active(), two);
        const auto status = [&] { return e.w.ZoomStatus()->text(); };

        // Keypad + zooms the window in front only; the status bar shows it.
        QTest::keyClick(two->Editor(), Qt::Key_Plus, Qt::KeypadModifier);
        QCOMPARE(two->Editor()->Zoom(), 1.01);
        QCOMPARE(one->Editor()->Zoom(), 1.0);
        QCOMPARE(status(), QString("101%"));
        e.w.DocumentArea()->setActiveSubWindow(e.w.ScreenWindow(1));
        QCOMPARE(status(), QString("100%"));

        // View > Zoom: 800 % in every window.
        CModalDriver driver;
        const auto chooseZoom = [&](int percent) {
            driver.On<CDlgZoom>([percent](CDlgZoom* d) {
                d->Level(percent)->click();
                d->accept();
                return true;
            });
            e.w.Execute(CommandId::Zoom);
        };
        chooseZoom(800);
        QCOMPARE(one->Editor()->Zoom(), 8.0);
        QCOMPARE(two->Editor()->Zoom(), 8.0);

        // Ctrl+wheel: 10 % a notch, the paper point under the pointer stays.
        CObjectEditor* ed = one->Editor();
        ed->horizontalScrollBar()->setValue(300);
        ed->verticalScrollBar()->setValue(100);
        const QPoint pointer(120, 60);
        const QPointF under = ed->ToPaper(pointer);
        const auto wheel = [&](int delta, Qt::KeyboardModifiers m = Qt::ControlModifier) {
            QWheelEvent event(QPointF(pointer), ed->viewport()->mapToGlobal(QPointF(pointer)),
                              QPoint(), QPoint(0, delta), Qt::NoButton, m, Qt::NoScrollPhase,
                              false);
            QCoreApplication::sendEvent(ed->viewport(), &event);
        };
        wheel(120);
        QCOMPARE(ed->Zoom(), 8.1);
        QVERIFY(std::abs(ed->ToPaper(pointer).x() - under.x()) < 0.2);
        QVERIFY(std::abs(ed->ToPaper(pointer).y() - under.y()) < 0.2);
        wheel(-240);
        QCOMPARE(ed->Zoom(), 7.9);
        QVERIFY(std::abs(ed->ToPaper(pointer).x() - under.x()) < 0.2);
        QCOMPARE(two->Editor()->Zoom(), 8.0);
        QCOMPARE(status(), QString("790%"));
        // Half notches add up.
        wheel(60);
        QCOMPARE(ed->Zoom(), 7.9);
        wheel(60);
        QCOMPARE(ed->Zoom(), 8.0);
        // 1000 % at most, 10 % at least.
        wheel(120 * 50);
        QCOMPARE(ed->Zoom(), 10.0);
        wheel(-120 * 200);
        QCOMPARE(ed->Zoom(), 0.1);
        wheel(120 * 4);
        QCOMPARE(ed->Zoom(), 0.5);
        // Without Ctrl the wheel scrolls and leaves the zoom.
        wheel(-120, Qt::NoModifier);
        QCOMPARE(ed->Zoom(), 0.5);

        // Another view setting leaves each window's own zoom; nothing of it
        // is stored.
        e.w.Execute(CommandId::DisplayGrid);
        QCOMPARE(ed->Zoom(), 0.5);
        QCOMPARE(two->Editor()->Zoom(), 8.0);
        QCOMPARE(e.f.App().settings.GetSettingString("Zoom"), QString("800"));
        // View > Zoom with the same level sets every window again.
        chooseZoom(800);
        QCOMPARE(ed->Zoom(), 8.0);
        QCOMPARE(status(), QString("800%"));
        // The project window in front: the main window's zoom.
        e.w.DocumentArea()->setActiveSubWindow(e.w.ProjectWindow());
        QCOMPARE(status(), QString("800%"));
    }

    void arrangeIconsLinesUpMinimisedWindows()
    {
        Editor e;
        QVERIFY(e.c.NewScreen(2, "Two"));
        QVERIFY(e.c.NewScreen(3, "Three"));
        e.c.RequestOpenScreen(2);
        e.c.RequestOpenScreen(3);
        const QList<QMdiSubWindow*> windows{e.w.ScreenWindow(1), e.w.ScreenWindow(2),
                                            e.w.ScreenWindow(3)};
        // Minimised, then dragged about the area (the document area lines
        // them up by itself only when its size changes).
        const QList<QPoint> scattered{{300, 200}, {40, 30}, {520, 90}};
        for (QMdiSubWindow* sub : windows)
            sub->showMinimized();
        QCoreApplication::processEvents();
        for (int i = 0; i < windows.size(); ++i) {
            QVERIFY(windows[i]->isMinimized());
            windows[i]->move(scattered[i]);
        }
        QCOMPARE(windows[1]->pos(), QPoint(40, 30));
        // The project window stays as it is.
        const QRect project = e.w.ProjectWindow()->geometry();
        QVERIFY(e.action(CommandId::ArrangeIcons)->isEnabled());
        e.w.Execute(CommandId::ArrangeIcons);
        const int bottom = e.w.DocumentArea()->viewport()->height();
        int x = 0;
        for (QMdiSubWindow* sub : windows) {
            QVERIFY(sub->isMinimized());
            QCOMPARE(sub->geometry().bottom() + 1, bottom);
            QCOMPARE(sub->x(), x);
            x += sub->width();
        }
        QCOMPARE(e.w.ProjectWindow()->geometry(), project);
        // A narrow area: the row goes on above.
        e.w.resize(420, 760);
        QCoreApplication::processEvents();
        e.w.Execute(CommandId::ArrangeIcons);
        const int width = e.w.DocumentArea()->viewport()->width();
        for (QMdiSubWindow* sub : windows)
            QVERIFY(sub->geometry().right() < width || sub->x() == 0);
        QVERIFY(windows[2]->y() < windows[0]->y() || windows[1]->y() < windows[0]->y());
        QCOMPARE(windows[0]->x(), 0);
        QCOMPARE(windows[0]->geometry().bottom() + 1, e.w.DocumentArea()->viewport()->height());
    }
};

QTEST_MAIN(TestUiEditorBehaviour)
#include "test_ui_editor_behaviour.moc"
