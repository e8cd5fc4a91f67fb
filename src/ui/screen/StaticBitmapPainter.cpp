#include "StaticBitmapPainter.h"
#include "ui/widgets/IconInk.h"
#include "ObjectPainter.h"
#include "PreviewPictures.h"
#include "screen/ObjectStaticBitmap.h"
#include "screen/StaticBitmapPicture.h"

#include <QPainter>

#include <algorithm>
#include <climits>
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
    const auto side = [](qint64 extent) { return int(std::clamp<qint64>(extent, 0, INT_MAX)); };
    const QRect place = StaticBitmapPicture::Placement(
        picture.size(), QPoint(r.left, r.top),
        QSize(side(qint64(r.right) - r.left), side(qint64(r.bottom) - r.top)), o.scaling);
    if (place.isEmpty())
        return;
    // The edges in window pixels, kept within the window's reach.
    const double z = ctx.zoom;
    const auto at = [](int origin, double offset) {
        return ObjectPainting::WindowCoordinate(origin + std::round(offset));
    };
    const int left = at(target.left(), place.left() * z);
    const int top = at(target.top(), place.top() * z);
    const QRect zoomed(left, top,
                       at(target.left(), (double(place.left()) + place.width()) * z) - left,
                       at(target.top(), (double(place.top()) + place.height()) * z) - top);
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
                                          const QRect& part, CPreviewPictures& pictures) const
{
    const auto& o = static_cast<const CObjectStaticBitmap&>(object);
    const PaperRect r = o.GetRect();
    return StaticBitmapPicture::Render(pictures.BitmapOf(o), QPoint(r.left, r.top), QSize(w, h),
                                       o.scaling, o.blackInversion != 0, part);
}
