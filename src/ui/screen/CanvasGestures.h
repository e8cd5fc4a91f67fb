#pragma once
#include "CanvasGeometry.h"
#include "screen/HitCode.h"

#include <QPointF>
#include <QRectF>
#include <functional>
#include <memory>

class CDiagramEntity;
class CDiagramEntityContainer;
class CScreenDocument;

// What the mouse does on the canvas: the interaction mode (rubber band, move,
// resize with a marker, insert), the hit tests that start a mode, the
// snapping and the paper's limits applied as the pointer travels, and the
// edit a gesture makes of the screen document (one undo point from button
// down to button up). It takes window points, reads the geometry it is given
// and tells its owner through the callbacks what to show.
class CCanvasGestures
{
public:
    enum class Mode { None, RubberBand, Move, Resize, Insert };

    // What the owner shows; any may be left empty.
    struct Callbacks
    {
        std::function<void()> repaint;
        std::function<void(Qt::CursorShape)> setCursor;
        // A new object was placed (insert mode).
        std::function<void()> selectionChanged;
        // The selected objects are being moved or resized.
        std::function<void()> selectionMoving;
        // The kind being inserted; -1 when insert mode ends.
        std::function<void(int)> insertKindChanged;
        // A button went up with a selection: the kind of the topmost
        // selected object.
        std::function<void(int)> objectHelpRequested;
    };

    explicit CCanvasGestures(const CanvasGeometry& geometry);
    ~CCanvasGestures();
    CCanvasGestures(const CCanvasGestures&) = delete;
    CCanvasGestures& operator=(const CCanvasGestures&) = delete;

    Callbacks& On() { return on_; }

    // The document (not owned). Set to none when it is gone: nothing is
    // asked of it any more.
    void SetDocument(CScreenDocument* document) { doc_ = document; }
    CScreenDocument* Document() const { return doc_; }
    const CDiagramEntityContainer* Container() const;

    // The left button: down with or without Ctrl, pointer travel, up.
    void LeftDown(QPoint window, bool ctrl);
    void PointerMoved(QPoint window);
    void LeftUp();
    // The right button down: the topmost unselected object under the pointer
    // becomes the only selected one; the mode ends.
    void RightDown(QPoint window);

    // Insert mode with this prototype: the next left press on the paper
    // places a copy of it and sizes it by dragging. None: nothing changes.
    void StartInsert(std::unique_ptr<CDiagramEntity> prototype);
    int InsertKind() const;
    // Ends the gesture under way (an edit command comes in); what the last
    // move did stays, and so does insert mode.
    void StopGesture();
    // Ends the current mode and insert mode; what the last move did stays.
    void Cancel();

    Mode CurrentMode() const { return mode_; }
    HitCode ResizeMarker() const { return resizeCode_; }
    // The rubber band in paper pixels (anchor and free corner).
    QRectF Band() const { return band_; }
    // The cursor for the pointer at rest over a window point.
    Qt::CursorShape CursorAt(QPoint window) const;
    const CDiagramEntity* TopmostSelected() const;

    // The document changed under the gesture (another view, an undo): a
    // grabbed object that is gone ends the move or resize.
    void DocumentChanged();

private:
    void beginChange();
    void endInsert();
    void pointerMovedInMove(QPointF paper);
    void pointerMovedInResize(QPointF paper);
    void finishMove();
    void finishResize();
    void finishBand();
    // A press with this hit code on the object starts a move.
    static bool movesBy(const CDiagramEntity& object, HitCode code);
    void notify(const std::function<void()>& f) const
    {
        if (f)
            f();
    }

    const CanvasGeometry& geo_;
    Callbacks on_;
    CScreenDocument* doc_ = nullptr;
    Mode mode_ = Mode::None;
    std::unique_ptr<CDiagramEntity> prototype_;
    bool insertMode_ = false;
    HitCode resizeCode_ = HIT_NONE;
    const CDiagramEntity* grabbed_ = nullptr;
    QPointF dragOffset_;
    QRectF band_;
    // The gesture under way has moved or sized something.
    bool gestureChanged_ = false;
};
