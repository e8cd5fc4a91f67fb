#include "DynamicTextPainter.h"
#include "screen/TextPicture.h"
#include "screen/PictureFont.h"
#include "ui/widgets/IconInk.h"
#include "TextPreview.h"
#include "screen/ObjectDynamicText.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

void CDynamicTextPainter::Draw(QPainter& p, const CDiagramEntity& object, const QRect& target,
                               const ObjectPaintContext& ctx) const
{
    const auto& o = static_cast<const CObjectDynamicText&>(object);
    p.fillRect(target, Qt::white);
    TextPreview::DrawLine(p, o.texts.value(0), TextPreview::ObjectFont(o.font, ctx.zoom), target);
    if (o.inversion)
        TextPreview::Invert(p, target);
}

QSize CDynamicTextPainter::ContentSize(const CDiagramEntity& object,
                                       const ObjectPaintContext&) const
{
    const auto& o = static_cast<const CObjectDynamicText&>(object);
    const QFont font = TextPreview::ObjectFont(o.font, 1.0);
    QSize size = TextPreview::Extent(QString(), font);
    for (const QString& text : o.texts) {
        const QSize s = TextPreview::Extent(text, font);
        size = QSize(std::max(size.width(), s.width()), std::max(size.height(), s.height()));
    }
    return size;
}

void CDynamicTextPainter::DrawIcon(QPainter& p) const
{
    using namespace IconInk;
    Letter(p, QRectF(0, -2, 24, 22), QStringLiteral("A"), kAccent, 16);
    p.setPen(Pen(kAccent, 1.6));
    QPainterPath wave;
    wave.moveTo(3, 21);
    wave.cubicTo(8, 17, 12, 25, 21, 20);
    p.setBrush(Qt::NoBrush);
    p.drawPath(wave);
}

QImage CDynamicTextPainter::PanelPicture(const CDiagramEntity& object, int w, int h,
                                         const QRect& part, CPreviewPictures&) const
{
    const auto& o = static_cast<const CObjectDynamicText&>(object);
    return TextPicture::Render(o.texts.value(0), PictureFont::FromFontSpec(o.font), w, h,
                               o.inversion != 0, part);
}
