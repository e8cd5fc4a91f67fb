#include "DiagramEditor.h"
#include "ContentSizeFields.h"
#include "ObjectPainter.h"
#include "screen/DiagramEntityContainer.h"
#include "screen/ObjectFactory.h"
#include "screen/ObjectUiHooks.h"
#include "ui/document/ScreenDocument.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

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

int snapTo(double v, int step)
{
    if (step <= 0)
        return int(std::floor(v));
    return step * int(std::trunc(v / step + 0.5));
}

// The object's context menu, opened through the object (the core's hook).
void showObjectMenu(CDiagramEntity&, QPoint global, QObject* parent)
{
    auto* editor = qobject_cast<CDiagramEditor*>(parent);
    if (!editor)
        return;
    QMenu* menu = editor->BuildObjectMenu(editor);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(global);
}

} // namespace

CDiagramEditor::CDiagramEditor(QWidget* parent) : QAbstractScrollArea(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    viewport()->setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    horizontalScrollBar()->setSingleStep(16);
    verticalScrollBar()->setSingleStep(16);
    auto& hooks = ObjectUiHooks::Instance();
    if (!hooks.contextMenu)
        hooks.contextMenu = showObjectMenu;
    updateScrollBars();
}

CDiagramEditor::~CDiagramEditor() = default;

// ---- settings ----

void CDiagramEditor::SetDocument(CScreenDocument* document)
{
    // The old document may be gone already (the project closed): it is
    // not touched again.
    if (doc_)
        disconnect(doc_, nullptr, this, nullptr);
    doc_ = nullptr;
    CancelMode();
    doc_ = document;
    if (doc_) {
        connect(doc_, &CScreenDocument::changed, this, &CDiagramEditor::onDocumentChanged);
        connect(doc_, &CScreenDocument::stepped, viewport(), qOverload<>(&QWidget::update));
        connect(doc_, &CScreenDocument::selectionChanged, this, &CDiagramEditor::onDocumentSelectionChanged);
        connect(doc_, &QObject::destroyed, this, [this] { doc_ = nullptr; });
    }
    viewport()->update();
}

const CDiagramEntityContainer* CDiagramEditor::Container() const
{
    return doc_ ? &doc_->Container() : nullptr;
}

void CDiagramEditor::onDocumentChanged()
{
    // Another view's edit or an undo may have taken away what this one held.
    const auto* c = Container();
    if (grabbed_ && (!c || c->IndexOf(grabbed_) < 0)) {
        if (mode_ == Mode::Move || mode_ == Mode::Resize)
            mode_ = insertMode_ ? Mode::Insert : Mode::None;
        grabbed_ = nullptr;
    }
    viewport()->update();
    emit contentChanged();
}

void CDiagramEditor::onDocumentSelectionChanged()
{
    viewport()->update();
    emit selectionChanged();
}

QSize CDiagramEditor::sizeHint() const
{
    const int f = 2 * frameWidth();
    return QSize(int(std::ceil(paper_.width() * ctx_.zoom)) + f, int(std::ceil(paper_.height() * ctx_.zoom)) + f);
}

void CDiagramEditor::SetPaperSize(QSize size)
{
    paper_ = size;
    updateScrollBars();
    updateGeometry();
    viewport()->update();
}

void CDiagramEditor::SetColours(QColor paper, QColor outside, QColor grid)
{
    paperColour_ = paper;
    outsideColour_ = outside;
    gridColour_ = grid;
    viewport()->update();
}

void CDiagramEditor::SetGrid(bool shown, int stepH, int stepV)
{
    gridShown_ = shown;
    grid_ = QSize(std::max(1, stepH), std::max(1, stepV));
    viewport()->update();
}

void CDiagramEditor::SetZoom(double zoom)
{
    if (!std::isfinite(zoom))
        return;
    zoom = std::clamp(zoom, kZoomMin, kZoomMax);
    if (std::abs(zoom - ctx_.zoom) < 1e-9)
        return;
    ctx_.zoom = zoom;
    updateScrollBars();
    updateGeometry();
    viewport()->update();
    emit zoomChanged(zoom);
}

