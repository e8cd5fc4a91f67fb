#pragma once
#include "CanvasGeometry.h"
#include "screen/ObjectAlignment.h"

#include <QPointF>
#include <QRect>
#include <functional>
#include <memory>

class CCanvasGestures;
class CDiagramEntity;
class CDiagramEntityContainer;
class QObject;
struct ObjectPaintContext;

// The canvas's edits of its screen document: the Edit commands, the object
// commands (z-order, duplicate), grouping, alignment, the keyboard's moves
// and size changes, the placing of a dropped object and the outcome of a
// property form, each as one edit of the document with its undo point; and
// what they need to be enabled. A command first ends the mouse's gesture.
// The owner is the canvas that forms and object commands are opened for.
class CCanvasEditActions
{
public:
    CCanvasEditActions(CCanvasGestures& gestures, const CanvasGeometry& geometry,
                       const ObjectPaintContext& paint, QObject* owner);

    // Told when an object's form was opened (a double click, a drop).
    std::function<void(const CDiagramEntity*)> propertiesShown;

    void Undo();
    void Redo();
    void Cut();
    void Copy();
    void Paste();
    void SelectAll();
    void DeleteSelection();
    void Duplicate();
    void Group();
    void Ungroup();
    void Align(ObjectAlignment::Mode mode);
    // Object commands 100..107 of the object menu, to every selected object.
    void ObjectCommand(int command);
    // One grid step per call (one pixel without snapping), kept inside the
    // paper; a size change moves the right and bottom edges.
    void MoveSelection(int stepsX, int stepsY);
    void ResizeSelection(int stepsX, int stepsY);
    // Opens the form of the one selected object: that object, or none.
    const CDiagramEntity* ShowPropertiesOfSelection();

    // A new object placed at a paper point: on the grid, sized to its
    // content, kept on the paper, selected, marked new and its form opened.
    // Returns the object placed; none when the document refused it.
    const CDiagramEntity* Drop(std::unique_ptr<CDiagramEntity> object, QPointF paper);
    // A property form's OK stores its fields as one edit and clears the new
    // mark (false: the object is not on this screen); Cancel removes an
    // object that was just dropped.
    bool PropertiesAccepted(const CDiagramEntity* object, const std::function<void()>& store);
    void PropertiesCancelled(const CDiagramEntity* object);

    bool CanUndo() const;
    bool CanRedo() const;
    bool HasSelection() const { return SelectionCount() > 0; }
    int SelectionCount() const;
    bool CanPaste() const;
    bool CanAlign(ObjectAlignment::Mode mode) const;
    // The bounding box of the selected objects in paper pixels (empty: none).
    QRect SelectionRect() const;

private:
    const CDiagramEntityContainer* container() const;
    // Closes the property forms of the selected objects (before they go).
    void closeFormsOfSelection();

    CCanvasGestures& gestures_;
    const CanvasGeometry& geo_;
    const ObjectPaintContext& paint_;
    QObject* owner_;
};
