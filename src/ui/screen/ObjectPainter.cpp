#include "ObjectPainter.h"
#include "EditorObjectKinds.h"
#include "PreviewPictures.h"
#include "TextPreview.h"
#include "screen/DiagramEntity.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// Anything that is none of the kinds: a black frame on white.
class CFramePainter : public CObjectPainter
{
public:
    void Draw(QPainter& p, const CDiagramEntity&, const QRect& target,
              const ObjectPaintContext&) const override
    {
        p.fillRect(target, Qt::white);
        p.save();
        p.setPen(QPen(Qt::black, 0));
        p.setBrush(Qt::NoBrush);
        p.drawRect(target.adjusted(0, 0, -1, -1));
        p.restore();
    }
    QSize ContentSize(const CDiagramEntity& object, const ObjectPaintContext&) const override
    {
        const PaperRect r = object.GetRect().Normalized();
        return QSize(r.Width(), r.Height());
    }
    void DrawIcon(QPainter&) const override {}
    bool HasIcon() const override { return false; }
};

// The painter's device in its logical coordinates, cut to its clip.
QRect visibleArea(const QPainter& p)
{
    const QPaintDevice* device = p.device();
    if (!device)
        return QRect();
    QRect area =
        p.worldTransform().inverted().mapRect(QRect(0, 0, device->width(), device->height()));
    if (p.hasClipping())
        area &= p.clipBoundingRect().toAlignedRect();
    return area;
}

// The panel's picture where it is shown: its pixels under the visible part
// `shown` of `target`, each a zoom-sized square; the rest is never made.
void drawPanelPicture(QPainter& p, const CDiagramEntity& object, const ObjectPaintContext& ctx,
                      const QRect& target, const QRect& shown)
{
    const double z = ctx.zoom;
    const QRectF under((shown.left() - target.left()) / z, (shown.top() - target.top()) / z,
                       shown.width() / z, shown.height() / z);
    const QRect part =
        under.toAlignedRect() & QRect(QPoint(0, 0), CPreviewPictures::PanelSize(object));
    if (part.isEmpty())
        return;
    const QImage piece = ctx.pictures->PanelPicture(object, part);
    if (piece.isNull())
        return;
    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.translate(target.topLeft());
    p.scale(z, z);
    p.drawImage(part.topLeft(), piece);
    p.restore();
}

} // namespace

const CObjectPainter& CObjectPainter::ForKind(int kind)
{
    static const CFramePainter frame;
    const EditorObjectKind* row = EditorObjectKindOf(kind);
    return row ? *row->painter : frame;
}

namespace ObjectPainting {

int WindowCoordinate(double window)
{
    if (!(window == window))
        return 0;
    return int(std::clamp(window, -double(kWindowReach), double(kWindowReach)));
}

QRect WindowRect(const CDiagramEntity& object, double zoom, QPoint scroll)
{
    // In doubles: an edge near the end of the int range times the zoom is
    // far beyond it.
    const PaperRect r = object.GetRect().Normalized();
    const auto at = [zoom](int v, int scrolled) {
        return WindowCoordinate(std::floor(double(v) * zoom + 0.5) - scrolled);
    };
    const int left = at(r.left, scroll.x());
    const int top = at(r.top, scroll.y());
    return QRect(left, top, at(r.right, scroll.x()) - left, at(r.bottom, scroll.y()) - top);
}

void DrawScaled(QPainter& p, const CDiagramEntity& object, const ObjectPaintContext& ctx,
                QPoint scroll, int label)
{
    const QRect target = WindowRect(object, ctx.zoom, scroll);
    const QRect shown = target & visibleArea(p);
    if (!shown.isEmpty()) {
        const CObjectPainter& painter = CObjectPainter::ForKind(object.Kind());
        if (ctx.panelPixels && ctx.pictures && painter.HasPanelPicture()) {
            drawPanelPicture(p, object, ctx, target, shown);
        } else if (ctx.pictures) {
            // Drawn once per look, then copied: text at large zooms is slow.
            const QImage preview = ctx.pictures->Preview(object, target.size(),
                                                         shown.translated(-target.topLeft()), ctx);
            if (!preview.isNull())
                p.drawImage(shown.topLeft(), preview);
        } else {
            p.save();
            p.setClipRect(shown, Qt::IntersectClip);
            painter.Draw(p, object, target, ctx);
            p.restore();
        }
    }
    if (label > 0)
        DrawLabel(p, label, target.topLeft(), ctx.zoom);
    if (object.IsSelected())
        DrawMarkers(p, object, target);
}

void DrawLabel(QPainter& p, int label, QPoint topLeft, double zoom)
{
    const QString text = QString::number(label);
    const QFont font = TextPreview::UiFont(7, zoom);
    const QFontMetrics fm(font);
    const int margin = std::max(1, int(zoom + 0.5));
    const QRect box(topLeft, QSize(fm.horizontalAdvance(text) + 2 * margin, fm.height()));
    p.save();
    p.fillRect(box, QColor(152, 251, 152));
    p.setPen(QPen(Qt::black, 0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(box.adjusted(0, 0, -1, -1));
    p.setFont(font);
    p.drawText(QPoint(box.left() + margin, box.top() + fm.ascent()), text);
    p.restore();
}

void DrawMarkers(QPainter& p, const CDiagramEntity& object, const QRect& target)
{
    const PaperRect r{target.left(), target.top(), target.left() + target.width(),
                      target.top() + target.height()};
    for (int code = HIT_TOPLEFT; code <= HIT_RIGHTMIDDLE; ++code) {
        const PaperRect m = object.GetMarkerRect(HitCode(code), r);
        p.fillRect(QRect(m.left, m.top, m.Width(), m.Height()), Qt::black);
    }
}

QRect MeasureContent(const CDiagramEntity& object, const ObjectPaintContext& ctx)
{
    const PaperRect r = object.GetRect();
    const QSize size = CObjectPainter::ForKind(object.Kind()).ContentSize(object, ctx);
    return QRect(r.left, r.top, size.width(), size.height());
}

} // namespace ObjectPainting
