#include "CanvasGestures.h"
#include "screen/DiagramEntityContainer.h"
#include "ui/document/ScreenDocument.h"

#include <algorithm>
#include <cmath>

namespace {

Qt::CursorShape qtCursor(CursorShape shape)
{
    switch (shape) {
    case CursorShape::Arrow: return Qt::ArrowCursor;
    case CursorShape::SizeAll: return Qt::SizeAllCursor;
    case CursorShape::SizeNWSE: return Qt::SizeFDiagCursor;
    case CursorShape::SizeNS: return Qt::SizeVerCursor;
    case CursorShape::SizeNESW: return Qt::SizeBDiagCursor;
    case CursorShape::SizeWE: return Qt::SizeHorCursor;
    default: return Qt::ArrowCursor;
    }
}

// The edges that a marker moves take the point's coordinates.
template <typename T>
void moveEdges(HitCode code, T x, T y, T& l, T& t, T& r, T& b)
{
    switch (code) {
    case HIT_TOPLEFT:
        l = x;
        t = y;
        break;
    case HIT_TOPMIDDLE: t = y; break;
    case HIT_TOPRIGHT:
        t = y;
        r = x;
        break;
    case HIT_BOTTOMLEFT:
        l = x;
        b = y;
        break;
    case HIT_BOTTOMMIDDLE: b = y; break;
    case HIT_BOTTOMRIGHT:
        r = x;
        b = y;
        break;
    case HIT_LEFTMIDDLE: l = x; break;
    case HIT_RIGHTMIDDLE: r = x; break;
    default: break;
    }
}

} // namespace

CCanvasGestures::CCanvasGestures(const CanvasGeometry& geometry) : geo_(geometry) {}

CCanvasGestures::~CCanvasGestures() = default;

const CDiagramEntityContainer* CCanvasGestures::Container() const
{
    return doc_ ? &doc_->Container() : nullptr;
}

const CDiagramEntity* CCanvasGestures::TopmostSelected() const
{
    const auto* c = Container();
    if (!c)
        return nullptr;
    for (int i = c->GetSize() - 1; i >= 0; --i)
        if (c->GetAt(i)->IsSelected())
            return c->GetAt(i);
    return nullptr;
}

void CCanvasGestures::DocumentChanged()
{
    // Another view's edit or an undo may have taken away what this one held.
    const auto* c = Container();
    if (grabbed_ && (!c || c->IndexOf(grabbed_) < 0)) {
        if (mode_ == Mode::Move || mode_ == Mode::Resize)
            mode_ = insertMode_ ? Mode::Insert : Mode::None;
        grabbed_ = nullptr;
    }
}

void CCanvasGestures::beginChange()
{
    // A gesture is one edit of the document: its state from before becomes
    // an undo point only when the gesture changes something.
    if (doc_)
        doc_->BeginGesture();
    gestureChanged_ = false;
}

bool CCanvasGestures::movesBy(const CDiagramEntity& object, HitCode code)
{
    // An object that cannot be resized moves by its markers too: a small
    // numeric or text is mostly markers at 100 %.
    return code == HIT_BODY || (code != HIT_NONE && !object.IsResizable());
}

// ---- button down ----

