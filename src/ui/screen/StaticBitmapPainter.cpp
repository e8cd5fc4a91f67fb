#include "StaticBitmapPainter.h"
#include "ui/widgets/IconInk.h"
#include "PreviewPictures.h"
#include "screen/ObjectStaticBitmap.h"
#include "screen/StaticBitmapPicture.h"

#include <QPainter>

#include <cmath>

void CStaticBitmapPainter::Draw(QPainter& p, const CDiagramEntity& object, const QRect& target,
                                const ObjectPaintContext& ctx) const
{
    const auto& o = static_cast<const CObjectStaticBitmap&>(object);
    p.fillRect(target, o.blackInversion ? Qt::black : Qt::white);
    const QImage picture = ctx.pictures ? ctx.pictures->BitmapOf(o) : QImage();
    if (picture.isNull()) {
        // A file that cannot be read: the box with a dotted cross, so the
        // object can still be found and chosen.
        p.save();
        p.setPen(QPen(o.blackInversion ? Qt::white : Qt::darkGray, 0, Qt::DotLine));
        p.drawLine(target.topLeft(), target.bottomRight());
        p.drawLine(target.topRight(), target.bottomLeft());
        p.restore();
        return;
    }
    // The same placement as the panel's picture, in paper pixels, then zoomed.
    const PaperRect r = o.GetRect();
    const QRect box(r.left, r.top, r.Width(), r.Height());
    const QRect place = StaticBitmapPicture::Placement(picture.size(), box, o.scaling);
    if (place.isEmpty())
        return;
    const double z = ctx.zoom;
    const QRect zoomed(target.left() + int(std::lround(place.left() * z)),
                       target.top() + int(std::lround(place.top() * z)),
                       int(std::lround(place.width() * z)), int(std::lround(place.height() * z)));
    p.save();
    p.setClipRect(target, Qt::IntersectClip);
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.drawImage(zoomed, picture);
    p.restore();
}

QSize CStaticBitmapPainter::ContentSize(const CDiagramEntity& object,
                                        const ObjectPaintContext& ctx) const
{
    const auto& o = static_cast<const CObjectStaticBitmap&>(object);
    const QImage picture = ctx.pictures ? ctx.pictures->BitmapOf(o) : QImage();
    if (picture.isNull())
        return o.GetMinimumSize();
    return picture.size();
}

void CStaticBitmapPainter::DrawIcon(QPainter& p) const
{
    using namespace IconInk;
    p.setPen(Pen(kInk, 1.2));
    p.setBrush(kPaper);
    p.drawRect(QRectF(2.5, 4, 19, 16));
    p.setBrush(kGreen);
    QPolygonF hill;
    hill << QPointF(3, 19.5) << QPointF(9, 11) << QPointF(13, 16) << QPointF(16, 13)
         << QPointF(21, 19.5);
    p.drawPolygon(hill);
    p.setBrush(kWarm);
    p.drawEllipse(QPointF(16, 8.5), 2, 2);
}

QImage CStaticBitmapPainter::PanelPicture(const CDiagramEntity& object, int w, int h,
                                          CPreviewPictures& pictures) const
{
    const auto& o = static_cast<const CObjectStaticBitmap&>(object);
    const PaperRect r = o.GetRect();
    return StaticBitmapPicture::Render(pictures.BitmapOf(o), QRect(r.left, r.top, w, h), o.scaling,
                                       o.blackInversion != 0);
}
