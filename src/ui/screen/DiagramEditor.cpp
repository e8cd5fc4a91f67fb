#include "DiagramEditor.h"
#include "ObjectPainter.h"
#include "screen/DiagramEntityContainer.h"
#include "screen/ObjectFactory.h"
#include "screen/ObjectUiHooks.h"
#include "ui/document/ScreenDocument.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace {

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
    // The gestures and edits see the scroll position as the bars show it.
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this,
            [this](int v) { geo_.scroll.setX(v); });
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this,
            [this](int v) { geo_.scroll.setY(v); });
    auto& on = gestures_.On();
    on.repaint = [this] { viewport()->update(); };
    on.setCursor = [this](Qt::CursorShape shape) { viewport()->setCursor(shape); };
    on.selectionChanged = [this] { emit selectionChanged(); };
    on.selectionMoving = [this] { emit selectionMoving(); };
    on.insertKindChanged = [this](int kind) { emit insertKindChanged(kind); };
    on.objectHelpRequested = [this](int kind) { emit objectHelpRequested(kind); };
    actions_.propertiesShown = [this](const CDiagramEntity* object) {
        emit propertiesRequested(object);
    };
    auto& hooks = ObjectUiHooks::Instance();
    if (!hooks.contextMenu)
        hooks.contextMenu = showObjectMenu;
    updateScrollBars();
}

CDiagramEditor::~CDiagramEditor()
{
    // The gestures tell nothing more to a widget that is going.
    gestures_.On() = {};
}

// ---- settings ----

void CDiagramEditor::SetDocument(CScreenDocument* document)
{
    // The old document may be gone already (the project closed): it is
    // not touched again.
    if (CScreenDocument* old = Document())
        disconnect(old, nullptr, this, nullptr);
    gestures_.SetDocument(nullptr);
    CancelMode();
    gestures_.SetDocument(document);
    if (document) {
        connect(document, &CScreenDocument::changed, this, &CDiagramEditor::onDocumentChanged);
        connect(document, &CScreenDocument::stepped, viewport(), qOverload<>(&QWidget::update));
        connect(document, &CScreenDocument::selectionChanged, this,
                &CDiagramEditor::onDocumentSelectionChanged);
        connect(document, &QObject::destroyed, this, [this] { gestures_.SetDocument(nullptr); });
    }
    viewport()->update();
}

const CDiagramEntityContainer* CDiagramEditor::Container() const
{
    return gestures_.Container();
}

void CDiagramEditor::onDocumentChanged()
{
    gestures_.DocumentChanged();
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
    return QSize(int(std::ceil(geo_.paper.width() * ctx_.zoom)) + f,
                 int(std::ceil(geo_.paper.height() * ctx_.zoom)) + f);
}

