#pragma once
#include "CanvasEditActions.h"
#include "CanvasGeometry.h"
#include "CanvasGestures.h"
#include "ObjectPaintContext.h"
#include "screen/ObjectAlignment.h"

#include <QAbstractScrollArea>
#include <QColor>
#include <QPointF>
#include <functional>
#include <memory>

class CDiagramEntity;
class CDiagramEntityContainer;
class CScreenDocument;
class QMenu;
class QPainter;

// The editor canvas: draws the paper, its grid and the objects of one screen
// document, scrolls and zooms, and hands the mouse to its gesture handler
// (CCanvasGestures: insert, select, move, resize) and the keyboard, drops and
// commands to its edit actions (CCanvasEditActions: delete, copy, group,
// z-order, align, undo and redo). It reads the objects through const access;
// they change only through the document's edits, and it repaints on the
// document's signals, so every canvas on one document shows the same.
// Coordinates of objects are paper pixels; the zoom maps them to window
// pixels.
class CDiagramEditor : public QAbstractScrollArea
{
    Q_OBJECT
public:
    using Mode = CCanvasGestures::Mode;

    explicit CDiagramEditor(QWidget* parent = nullptr);
    ~CDiagramEditor() override;

    // The document edited (not owned); none leaves an empty canvas.
    void SetDocument(CScreenDocument* document);
    CScreenDocument* Document() const { return gestures_.Document(); }
    // Its objects; null without a document.
    const CDiagramEntityContainer* Container() const;

    // The paper, its look and the editing aids.
    void SetPaperSize(QSize size);
    QSize PaperSize() const { return geo_.paper; }
    void SetColours(QColor paper, QColor outside, QColor grid);
    void SetGrid(bool shown, int stepH, int stepV);
    bool IsGridShown() const { return gridShown_; }
    QSize GridStep() const { return geo_.grid; }
    void SetSnapToGrid(bool snap) { geo_.snap = snap; }
    void SetKeepInside(bool keep) { geo_.keepInside = keep; }
    // Cut to 0.1 .. the maximum (10.0): a zoom of 0 would make the paper
    // vanish and every pointer position infinite.
    void SetZoom(double zoom);
    double Zoom() const { return ctx_.zoom; }
    void SetZoomStep(double step) { zoomStep_ = step; }
    static constexpr double kZoomMax = 10.0;
    static constexpr double kZoomMin = 0.1;
    // Ctrl+wheel: one notch is this step.
    static constexpr double kWheelZoomStep = 0.1;
    // Zooms with the paper point under a window point kept where it is.
    void ZoomAt(QPoint window, double zoom);
    void SetShowLabels(bool show);
    bool LabelsShown() const { return labels_; }
    // The panel's own pictures for text and bitmap objects, on the panel's paper.
    void SetPanelPixels(bool on);
    bool PanelPixels() const { return ctx_.panelPixels; }
    void SetPreviewPictures(CPreviewPictures* pictures);
    const ObjectPaintContext& PaintContext() const { return ctx_; }
    // The whole paper at the zoom, with the frame.
    QSize sizeHint() const override;

    // Window pixels (of the viewport) to paper pixels and back.
    QPointF ToPaper(QPoint window) const;
    QPoint ToWindow(QPointF paper) const;
    QPoint ScrollPosition() const;
    // A paper coordinate on the grid: step x trunc(v / step + 0.5).
    int SnapX(double v) const;
    int SnapY(double v) const;

    // Insert mode: the next left click on the paper places a copy of the
    // prototype and sizes it by dragging.
    void StartInsert(int kind);
    int InsertKind() const { return gestures_.InsertKind(); }
    Mode CurrentMode() const { return gestures_.CurrentMode(); }
    // Ends the current mode and insert mode (Escape).
    void CancelMode();
    // An object of the kind dropped at a window point: placed on the grid,
    // sized to its content, selected, marked new and its form opened.
    bool DropObject(int kind, QPoint window);