void CDiagramEditor::SetShowLabels(bool show)
{
    labels_ = show;
    viewport()->update();
}

void CDiagramEditor::SetPanelPixels(bool on)
{
    ctx_.panelPixels = on;
    viewport()->update();
}

void CDiagramEditor::SetPreviewPictures(CPreviewPictures* pictures)
{
    ctx_.pictures = pictures;
    viewport()->update();
}

// ---- coordinates ----

QPoint CDiagramEditor::ScrollPosition() const
{
    return QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
}

QPointF CDiagramEditor::ToPaper(QPoint window) const
{
    const QPoint s = ScrollPosition();
    return QPointF((window.x() + s.x()) / ctx_.zoom, (window.y() + s.y()) / ctx_.zoom);
}

QPoint CDiagramEditor::ToWindow(QPointF paper) const
{
    const QPoint s = ScrollPosition();
    return QPoint(int(std::floor(paper.x() * ctx_.zoom + 0.5)) - s.x(),
                  int(std::floor(paper.y() * ctx_.zoom + 0.5)) - s.y());
}

int CDiagramEditor::SnapX(double v) const
{
    return snap_ ? snapTo(v, grid_.width()) : int(std::floor(v));
}

int CDiagramEditor::SnapY(double v) const
{
    return snap_ ? snapTo(v, grid_.height()) : int(std::floor(v));
}

bool CDiagramEditor::insidePaper(QPointF p) const
{
    return p.x() >= 0 && p.y() >= 0 && p.x() < paper_.width() && p.y() < paper_.height();
}

PaperRect CDiagramEditor::windowRect(const CDiagramEntity& object) const
{
    const QRect r = ObjectPainting::WindowRect(object, ctx_.zoom, ScrollPosition());
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

void CDiagramEditor::updateScrollBars()
{
    const int w = int(std::ceil(paper_.width() * ctx_.zoom));
    const int h = int(std::ceil(paper_.height() * ctx_.zoom));
    // A paper that fits the whole area needs no scroll bars, whether they
    // are shown at the moment or not.
    const QSize whole = contentsRect().size();
    const QSize view = w <= whole.width() && h <= whole.height() ? whole : viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, w - view.width()));
    horizontalScrollBar()->setPageStep(view.width());
    verticalScrollBar()->setRange(0, std::max(0, h - view.height()));
    verticalScrollBar()->setPageStep(view.height());
}

void CDiagramEditor::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

// ---- painting ----

