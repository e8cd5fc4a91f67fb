#include "CanvasEditActions.h"
#include "CanvasGestures.h"
#include "ContentSizeFields.h"
#include "ObjectPainter.h"
#include "screen/DiagramEntityContainer.h"
#include "ui/document/ScreenDocument.h"

#include <algorithm>

CCanvasEditActions::CCanvasEditActions(CCanvasGestures& gestures, const CanvasGeometry& geometry,
                                       const ObjectPaintContext& paint, QObject* owner)
    : gestures_(gestures),
      geo_(geometry),
      paint_(paint),
      owner_(owner)
{}

const CDiagramEntityContainer* CCanvasEditActions::container() const
{
    return gestures_.Container();
}

void CCanvasEditActions::closeFormsOfSelection()
{
    for (const CDiagramEntity* o : container()->Objects())
        if (o->IsSelected())
            gestures_.Document()->ShowProperties(o, owner_, false);
}

// ---- the Edit commands ----

void CCanvasEditActions::Undo()
{
    if (!CanUndo())
        return;
    gestures_.StopGesture();
    gestures_.Document()->Undo();
}

void CCanvasEditActions::Redo()
{
    if (!CanRedo())
        return;
    gestures_.StopGesture();
    gestures_.Document()->Redo();
}

void CCanvasEditActions::Cut()
{
    if (!HasSelection())
        return;
    gestures_.StopGesture();
    // The property forms of the objects that go are closed first.
    closeFormsOfSelection();
    gestures_.Document()->Edit([](CDiagramEntityContainer& objects) {
        objects.CopyAllSelected();
        objects.RemoveAllSelected();
    });
}

void CCanvasEditActions::Copy()
{
    // Copying changes nothing on the screen: no undo point.
    if (HasSelection())
        gestures_.Document()->CopyToClipboard(
            [](CDiagramEntityContainer& objects) { objects.CopyAllSelected(); });
}

void CCanvasEditActions::Paste()
{
    if (!CanPaste())
        return;
    gestures_.StopGesture();
    gestures_.Document()->Edit([](CDiagramEntityContainer& objects) {
        objects.UnselectAll();
        objects.Paste();
    });
}

void CCanvasEditActions::SelectAll()
{
    if (CScreenDocument* doc = gestures_.Document())
        doc->Select([](CDiagramEntityContainer& objects) { objects.SelectAll(); });
}

void CCanvasEditActions::DeleteSelection()
{
    if (!HasSelection())
        return;
    gestures_.StopGesture();
    closeFormsOfSelection();
    gestures_.Document()->Edit(
        [](CDiagramEntityContainer& objects) { objects.RemoveAllSelected(); });
}

// ---- the object commands ----

void CCanvasEditActions::Duplicate()
{
    if (SelectionCount() != 1)
        return;
    const int index = container()->IndexOf(gestures_.TopmostSelected());
    gestures_.Document()->Edit([&](CDiagramEntityContainer& objects) {
        objects.GetAt(index)->DoCommand(CMD_DUPLICATE, nullptr, owner_);
    });
}

void CCanvasEditActions::Group()
{
    if (SelectionCount() < 2)
        return;
    gestures_.Document()->Edit([](CDiagramEntityContainer& objects) { objects.Group(); });
}

void CCanvasEditActions::Ungroup()
{
    if (SelectionCount() < 2)
        return;
    gestures_.Document()->Edit([](CDiagramEntityContainer& objects) { objects.Ungroup(); });
}

void CCanvasEditActions::ObjectCommand(int command)
{
    if (!HasSelection())
        return;
    CScreenDocument* doc = gestures_.Document();
    switch (command) {
    case CMD_PROPERTIES: ShowPropertiesOfSelection(); return;
    case CMD_COPY:
        doc->CopyToClipboard([&](CDiagramEntityContainer& objects) {
            objects.SendCommand(command, nullptr, true, owner_);
        });
        return;
    case CMD_DUPLICATE:
    case CMD_UP:
    case CMD_DOWN:
    case CMD_FRONT:
    case CMD_BOTTOM:
        // The z-order and the duplicate act on one object.
        if (SelectionCount() != 1)
            return;
        break;
    case CMD_CUT: break;
    default: return;
    }
    gestures_.StopGesture();
    doc->Edit([&](CDiagramEntityContainer& objects) {
        objects.SendCommand(command, nullptr, true, owner_);
    });
}

void CCanvasEditActions::Align(ObjectAlignment::Mode mode)
{
    if (!CanAlign(mode))
        return;
    gestures_.StopGesture();
    gestures_.Document()->Edit([&](CDiagramEntityContainer& objects) {
        ObjectAlignment::Apply(objects, mode, geo_.paper);
    });
}

// ---- the keyboard's moves ----

void CCanvasEditActions::MoveSelection(int stepsX, int stepsY)
{
    if (!HasSelection())
        return;
    double dx = double(stepsX) * geo_.StepX();
    double dy = double(stepsY) * geo_.StepY();
    geo_.ClampShift(*container(), &dx, &dy);
    gestures_.Document()->Edit([&](CDiagramEntityContainer& objects) {
        for (const auto& o : objects.Objects())
            if (o->IsSelected())
                o->MoveBy(dx, dy);
    });
}