    // The Edit commands and the object commands, each with its undo point
    // (CCanvasEditActions).
    void Undo() { actions_.Undo(); }
    void Redo() { actions_.Redo(); }
    void Cut() { actions_.Cut(); }
    void Copy() { actions_.Copy(); }
    void Paste() { actions_.Paste(); }
    void SelectAll() { actions_.SelectAll(); }
    void DeleteSelection() { actions_.DeleteSelection(); }
    void Duplicate() { actions_.Duplicate(); }
    void Group() { actions_.Group(); }
    void Ungroup() { actions_.Ungroup(); }
    void Up();
    void Down();
    void ToFront();
    void ToBack();
    void Align(ObjectAlignment::Mode mode) { actions_.Align(mode); }
    // Object commands 100..107 of the object menu, to every selected object.
    void ObjectCommand(int command) { actions_.ObjectCommand(command); }
    // The keyboard's moves and size changes: one grid step per call (one
    // pixel without snapping).
    void MoveSelection(int stepsX, int stepsY) { actions_.MoveSelection(stepsX, stepsY); }
    void ResizeSelection(int stepsX, int stepsY) { actions_.ResizeSelection(stepsX, stepsY); }
    void ShowPropertiesOfSelection() { actions_.ShowPropertiesOfSelection(); }

    bool CanUndo() const { return actions_.CanUndo(); }
    bool CanRedo() const { return actions_.CanRedo(); }
    bool HasSelection() const { return actions_.HasSelection(); }
    int SelectionCount() const { return actions_.SelectionCount(); }
    bool CanPaste() const { return actions_.CanPaste(); }
    bool CanAlign(ObjectAlignment::Mode mode) const { return actions_.CanAlign(mode); }
    // The bounding box of the selected objects in paper pixels (empty: none).
    QRect SelectionRect() const { return actions_.SelectionRect(); }

    // A property form reports its outcome: OK stores the form's fields as
    // one edit and clears the new mark (false: the object is not on this
    // canvas's screen); Cancel removes an object that was just dropped
    // (after an undo point).
    bool PropertiesAccepted(const CDiagramEntity* object, const std::function<void()>& store)
    {
        return actions_.PropertiesAccepted(object, store);
    }
    void PropertiesCancelled(const CDiagramEntity* object) { actions_.PropertiesCancelled(object); }

    // The two context menus, built for the current state (the caller shows
    // and deletes them).
    QMenu* BuildEditorMenu(QWidget* parent);
    QMenu* BuildObjectMenu(QWidget* parent);

signals:
    // The container's objects changed (the screen is modified).
    void contentChanged();
    void selectionChanged();
    // The selected objects are being moved or resized with the mouse.
    void selectionMoving();
    void pointerMoved(QPoint paper);
    void zoomChanged(double zoom);
    // The kind being inserted, -1 when insert mode ends.
    void insertKindChanged(int kind);
    void propertiesRequested(const CDiagramEntity* object);
    // The mouse was released with a selection: the kind of the topmost
    // selected object.
    void objectHelpRequested(int kind);
    // "Find Uses" of a context menu: the topmost selected object's register.
    void findUsesRequested(const CDiagramEntity* object);

protected:
    // A new object of a kind with its defaults; none outside 0..7.
    virtual std::unique_ptr<CDiagramEntity> CreateObject(int kind) const;
    // A menu text in the user's language (the English text as it stands).
    virtual QString MenuText(const QString& english) const { return english; }

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void showContextMenu(QPoint global);
    void updateScrollBars();
    void paintGrid(QPainter& p, const QRect& paperRect) const;
    // Dragging beyond the window scrolls the paper toward the pointer.
    void scrollToward(QPoint window);
    void addFindUses(class QMenu* menu);
    // The document's signals.
    void onDocumentChanged();
    void onDocumentSelectionChanged();
    static int kindFromMime(const class QMimeData* mime);

    QColor paperColour_{0, 192, 0};
    QColor outsideColour_{192, 192, 192};
    QColor gridColour_{192, 192, 192};
    bool gridShown_ = true;
    bool labels_ = false;
    double zoomStep_ = 0.01;
    CanvasGeometry geo_;
    ObjectPaintContext ctx_;
    CCanvasGestures gestures_{geo_};
    CCanvasEditActions actions_{gestures_, geo_, ctx_, this};
    int wheelRest_ = 0;
    int zoomWheelRest_ = 0;
};