void CDiagramEditor::paintEvent(QPaintEvent*)
{
    QPainter p(viewport());
    const QPoint s = ScrollPosition();
    const QRect paperRect(-s.x(), -s.y(), int(std::floor(paper_.width() * ctx_.zoom + 0.5)),
                          int(std::floor(paper_.height() * ctx_.zoom + 0.5)));
    p.fillRect(viewport()->rect(), outsideColour_);
    // The panel-pixel view shows the paper as the panel does: white under
    // black ink.
    p.fillRect(paperRect, ctx_.panelPixels ? QColor(Qt::white) : paperColour_);
    if (gridShown_) {
        p.setPen(QPen(gridColour_, 0));
        // At zoom 1 a step of 1 would fill the paper: every second line only.
        const bool sparse = ctx_.zoom == 1.0;
        for (int k = 0, x = 0; x <= paper_.width(); ++k, x += grid_.width()) {
            if (sparse && grid_.width() == 1 && k % 2)
                continue;
            const int wx = int(x * ctx_.zoom + 0.5) - s.x();
            p.drawLine(wx, paperRect.top(), wx, paperRect.bottom());
        }
        for (int k = 0, y = 0; y <= paper_.height(); ++k, y += grid_.height()) {
            if (sparse && grid_.height() == 1 && k % 2)
                continue;
            const int wy = int(y * ctx_.zoom + 0.5) - s.y();
            p.drawLine(paperRect.left(), wy, paperRect.right(), wy);
        }
    }
    if (const auto* c = Container()) {
        const int n = c->GetSize();
        for (int i = 0; i < n; ++i)
            ObjectPainting::DrawScaled(p, *c->GetAt(i), ctx_, s, labels_ ? i + 1 : 0);
    }
    if (mode_ == Mode::RubberBand) {
        const QRectF band = band_.normalized();
        const QPoint a = ToWindow(band.topLeft());
        const QPoint b = ToWindow(band.bottomRight());
        p.setPen(QPen(Qt::black, 0, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRect(a, b));
    }
}

// ---- the mouse ----

const CDiagramEntity* CDiagramEditor::topmostSelected() const
{
    const auto* c = Container();
    if (!c)
        return nullptr;
    for (int i = c->GetSize() - 1; i >= 0; --i)
        if (c->GetAt(i)->IsSelected())
            return c->GetAt(i);
    return nullptr;
}

void CDiagramEditor::beginChange()
{
    // A gesture is one edit of the document: its state from before becomes
    // an undo point only when the gesture changes something.
    if (doc_)
        doc_->BeginGesture();
    gestureChanged_ = false;
}

void CDiagramEditor::mousePressEvent(QMouseEvent* event)
{
    setFocus(Qt::MouseFocusReason);
    if (event->button() == Qt::LeftButton)
        leftDown(event->position().toPoint(), event->modifiers() & Qt::ControlModifier);
    else if (event->button() == Qt::RightButton)
        rightDown(event->position().toPoint());
    viewport()->update();
}

void CDiagramEditor::leftDown(QPoint window, bool ctrl)
{
    if (!doc_)
        return;
    const CDiagramEntityContainer* c = Container();
    const QPointF pp = ToPaper(window);
    if (doc_->InGesture())
        doc_->EndGesture();
    gestureChanged_ = false;
    if (mode_ != Mode::Insert)
        mode_ = Mode::None;
    const int before = c->GetSelectCount();

    // A press on a selected object of a multiple selection moves them all.
    if (before > 1 && !ctrl && mode_ == Mode::None) {
        for (int i = c->GetSize() - 1; i >= 0; --i) {
            const CDiagramEntity* o = c->GetAt(i);
            if (o->IsSelected() && movesBy(*o, o->HitTest(window, windowRect(*o)))) {
                mode_ = Mode::Move;
                grabbed_ = o;
                dragOffset_ = pp - QPointF(o->GetLeft(), o->GetTop());
                viewport()->setCursor(Qt::SizeAllCursor);
                beginChange();
                break;
            }
        }
    }

    if (mode_ == Mode::Insert) {
        if (!insidePaper(pp) || !prototype_) {
            endInsert();
            return;
        }
        auto object = prototype_->Clone();
        const int x = SnapX(pp.x());
        const int y = SnapY(pp.y());
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
        emit selectionChanged();
        return;
    }

    if (mode_ == Mode::None) {
        const CDiagramEntity* hit = nullptr;
        HitCode code = HIT_NONE;
        for (int i = c->GetSize() - 1; i >= 0 && !hit; --i) {
            const CDiagramEntity* o = c->GetAt(i);
            code = o->HitTest(window, windowRect(*o));
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
}

bool CDiagramEditor::movesBy(const CDiagramEntity& object, HitCode code)
{
    // An object that cannot be resized moves by its markers too: a small
    // numeric or text is mostly markers at 100 %.
    return code == HIT_BODY || (code != HIT_NONE && !object.IsResizable());
}

void CDiagramEditor::clampShift(double* dx, double* dy) const
{
    if (!keepInside_ || !Container())
        return;
    double left = 0, top = 0, right = 0, bottom = 0;
    bool any = false;
    for (const CDiagramEntity* o : Container()->Objects()) {
        if (!o->IsSelected())
            continue;
        const double l = std::min(o->GetLeft(), o->GetRight());
        const double r = std::max(o->GetLeft(), o->GetRight());
        const double t = std::min(o->GetTop(), o->GetBottom());
        const double b = std::max(o->GetTop(), o->GetBottom());
        left = any ? std::min(left, l) : l;
        right = any ? std::max(right, r) : r;
        top = any ? std::min(top, t) : t;
        bottom = any ? std::max(bottom, b) : b;
        any = true;
    }
    if (!any)
        return;
    // The box stays within 0 .. the paper size; a box larger than the paper
    // keeps its left or top edge at 0.
    *dx = std::max(std::min(*dx, paper_.width() - right), -left);
    *dy = std::max(std::min(*dy, paper_.height() - bottom), -top);
}

void CDiagramEditor::keepObjectInside(CDiagramEntity& o) const
{
    if (!keepInside_)
        return;
    const PaperRect r = o.GetRect().Normalized();
    int dx = 0, dy = 0;
    if (r.right > paper_.width())
        dx = paper_.width() - r.right;
    if (r.left + dx < 0)
        dx = -r.left;
    if (r.bottom > paper_.height())
        dy = paper_.height() - r.bottom;
    if (r.top + dy < 0)
        dy = -r.top;
    if (dx || dy)
        o.MoveBy(dx, dy);
}

void CDiagramEditor::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint window = event->position().toPoint();
    if (mode_ == Mode::Move || mode_ == Mode::Resize || mode_ == Mode::RubberBand) {
        // Dragging beyond the window scrolls the paper toward the pointer.
        const QRect view = viewport()->rect();
        const auto overshoot = [](int v, int lo, int hi) {
            return std::clamp(v < lo ? v - lo : v > hi ? v - hi : 0, -32, 32);
        };
        const int sx = overshoot(window.x(), view.left(), view.right());
        const int sy = overshoot(window.y(), view.top(), view.bottom());
        if (sx)
            horizontalScrollBar()->setValue(horizontalScrollBar()->value() + sx);
        if (sy)
            verticalScrollBar()->setValue(verticalScrollBar()->value() + sy);
    }
    const QPointF pp = ToPaper(window);
    emit pointerMoved(QPoint(int(std::floor(pp.x())), int(std::floor(pp.y()))));
    const CDiagramEntityContainer* c = Container();
    if (!c)
        return;
    switch (mode_) {
    case Mode::Move: {
        if (!grabbed_ || c->IndexOf(grabbed_) < 0)
            break;
        double dx = pp.x() - dragOffset_.x() - grabbed_->GetLeft();
        double dy = pp.y() - dragOffset_.y() - grabbed_->GetTop();
        clampShift(&dx, &dy);
        if (dx == 0 && dy == 0)
            break;
        gestureChanged_ = true;
        doc_->GestureStep([&](CDiagramEntityContainer& objects) {
            for (const auto& o : objects.Objects())
                if (o->IsSelected())
                    o->MoveBy(dx, dy);
        });
        emit selectionMoving();
        break;
    }
    case Mode::Resize: {
        const int index = grabbed_ ? c->IndexOf(grabbed_) : -1;
        if (index < 0)
            break;
        double x = std::floor(pp.x());
        double y = std::floor(pp.y());
        if (keepInside_) {
            x = std::clamp(x, 0.0, double(paper_.width()));
            y = std::clamp(y, 0.0, double(paper_.height()));
        }
        double l = grabbed_->GetLeft(), t = grabbed_->GetTop();
        double r = grabbed_->GetRight(), b = grabbed_->GetBottom();
        switch (resizeCode_) {
        case HIT_TOPLEFT: l = x; t = y; break;
        case HIT_TOPMIDDLE: t = y; break;
        case HIT_TOPRIGHT: t = y; r = x; break;
        case HIT_BOTTOMLEFT: l = x; b = y; break;
        case HIT_BOTTOMMIDDLE: b = y; break;
        case HIT_BOTTOMRIGHT: r = x; b = y; break;
        case HIT_LEFTMIDDLE: l = x; break;
        case HIT_RIGHTMIDDLE: r = x; break;
        default: break;
        }
        if (l == grabbed_->GetLeft() && t == grabbed_->GetTop() && r == grabbed_->GetRight()
            && b == grabbed_->GetBottom())
            break;
        gestureChanged_ = true;
        doc_->GestureStep([&](CDiagramEntityContainer& objects) {
            CDiagramEntity* grabbed = objects.GetAt(index);
            grabbed->SetRect(l, t, r, b);
            // The size limits may push the right or bottom edge beyond the paper.
            if (keepInside_) {
                const PaperRect now = grabbed->GetRect();
                if (now.right > paper_.width() || now.bottom > paper_.height())
                    keepObjectInside(*grabbed);
            }
        });
        emit selectionMoving();
        break;
    }
    case Mode::RubberBand:
        band_.setBottomRight(pp);
        viewport()->update();
        break;
    default:
        updateCursor(window);
        break;
    }
}

void CDiagramEditor::updateCursor(QPoint window)
{
    if (mode_ == Mode::Insert) {
        viewport()->setCursor(Qt::CrossCursor);
        return;
    }
    if (const auto* c = Container()) {
        for (int i = c->GetSize() - 1; i >= 0; --i) {
            const CDiagramEntity* o = c->GetAt(i);
            const HitCode code = o->HitTest(window, windowRect(*o));
            if (code == HIT_NONE)
                continue;
            const CursorShape shape = o->GetCursor(code);
            if (shape != CursorShape::None) {
                viewport()->setCursor(qtCursor(shape));
                return;
            }
            break;
        }
    }
    viewport()->setCursor(Qt::ArrowCursor);
}

void CDiagramEditor::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) {
        rightUp(event->globalPosition().toPoint());
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    finishGesture();
    updateCursor(event->position().toPoint());
}

void CDiagramEditor::finishGesture()
{
    if (!doc_) {
        mode_ = Mode::None;
        return;
    }
    const bool wasInsert = insertMode_;
    const CDiagramEntityContainer* c = Container();
    bool modified = false;
    switch (mode_) {
    case Mode::Move:
        // The moved objects land on the grid.
        modified = doc_->EndGesture([&](CDiagramEntityContainer& objects) {
            if (!gestureChanged_)
                return;
            for (const auto& o : objects.Objects()) {
                if (!o->IsSelected())
                    continue;
                const double w = o->GetRight() - o->GetLeft();
                const double h = o->GetBottom() - o->GetTop();
                const int l = SnapX(o->GetLeft());
                const int t = SnapY(o->GetTop());
                o->SetRect(l, t, l + w, t + h);
                keepObjectInside(*o);
            }
        });
        break;
    case Mode::Resize: {
        const int index = grabbed_ ? c->IndexOf(grabbed_) : -1;
        modified = doc_->EndGesture([&](CDiagramEntityContainer& objects) {
            CDiagramEntity* grabbed = objects.GetAt(index);
            if (!gestureChanged_ || !grabbed)
                return;
            const PaperRect r = grabbed->GetRect();
            int l = r.left, t = r.top, rt = r.right, b = r.bottom;
            if (snap_) {
                // A snapped edge stays on the paper when the step does not
                // divide the paper's size.
                const auto sx = [&](int v) {
                    return keepInside_ ? std::clamp(SnapX(v), 0, paper_.width()) : SnapX(v);
                };
                const auto sy = [&](int v) {
                    return keepInside_ ? std::clamp(SnapY(v), 0, paper_.height()) : SnapY(v);
                };
                switch (resizeCode_) {
                case HIT_TOPLEFT: l = sx(l); t = sy(t); break;
                case HIT_TOPMIDDLE: t = sy(t); break;
                case HIT_TOPRIGHT: t = sy(t); rt = sx(rt); break;
                case HIT_BOTTOMLEFT: l = sx(l); b = sy(b); break;
                case HIT_BOTTOMMIDDLE: b = sy(b); break;
                case HIT_BOTTOMRIGHT: rt = sx(rt); b = sy(b); break;
                case HIT_LEFTMIDDLE: l = sx(l); break;
                case HIT_RIGHTMIDDLE: rt = sx(rt); break;
                default: break;
                }
            }
            grabbed->SetRectNormalized(l, t, rt, b);
            keepObjectInside(*grabbed);
        });
        break;
    }
    case Mode::RubberBand: {
        const QRectF b = band_.normalized();
        PaperRect band{int(std::floor(b.left())), int(std::floor(b.top())),
                       int(std::floor(b.right())), int(std::floor(b.bottom()))};
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
        break;
    }
    default:
        if (doc_->InGesture())
            modified = doc_->EndGesture();
        break;
    }
    mode_ = wasInsert ? Mode::Insert : Mode::None;
    gestureChanged_ = false;
    grabbed_ = nullptr;
    resizeCode_ = HIT_NONE;
    // Insert mode ends after one insertion.
    if (wasInsert && c->GetSelectCount() > 0 && modified)
        endInsert();
    viewport()->update();
    if (const CDiagramEntity* top = topmostSelected())
        emit objectHelpRequested(top->Kind());
}

void CDiagramEditor::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && Container() && Container()->GetSelectCount() == 1) {
        // The press of the double click started a move that did nothing.
        finishGesture();
        ShowPropertiesOfSelection();
        return;
    }
    QAbstractScrollArea::mouseDoubleClickEvent(event);
}