void CCanvasEditActions::ResizeSelection(int stepsX, int stepsY)
{
    if (!HasSelection())
        return;
    gestures_.Document()->Edit([&](CDiagramEntityContainer& objects) {
        for (const auto& o : objects.Objects()) {
            // An object that only moves keeps its size.
            if (!o->IsSelected() || !o->IsResizable())
                continue;
            double r = o->GetRight() + double(stepsX) * geo_.StepX();
            double b = o->GetBottom() + double(stepsY) * geo_.StepY();
            if (geo_.keepInside) {
                r = std::min(r, double(std::max(geo_.paper.width(), int(o->GetRight()))));
                b = std::min(b, double(std::max(geo_.paper.height(), int(o->GetBottom()))));
            }
            o->SetRect(o->GetLeft(), o->GetTop(), r, b);
        }
    });
}

// ---- property forms and drops ----

const CDiagramEntity* CCanvasEditActions::ShowPropertiesOfSelection()
{
    if (SelectionCount() != 1)
        return nullptr;
    const CDiagramEntity* object = gestures_.TopmostSelected();
    gestures_.Document()->ShowProperties(object, owner_, true);
    if (propertiesShown)
        propertiesShown(object);
    return object;
}

const CDiagramEntity* CCanvasEditActions::Drop(std::unique_ptr<CDiagramEntity> object,
                                               QPointF paper)
{
    CScreenDocument* doc = gestures_.Document();
    if (!doc || !object)
        return nullptr;
    gestures_.StopGesture();
    const int x = geo_.SnapX(paper.x());
    const int y = geo_.SnapY(paper.y());
    object->SetRect(x, y, x, y);
    const QRect content = ObjectPainting::MeasureContent(*object, paint_);
    object->SetRect(x, y, geo_.SnapX(x + content.width()), geo_.SnapY(y + content.height()));
    geo_.KeepInside(*object);
    object->Select(true);
    // While the mark is set, Cancel on the form takes the object away again.
    object->MarkNew(true);
    const CDiagramEntity* placed = object.get();
    bool added = false;
    doc->Edit([&](CDiagramEntityContainer& objects) {
        objects.UnselectAll();
        added = objects.Add(std::move(object));
    });
    if (!added)
        return nullptr;
    doc->ShowProperties(placed, owner_, true);
    if (propertiesShown)
        propertiesShown(placed);
    return placed;
}

bool CCanvasEditActions::PropertiesAccepted(const CDiagramEntity* object,
                                            const std::function<void()>& store)
{
    const auto* c = container();
    if (!c || c->IndexOf(object) < 0)
        return false;
    const int index = c->IndexOf(object);
    gestures_.Document()->Edit([&](CDiagramEntityContainer& objects) {
        CDiagramEntity* o = objects.GetAt(index);
        const QString sizeBefore = ContentSizeFields::Of(*o);
        store();
        o->MarkNew(false);
        // An object that cannot be resized follows its content: when a field
        // that gives its size changed, it is measured again, in this edit.
        if (!o->IsResizable() && ContentSizeFields::Of(*o) != sizeBefore) {
            const QRect content = ObjectPainting::MeasureContent(*o, paint_);
            const PaperRect at = o->GetRect().Normalized();
            o->SetRect(at.left, at.top, at.left + content.width(), at.top + content.height());
            geo_.KeepInside(*o);
        }
    });
    return true;
}

void CCanvasEditActions::PropertiesCancelled(const CDiagramEntity* object)
{
    // Only the object that was just dropped goes, whatever else is selected
    // by now.
    const auto* c = container();
    if (!c || c->IndexOf(object) < 0 || !object->IsMarkedNew())
        return;
    const int index = c->IndexOf(object);
    gestures_.Document()->ShowProperties(object, owner_, false);
    gestures_.Document()->Edit([&](CDiagramEntityContainer& objects) { objects.RemoveAt(index); });
}

// ---- enabling ----

bool CCanvasEditActions::CanUndo() const
{
    return gestures_.Document() && gestures_.Document()->CanUndo();
}

bool CCanvasEditActions::CanRedo() const
{
    return gestures_.Document() && gestures_.Document()->CanRedo();
}

int CCanvasEditActions::SelectionCount() const
{
    return container() ? container()->GetSelectCount() : 0;
}

bool CCanvasEditActions::CanPaste() const
{
    return container() && container()->ObjectsInPaste();
}

bool CCanvasEditActions::CanAlign(ObjectAlignment::Mode mode) const
{
    return SelectionCount() >= ObjectAlignment::MinimumSelection(mode);
}

QRect CCanvasEditActions::SelectionRect() const
{
    QRect box;
    if (!container())
        return box;
    for (const CDiagramEntity* o : container()->Objects()) {
        if (!o->IsSelected())
            continue;
        const PaperRect r = o->GetRect().Normalized();
        box = box.united(QRect(r.left, r.top, r.Width(), r.Height()));
    }
    return box;
}