void CCanvasGestures::LeftDown(QPoint window, bool ctrl)
{
    if (!doc_)
        return;
    const CDiagramEntityContainer* c = Container();
    const QPointF pp = geo_.ToPaper(window);
    if (doc_->InGesture())
        doc_->EndGesture();
    gestureChanged_ = false;
    if (mode_ != Mode::Insert)
        mode_ = Mode::None;
    const int before = c->GetSelectCount();

    // A press on a selected object of a multiple selection moves them all,
    // in insert mode too: the move takes the place of the insertion.
    if (before > 1 && !ctrl && (mode_ == Mode::None || mode_ == Mode::Insert)) {
        for (int i = c->GetSize() - 1; i >= 0; --i) {
            const CDiagramEntity* o = c->GetAt(i);
            if (o->IsSelected() && movesBy(*o, o->HitTest(window, geo_.WindowRect(*o)))) {
                mode_ = Mode::Move;
                grabbed_ = o;
                dragOffset_ = pp - QPointF(o->GetLeft(), o->GetTop());
                if (on_.setCursor)
                    on_.setCursor(Qt::SizeAllCursor);
                beginChange();
                break;
            }
        }
    }

    if (mode_ == Mode::Insert) {
        if (!geo_.InsidePaper(pp) || !prototype_) {
            endInsert();
            return;
        }
        auto object = prototype_->Clone();
        const int x = geo_.SnapX(pp.x());
        const int y = geo_.SnapY(pp.y());
        object->SetRect(x, y, x, y);
        object->Select(true);
        const CDiagramEntity* placed = object.get();
        // The insertion and the drag that sizes the object are one edit.
        bool added = false;
        beginChange();
        doc_->GestureStep([&](CDiagramEntityContainer& objects) {
            objects.UnselectAll();
            added = objects.Add(std::move(object));
        });
        if (!added) {
            doc_->EndGesture();
            endInsert();
            return;
        }
        mode_ = Mode::Resize;
        resizeCode_ = HIT_BOTTOMRIGHT;
        grabbed_ = placed;
        gestureChanged_ = true;
        notify(on_.selectionChanged);
        return;
    }

    if (mode_ != Mode::None)
        return;
    const CDiagramEntity* hit = nullptr;
    HitCode code = HIT_NONE;
    for (int i = c->GetSize() - 1; i >= 0 && !hit; --i) {
        const CDiagramEntity* o = c->GetAt(i);
        code = o->HitTest(window, geo_.WindowRect(*o));
        if (code != HIT_NONE)
            hit = o;
    }
    const int hitIndex = hit ? c->IndexOf(hit) : -1;
    doc_->Select([&](CDiagramEntityContainer& objects) {
        if (!ctrl)
            objects.UnselectAll();
        if (CDiagramEntity* h = objects.GetAt(hitIndex))
            h->Select(ctrl ? !h->IsSelected() : true);
    });
    if (hit) {
        if (!ctrl && movesBy(*hit, code)) {
            mode_ = Mode::Move;
            grabbed_ = hit;
            dragOffset_ = pp - QPointF(hit->GetLeft(), hit->GetTop());
        } else if (!ctrl && hit->IsResizable()) {
            mode_ = Mode::Resize;
            resizeCode_ = code;
            grabbed_ = hit;
        }
        if (mode_ != Mode::None)
            beginChange();
    }
    if (c->GetSelectCount() == 0 && mode_ == Mode::None) {
        mode_ = Mode::RubberBand;
        band_ = QRectF(pp, pp);
    }
}

void CCanvasGestures::RightDown(QPoint window)
{
    if (!doc_)
        return;
    // From the bottom up: the topmost unselected object under the pointer
    // becomes the only selected one; a selected one keeps the selection.
    doc_->Select([&](CDiagramEntityContainer& objects) {
        for (const auto& o : objects.Objects()) {
            if (geo_.WindowRect(*o).Contains(window) && !o->IsSelected()) {
                objects.UnselectAll();
                o->Select(true);
            }
        }
    });
    Cancel();
}

// ---- pointer travel ----

void CCanvasGestures::PointerMoved(QPoint window)
{
    if (!Container())
        return;
    const QPointF pp = geo_.ToPaper(window);
    switch (mode_) {
    case Mode::Move: pointerMovedInMove(pp); break;
    case Mode::Resize: pointerMovedInResize(pp); break;
    case Mode::RubberBand:
        band_.setBottomRight(pp);
        notify(on_.repaint);
        break;
    default:
        if (on_.setCursor)
            on_.setCursor(CursorAt(window));
        break;
    }
}