void CDiagramEditor::rightDown(QPoint window)
{
    if (!doc_)
        return;
    // From the bottom up: the topmost unselected object under the pointer
    // becomes the only selected one; a selected one keeps the selection.
    doc_->Select([&](CDiagramEntityContainer& objects) {
        for (const auto& o : objects.Objects()) {
            if (windowRect(*o).Contains(window) && !o->IsSelected()) {
                objects.UnselectAll();
                o->Select(true);
            }
        }
    });
    CancelMode();
}

void CDiagramEditor::rightUp(QPoint global)
{
    showContextMenu(global);
}

void CDiagramEditor::contextMenuEvent(QContextMenuEvent* event)
{
    // The mouse opens the menus on the right button's release; the menu key
    // and Shift+F10 open them at the selection.
    if (event->reason() != QContextMenuEvent::Keyboard) {
        event->accept();
        return;
    }
    const QRect box = SelectionRect();
    const QPoint at = box.isEmpty() ? QPoint(0, 0) : ToWindow(QPointF(box.center()));
    showContextMenu(viewport()->mapToGlobal(at));
    event->accept();
}

void CDiagramEditor::showContextMenu(QPoint global)
{
    if (!doc_)
        return;
    if (Container()->GetSelectCount() == 1) {
        doc_->ShowContextMenu(topmostSelected(), global, this);
        return;
    }
    QMenu* menu = BuildEditorMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(global);
}

