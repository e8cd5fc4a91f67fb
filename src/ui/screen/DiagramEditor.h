#pragma once
#include "ObjectPaintContext.h"
#include "screen/HitCode.h"
#include "screen/ObjectAlignment.h"
#include "screen/PaperRect.h"

#include <QAbstractScrollArea>
#include <QColor>
#include <QPointF>
#include <QRectF>
#include <functional>
#include <memory>

class CDiagramEntity;
class CDiagramEntityContainer;
class CScreenDocument;
class QMenu;

// The editor canvas: draws the paper, its grid and the objects of one screen
// document, and turns mouse, keyboard, drops and commands into edits of that
// document (insert, select, move, resize, delete, copy, group, z-order,
// align, undo and redo). It reads the objects through const access and
// changes them only through the document's edits; it repaints on the
// document's signals, so every canvas on one document shows the same.
// Coordinates of objects are paper pixels; the zoom maps them to window
// pixels.
class CDiagramEditor : public QAbstractScrollArea
{
    Q_OBJECT
public:
    enum class Mode { None, RubberBand, Move, Resize, Insert };

    explicit CDiagramEditor(QWidget* parent = nullptr);
    ~CDiagramEditor() override;

    // The document edited (not owned); none leaves an empty canvas.
    void SetDocument(CScreenDocument* document);
    CScreenDocument* Document() const { return doc_; }
    // Its objects; null without a document.
    const CDiagramEntityContainer* Container() const;

    // The paper, its look and the editing aids.
    void SetPaperSize(QSize size);
    QSize PaperSize() const { return paper_; }
    void SetColours(QColor paper, QColor outside, QColor grid);
    void SetGrid(bool shown, int stepH, int stepV);
    bool IsGridShown() const { return gridShown_; }
    QSize GridStep() const { return grid_; }
    void SetSnapToGrid(bool snap) { snap_ = snap; }
    void SetKeepInside(bool keep) { keepInside_ = keep; }
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
    int InsertKind() const;
    Mode CurrentMode() const { return mode_; }
    // Ends the current mode and insert mode (Escape).
    void CancelMode();
    // An object of the kind dropped at a window point: placed on the grid,
    // sized to its content, selected, marked new and its form opened.
    bool DropObject(int kind, QPoint window);

    // The Edit commands and the object commands, each with its undo point.
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
    void Up();
    void Down();
    void ToFront();
    void ToBack();
    void Align(ObjectAlignment::Mode mode);
    // Object commands 100..107 of the object menu, to every selected object.
    void ObjectCommand(int command);
    // The keyboard's moves and size changes: one grid step per call (one
    // pixel without snapping).
    void MoveSelection(int stepsX, int stepsY);
    void ResizeSelection(int stepsX, int stepsY);
    void ShowPropertiesOfSelection();

    bool CanUndo() const;
    bool CanRedo() const;
    bool HasSelection() const;
    int SelectionCount() const;
    bool CanPaste() const;
    bool CanAlign(ObjectAlignment::Mode mode) const;
    // The bounding box of the selected objects in paper pixels (empty: none).
    QRect SelectionRect() const;

    // A property form reports its outcome: OK stores the form's fields as
    // one edit and clears the new mark (false: the object is not on this
    // canvas's screen); Cancel removes an object that was just dropped
    // (after an undo point).
    bool PropertiesAccepted(const CDiagramEntity* object, const std::function<void()>& store);
    void PropertiesCancelled(const CDiagramEntity* object);

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
    void leftDown(QPoint window, bool ctrl);
    void rightDown(QPoint window);
    void rightUp(QPoint global);
    void showContextMenu(QPoint global);
    void endInsert();
    void updateScrollBars();
    void updateCursor(QPoint window);
    bool insidePaper(QPointF paper) const;
    // The object's rectangle in window pixels, as markers and hit-tests see it.
    PaperRect windowRect(const CDiagramEntity& object) const;
    const CDiagramEntity* topmostSelected() const;
    void addFindUses(class QMenu* menu);
    // A press with this hit code on the object starts a move.
    static bool movesBy(const CDiagramEntity& object, HitCode code);
    // Keeps a move of the selection inside the paper.
    void clampShift(double* dx, double* dy) const;
    // Moves an object back inside the paper where it lies partly outside.
    void keepObjectInside(CDiagramEntity& object) const;
    void beginChange();
    void finishGesture();
    // The document's signals.
    void onDocumentChanged();
    void onDocumentSelectionChanged();
    static int kindFromMime(const class QMimeData* mime);

    CScreenDocument* doc_ = nullptr;
    QSize paper_{192, 64};
    QColor paperColour_{0, 192, 0};
    QColor outsideColour_{192, 192, 192};
    QColor gridColour_{192, 192, 192};
    bool gridShown_ = true;
    QSize grid_{8, 8};
    bool snap_ = true;
    bool keepInside_ = true;
    bool labels_ = false;
    double zoomStep_ = 0.01;
    ObjectPaintContext ctx_;

    Mode mode_ = Mode::None;
    std::unique_ptr<CDiagramEntity> prototype_;
    bool insertMode_ = false;
    HitCode resizeCode_ = HIT_NONE;
    const CDiagramEntity* grabbed_ = nullptr;
    QPointF dragOffset_;
    QRectF band_; // paper coordinates: anchor and free corner
    // The gesture under way has moved or sized something.
    bool gestureChanged_ = false;
    int wheelRest_ = 0;
    int zoomWheelRest_ = 0;
};