void CCanvasGestures::pointerMovedInMove(QPointF pp)
{
    const CDiagramEntityContainer* c = Container();
    if (!grabbed_ || c->IndexOf(grabbed_) < 0)
        return;
    double dx = pp.x() - dragOffset_.x() - grabbed_->GetLeft();
    double dy = pp.y() - dragOffset_.y() - grabbed_->GetTop();
    geo_.ClampShift(*c, &dx, &dy);
    if (dx == 0 && dy == 0)
        return;
    gestureChanged_ = true;
    doc_->GestureStep([&](CDiagramEntityContainer& objects) {
        for (const auto& o : objects.Objects())
            if (o->IsSelected())
                o->MoveBy(dx, dy);
    });
    notify(on_.selectionMoving);
}

void CCanvasGestures::pointerMovedInResize(QPointF pp)
{
    const int index = grabbed_ ? Container()->IndexOf(grabbed_) : -1;
    if (index < 0)
        return;
    double x = std::floor(pp.x());
    double y = std::floor(pp.y());
    if (geo_.keepInside) {
        x = std::clamp(x, 0.0, double(geo_.paper.width()));
        y = std::clamp(y, 0.0, double(geo_.paper.height()));
    }
    double l = grabbed_->GetLeft(), t = grabbed_->GetTop();
    double r = grabbed_->GetRight(), b = grabbed_->GetBottom();
    moveEdges(resizeCode_, x, y, l, t, r, b);
    if (l == grabbed_->GetLeft() && t == grabbed_->GetTop() && r == grabbed_->GetRight()
        && b == grabbed_->GetBottom())
        return;
    gestureChanged_ = true;
    doc_->GestureStep([&](CDiagramEntityContainer& objects) {
        CDiagramEntity* grabbed = objects.GetAt(index);
        grabbed->SetRect(l, t, r, b);
        // The size limits may push the right or bottom edge beyond the paper.
        if (geo_.keepInside) {
            const PaperRect now = grabbed->GetRect();
            if (now.right > geo_.paper.width() || now.bottom > geo_.paper.height())
                geo_.KeepInside(*grabbed);
        }
    });
    notify(on_.selectionMoving);
}

Qt::CursorShape CCanvasGestures::CursorAt(QPoint window) const
{
    if (mode_ == Mode::Insert)
        return Qt::CrossCursor;
    if (const auto* c = Container()) {
        for (int i = c->GetSize() - 1; i >= 0; --i) {
            const CDiagramEntity* o = c->GetAt(i);
            const HitCode code = o->HitTest(window, geo_.WindowRect(*o));
            if (code == HIT_NONE)
                continue;
            const CursorShape shape = o->GetCursor(code);
            if (shape != CursorShape::None)
                return qtCursor(shape);
            break;
        }
    }
    return Qt::ArrowCursor;
}

// ---- button up ----

void CCanvasGestures::LeftUp()
{
    if (!doc_) {
        mode_ = Mode::None;
        return;
    }
    const bool wasInsert = insertMode_;
    const Mode ending = mode_;
    switch (mode_) {
    case Mode::Move: finishMove(); break;
    case Mode::Resize: finishResize(); break;
    case Mode::RubberBand: finishBand(); break;
    default:
        if (doc_->InGesture())
            doc_->EndGesture();
        break;
    }
    mode_ = wasInsert ? Mode::Insert : Mode::None;
    gestureChanged_ = false;
    grabbed_ = nullptr;
    resizeCode_ = HIT_NONE;
    // Insert mode ends with the button that placed an object, or that moved
    // the selection in its place.
    if (wasInsert && (ending == Mode::Resize || ending == Mode::Move))
        endInsert();
    notify(on_.repaint);
    if (const CDiagramEntity* top = TopmostSelected())
        if (on_.objectHelpRequested)
            on_.objectHelpRequested(top->Kind());
}

void CCanvasGestures::finishMove()
{
    // The moved objects land on the grid.
    doc_->EndGesture([&](CDiagramEntityContainer& objects) {
        if (!gestureChanged_)
            return;
        for (const auto& o : objects.Objects()) {
            if (!o->IsSelected())
                continue;
            const double w = o->GetRight() - o->GetLeft();
            const double h = o->GetBottom() - o->GetTop();
            const int l = geo_.SnapX(o->GetLeft());
            const int t = geo_.SnapY(o->GetTop());
            o->SetRect(l, t, l + w, t + h);
            geo_.KeepInside(*o);
        }
    });
}