void CDiagramEditor::wheelEvent(QWheelEvent* event)
{
    // One line per notch of 120 (with Ctrl: one zoom step); what is left
    // over counts toward the next.
    const bool zoom = event->modifiers() & Qt::ControlModifier;
    int& rest = zoom ? zoomWheelRest_ : wheelRest_;
    rest += event->angleDelta().y();
    const int notches = rest / 120;
    rest -= notches * 120;
    if (notches && zoom) {
        ZoomAt(event->position().toPoint(), std::round((ctx_.zoom + notches * kWheelZoomStep) * 100) / 100);
    } else if (notches) {
        QScrollBar* bar = verticalScrollBar();
        bar->setValue(bar->value() - notches * bar->singleStep());
    }
    event->accept();
}

void CDiagramEditor::ZoomAt(QPoint window, double zoom)
{
    // The paper point under the pointer stays under it, as far as the
    // scroll bars reach.
    const QPointF anchor = ToPaper(window);
    SetZoom(zoom);
    horizontalScrollBar()->setValue(int(std::lround(anchor.x() * ctx_.zoom - window.x())));
    verticalScrollBar()->setValue(int(std::lround(anchor.y() * ctx_.zoom - window.y())));
}

// ---- the keyboard ----

void CDiagramEditor::keyPressEvent(QKeyEvent* event)
{
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    const bool keypad = event->modifiers() & Qt::KeypadModifier;
    const bool ctrl = mods & Qt::ControlModifier;
    const bool shift = mods & Qt::ShiftModifier;
    const bool alt = mods & Qt::AltModifier;
    const int key = event->key();
    bool handled = true;
    if (keypad && key == Qt::Key_Plus && !ctrl)
        SetZoom(ctx_.zoom + zoomStep_);
    else if (keypad && key == Qt::Key_Minus && !ctrl)
        SetZoom(ctx_.zoom - zoomStep_);
    else if (key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up
             || key == Qt::Key_Down) {
        const int dx = key == Qt::Key_Left ? -1 : key == Qt::Key_Right ? 1 : 0;
        const int dy = key == Qt::Key_Up ? -1 : key == Qt::Key_Down ? 1 : 0;
        if (shift)
            ResizeSelection(dx, dy);
        else
            MoveSelection(dx, dy);
    } else if (key == Qt::Key_Delete && shift)
        Cut();
    else if (key == Qt::Key_Delete)
        DeleteSelection();
    else if (key == Qt::Key_Insert && shift)
        Paste();
    else if (key == Qt::Key_Insert && ctrl)
        Copy();
    else if (key == Qt::Key_Insert)
        Duplicate();
    else if ((key == Qt::Key_Return || key == Qt::Key_Enter) && ctrl)
        ShowPropertiesOfSelection();
    else if (key == Qt::Key_A && ctrl)
        SelectAll();
    else if (key == Qt::Key_X && ctrl)
        Cut();
    else if (key == Qt::Key_C && ctrl)
        Copy();
    else if (key == Qt::Key_V && ctrl)
        Paste();
    else if (key == Qt::Key_Z && ctrl && shift)
        Redo();
    else if (key == Qt::Key_Z && ctrl)
        Undo();
    else if (key == Qt::Key_Y && ctrl)
        Redo();
    else if (key == Qt::Key_Backspace && alt)
        Undo();
    else if (key == Qt::Key_PageUp && ctrl)
        ToFront();
    else if (key == Qt::Key_PageDown && ctrl)
        ToBack();
    else if (key == Qt::Key_PageUp)
        Up();
    else if (key == Qt::Key_PageDown)
        Down();
    else if (key == Qt::Key_Escape)
        CancelMode();
    else
        handled = false;
    if (handled)
        event->accept();
    else
        QAbstractScrollArea::keyPressEvent(event);
}