void CDiagramEditor::SetPaperSize(QSize size)
{
    geo_.paper = size;
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
    geo_.grid = QSize(std::max(1, stepH), std::max(1, stepV));
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
    geo_.zoom = zoom;
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

// ---- coordinates and scrolling ----

QPoint CDiagramEditor::ScrollPosition() const
{
    return QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
}

QPointF CDiagramEditor::ToPaper(QPoint window) const
{
    return geo_.ToPaper(window);
}

QPoint CDiagramEditor::ToWindow(QPointF paper) const
{
    return geo_.ToWindow(paper);
}

int CDiagramEditor::SnapX(double v) const
{
    return geo_.SnapX(v);
}

int CDiagramEditor::SnapY(double v) const
{
    return geo_.SnapY(v);
}

void CDiagramEditor::updateScrollBars()
{
    const int w = int(std::ceil(geo_.paper.width() * ctx_.zoom));
    const int h = int(std::ceil(geo_.paper.height() * ctx_.zoom));
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

void CDiagramEditor::scrollToward(QPoint window)
{
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
        ZoomAt(event->position().toPoint(),
               std::round((ctx_.zoom + notches * kWheelZoomStep) * 100) / 100);
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

// ---- painting ----

void CDiagramEditor::paintEvent(QPaintEvent*)
{
    QPainter p(viewport());
    const QPoint s = ScrollPosition();
    const QRect paperRect(-s.x(), -s.y(), int(std::floor(geo_.paper.width() * ctx_.zoom + 0.5)),
                          int(std::floor(geo_.paper.height() * ctx_.zoom + 0.5)));
    p.fillRect(viewport()->rect(), outsideColour_);
    // The panel-pixel view shows the paper as the panel does: white under
    // black ink.
    p.fillRect(paperRect, ctx_.panelPixels ? QColor(Qt::white) : paperColour_);
    if (gridShown_)
        paintGrid(p, paperRect);
    if (const auto* c = Container()) {
        const int n = c->GetSize();
        for (int i = 0; i < n; ++i)
            ObjectPainting::DrawScaled(p, *c->GetAt(i), ctx_, s, labels_ ? i + 1 : 0);
    }
    if (CurrentMode() == Mode::RubberBand) {
        const QRectF band = gestures_.Band().normalized();
        const QPoint a = ToWindow(band.topLeft());
        const QPoint b = ToWindow(band.bottomRight());
        p.setPen(QPen(Qt::black, 0, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRect(a, b));
    }
}

void CDiagramEditor::paintGrid(QPainter& p, const QRect& paperRect) const
{
    const QPoint s = ScrollPosition();
    const QSize grid = geo_.grid;
    p.setPen(QPen(gridColour_, 0));
    // At zoom 1 a step of 1 would fill the paper: every second line only.
    const bool sparse = ctx_.zoom == 1.0;
    for (int k = 0, x = 0; x <= geo_.paper.width(); ++k, x += grid.width()) {
        if (sparse && grid.width() == 1 && k % 2)
            continue;
        const int wx = int(x * ctx_.zoom + 0.5) - s.x();
        p.drawLine(wx, paperRect.top(), wx, paperRect.bottom());
    }
    for (int k = 0, y = 0; y <= geo_.paper.height(); ++k, y += grid.height()) {
        if (sparse && grid.height() == 1 && k % 2)
            continue;
        const int wy = int(y * ctx_.zoom + 0.5) - s.y();
        p.drawLine(paperRect.left(), wy, paperRect.right(), wy);
    }
}

// ---- the mouse ----

void CDiagramEditor::mousePressEvent(QMouseEvent* event)
{
    setFocus(Qt::MouseFocusReason);
    if (event->button() == Qt::LeftButton)
        gestures_.LeftDown(event->position().toPoint(), event->modifiers() & Qt::ControlModifier);
    else if (event->button() == Qt::RightButton)
        gestures_.RightDown(event->position().toPoint());
    viewport()->update();
}

void CDiagramEditor::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint window = event->position().toPoint();
    const Mode mode = CurrentMode();
    if (mode == Mode::Move || mode == Mode::Resize || mode == Mode::RubberBand)
        scrollToward(window);
    const QPointF pp = ToPaper(window);
    emit pointerMoved(QPoint(int(std::floor(pp.x())), int(std::floor(pp.y()))));
    gestures_.PointerMoved(window);
}

void CDiagramEditor::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) {
        showContextMenu(event->globalPosition().toPoint());
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    gestures_.LeftUp();
    viewport()->setCursor(gestures_.CursorAt(event->position().toPoint()));
}

void CDiagramEditor::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && Container() && Container()->GetSelectCount() == 1) {
        // The press of the double click started a move that did nothing.
        gestures_.LeftUp();
        ShowPropertiesOfSelection();
        return;
    }
    QAbstractScrollArea::mouseDoubleClickEvent(event);
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
    CScreenDocument* doc = Document();
    if (!doc)
        return;
    if (Container()->GetSelectCount() == 1) {
        doc->ShowContextMenu(gestures_.TopmostSelected(), global, this);
        return;
    }
    QMenu* menu = BuildEditorMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(global);
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
    if (Document() && kindFromMime(event->mimeData()) >= 0)
        event->acceptProposedAction();
}

void CDiagramEditor::dragMoveEvent(QDragMoveEvent* event)
{
    const bool on = Document() && kindFromMime(event->mimeData()) >= 0
                    && geo_.InsidePaper(ToPaper(event->position().toPoint()));
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
    gestures_.StartInsert(CreateObject(kind));
}

void CDiagramEditor::CancelMode()
{
    gestures_.Cancel();
}

bool CDiagramEditor::DropObject(int kind, QPoint window)
{
    if (!Document())
        return false;
    const QPointF pp = ToPaper(window);
    if (!geo_.InsidePaper(pp))
        return false;
    return actions_.Drop(CreateObject(kind), pp) != nullptr;
}