void CCanvasGestures::finishResize()
{
    const int index = grabbed_ ? Container()->IndexOf(grabbed_) : -1;
    doc_->EndGesture([&](CDiagramEntityContainer& objects) {
        CDiagramEntity* grabbed = objects.GetAt(index);
        if (!gestureChanged_ || !grabbed)
            return;
        const PaperRect r = grabbed->GetRect();
        int l = r.left, t = r.top, rt = r.right, b = r.bottom;
        if (geo_.snap) {
            // A snapped edge stays on the paper when the step does not
            // divide the paper's size.
            const auto sx = [&](int v) {
                return geo_.keepInside ? std::clamp(geo_.SnapX(v), 0, geo_.paper.width())
                                       : geo_.SnapX(v);
            };
            const auto sy = [&](int v) {
                return geo_.keepInside ? std::clamp(geo_.SnapY(v), 0, geo_.paper.height())
                                       : geo_.SnapY(v);
            };
            switch (resizeCode_) {
            case HIT_TOPLEFT:
                l = sx(l);
                t = sy(t);
                break;
            case HIT_TOPMIDDLE: t = sy(t); break;
            case HIT_TOPRIGHT:
                t = sy(t);
                rt = sx(rt);
                break;
            case HIT_BOTTOMLEFT:
                l = sx(l);
                b = sy(b);
                break;
            case HIT_BOTTOMMIDDLE: b = sy(b); break;
            case HIT_BOTTOMRIGHT:
                rt = sx(rt);
                b = sy(b);
                break;
            case HIT_LEFTMIDDLE: l = sx(l); break;
            case HIT_RIGHTMIDDLE: rt = sx(rt); break;
            default: break;
            }
        }
        grabbed->SetRectNormalized(l, t, rt, b);
        geo_.KeepInside(*grabbed);
    });
}

void CCanvasGestures::finishBand()
{
    const QRectF b = band_.normalized();
    PaperRect band{int(std::floor(b.left())), int(std::floor(b.top())), int(std::floor(b.right())),
                   int(std::floor(b.bottom()))};
    if (band.right <= band.left)
        band.right = band.left + 1;
    if (band.bottom <= band.top)
        band.bottom = band.top + 1;
    doc_->Select([&](CDiagramEntityContainer& objects) {
        objects.UnselectAll();
        for (const auto& o : objects.Objects())
            if (o->IntersectsRect(band))
                o->Select(true);
    });
}

// ---- insert mode ----

void CCanvasGestures::StartInsert(std::unique_ptr<CDiagramEntity> prototype)
{
    if (!prototype)
        return;
    Cancel();
    const int kind = prototype->Kind();
    prototype_ = std::move(prototype);
    insertMode_ = true;
    mode_ = Mode::Insert;
    if (on_.setCursor)
        on_.setCursor(Qt::CrossCursor);
    if (on_.insertKindChanged)
        on_.insertKindChanged(kind);
}

int CCanvasGestures::InsertKind() const
{
    return insertMode_ && prototype_ ? prototype_->Kind() : -1;
}

void CCanvasGestures::endInsert()
{
    const bool was = insertMode_;
    insertMode_ = false;
    prototype_.reset();
    if (mode_ == Mode::Insert)
        mode_ = Mode::None;
    if (on_.setCursor)
        on_.setCursor(Qt::ArrowCursor);
    if (was && on_.insertKindChanged)
        on_.insertKindChanged(-1);
}

void CCanvasGestures::StopGesture()
{
    // What the last move did stays; the gesture just ends.
    if (doc_ && doc_->InGesture())
        doc_->EndGesture();
    mode_ = insertMode_ ? Mode::Insert : Mode::None;
    gestureChanged_ = false;
    grabbed_ = nullptr;
    resizeCode_ = HIT_NONE;
    notify(on_.repaint);
}

void CCanvasGestures::Cancel()
{
    StopGesture();
    endInsert();
}