// ---- drag and drop from the object list ----

int CDiagramEditor::kindFromMime(const QMimeData* mime)
{
    if (!mime || !mime->hasText())
        return -1;
    bool ok = false;
    const int kind = mime->text().trimmed().toInt(&ok);
    return ok && kind >= 0 && kind < kObjectKindCount ? kind : -1;
}

void CDiagramEditor::dragEnterEvent(QDragEnterEvent* event)
{
    if (doc_ && kindFromMime(event->mimeData()) >= 0)
        event->acceptProposedAction();
}

void CDiagramEditor::dragMoveEvent(QDragMoveEvent* event)
{
    const bool on = doc_ && kindFromMime(event->mimeData()) >= 0
        && insidePaper(ToPaper(event->position().toPoint()));
    if (on)
        event->acceptProposedAction();
    else
        event->ignore();
}

void CDiagramEditor::dropEvent(QDropEvent* event)
{
    const int kind = kindFromMime(event->mimeData());
    if (kind >= 0 && DropObject(kind, event->position().toPoint()))
        event->acceptProposedAction();
}

// ---- insertion ----

std::unique_ptr<CDiagramEntity> CDiagramEditor::CreateObject(int kind) const
{
    return CreateObjectOfKind(kind);
}

void CDiagramEditor::StartInsert(int kind)
{
    auto prototype = CreateObject(kind);
    if (!prototype)
        return;
    CancelMode();
    prototype_ = std::move(prototype);
    insertMode_ = true;
    mode_ = Mode::Insert;
    viewport()->setCursor(Qt::CrossCursor);
    emit insertKindChanged(kind);
}

