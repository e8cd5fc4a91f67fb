#include "ObjectPainter.h"
#include "EditorObjectKinds.h"
#include "PreviewPictures.h"
#include "screen/DiagramEntity.h"

#include <QPainter>

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

int toWindow(int v, double zoom)
{
    return int(std::floor(double(v) * zoom + 0.5));
}

} // namespace

const CObjectPainter& CObjectPainter::ForKind(int kind)
{
    static const CFramePainter frame;
    const EditorObjectKind* row = EditorObjectKindOf(kind);
    return row ? *row->painter : frame;
}

namespace ObjectPainting {

QRect WindowRect(const CDiagramEntity& object, double zoom, QPoint scroll)
{
    const PaperRect r = object.GetRect().Normalized();
    const int left = toWindow(r.left, zoom) - scroll.x();
    const int top = toWindow(r.top, zoom) - scroll.y();
    const int right = toWindow(r.right, zoom) - scroll.x();
    const int bottom = toWindow(r.bottom, zoom) - scroll.y();
    return QRect(left, top, right - left, bottom - top);
}

void DrawScaled(QPainter& p, const CDiagramEntity& object, const ObjectPaintContext& ctx,
                QPoint scroll, int label)
{
    const QRect target = WindowRect(object, ctx.zoom, scroll);
    if (!target.isEmpty()) {
        QImage panel;
        if (ctx.panelPixels && ctx.pictures)
            panel = ctx.pictures->PanelPicture(object);
        if (!panel.isNull()) {
            // The panel's pixels, each one a zoom-sized square.
            p.save();
            p.setRenderHint(QPainter::SmoothPixmapTransform, false);
            p.drawImage(QRect(target.topLeft(), QSize(toWindow(panel.width(), ctx.zoom),
                                                      toWindow(panel.height(), ctx.zoom))),
                        panel);
            p.restore();
        } else if (ctx.pictures) {
            // Drawn once per look, then copied: text at large zooms is slow.
            const QImage preview = ctx.pictures->Preview(object, target.size(), ctx);
            if (!preview.isNull())
                p.drawImage(target.topLeft(), preview);
        } else {
            CObjectPainter::ForKind(object.Kind()).Draw(p, object, target, ctx);
        }
    }
    if (label > 0)
        DrawLabel(p, label, target.topLeft(), ctx.zoom);
    if (object.IsSelected())
        DrawMarkers(p, object, target);
}

void DrawLabel(QPainter& p, int label, QPoint topLeft, double zoom)
{
    // Digits of 3 x 5 units, 7 with their spacing, in a box with a margin of
    // one unit and a black outline (one unit a panel pixel at zoom 1):
    // legible at every zoom, where a 7-pixel font is not.
    static constexpr quint16 kDigits[10] = {
        0b111'101'101'101'111, 0b010'110'010'010'111, 0b111'001'111'100'111, 0b111'001'111'001'111,
        0b101'101'111'001'001, 0b111'100'111'001'111, 0b111'100'111'101'111, 0b111'001'010'010'010,
        0b111'101'111'101'111, 0b111'101'111'001'111,
    };
    const QString text = QString::number(label);
    const int units = 4 * int(text.size()) + 3;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.translate(topLeft);
    p.scale(zoom, zoom);
    p.fillRect(QRectF(0, 0, units, 9), Qt::black);
    p.fillRect(QRectF(1, 1, units - 2, 7), QColor(152, 251, 152));
    for (int i = 0; i < text.size(); ++i) {
        const quint16 bits = kDigits[text[i].unicode() - u'0'];
        for (int row = 0; row < 5; ++row)
            for (int col = 0; col < 3; ++col)
                if (bits & (1 << (14 - row * 3 - col)))
                    p.fillRect(QRectF(2 + 4 * i + col, 2 + row, 1, 1), Qt::black);
    }
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