int CDiagramEditor::InsertKind() const
{
    return insertMode_ && prototype_ ? prototype_->Kind() : -1;
}

void CDiagramEditor::endInsert()
{
    const bool was = insertMode_;
    insertMode_ = false;
    prototype_.reset();
    if (mode_ == Mode::Insert)
        mode_ = Mode::None;
    viewport()->setCursor(Qt::ArrowCursor);
    if (was)
        emit insertKindChanged(-1);
}

void CDiagramEditor::CancelMode()
{
    // What the last move did stays; the gesture just ends.
    if (doc_ && doc_->InGesture())
        doc_->EndGesture();
    mode_ = Mode::None;
    gestureChanged_ = false;
    grabbed_ = nullptr;
    resizeCode_ = HIT_NONE;
    endInsert();
    viewport()->update();
}

bool CDiagramEditor::DropObject(int kind, QPoint window)
{
    if (!doc_)
        return false;
    const QPointF pp = ToPaper(window);
    if (!insidePaper(pp))
        return false;
    auto object = CreateObject(kind);
    if (!object)
        return false;
    CancelMode();
    const int x = SnapX(pp.x());
    const int y = SnapY(pp.y());
    object->SetRect(x, y, x, y);
    const QRect content = ObjectPainting::MeasureContent(*object, ctx_);
    object->SetRect(x, y, SnapX(x + content.width()), SnapY(y + content.height()));
    keepObjectInside(*object);
    object->Select(true);
    // While the mark is set, Cancel on the form takes the object away again.
    object->MarkNew(true);
    const CDiagramEntity* placed = object.get();
    bool added = false;
    doc_->Edit([&](CDiagramEntityContainer& objects) {
        objects.UnselectAll();
        added = objects.Add(std::move(object));
    });
    if (!added)
        return false;
    doc_->ShowProperties(placed, this, true);
    emit propertiesRequested(placed);
    return true;
}

bool CDiagramEditor::PropertiesAccepted(const CDiagramEntity* object, const std::function<void()>& store)
{
    const auto* c = Container();
    if (!c || c->IndexOf(object) < 0)
        return false;
    const int index = c->IndexOf(object);
    doc_->Edit([&](CDiagramEntityContainer& objects) {
        CDiagramEntity* o = objects.GetAt(index);
        const QString sizeBefore = ContentSizeFields::Of(*o);
        store();
        o->MarkNew(false);
        // An object that cannot be resized follows its content: when a field
        // that gives its size changed, it is measured again, in this edit.
        if (!o->IsResizable() && ContentSizeFields::Of(*o) != sizeBefore) {
            const QRect content = ObjectPainting::MeasureContent(*o, ctx_);
            const PaperRect at = o->GetRect().Normalized();
            o->SetRect(at.left, at.top, at.left + content.width(), at.top + content.height());
            keepObjectInside(*o);
        }
    });
    return true;
}

void CDiagramEditor::PropertiesCancelled(const CDiagramEntity* object)
{
    // Only the object that was just dropped goes, whatever else is selected
    // by now.
    const auto* c = Container();
    if (!c || c->IndexOf(object) < 0 || !object->IsMarkedNew())
        return;
    const int index = c->IndexOf(object);
    doc_->ShowProperties(object, this, false);
    doc_->Edit([&](CDiagramEntityContainer& objects) { objects.RemoveAt(index); });
}
