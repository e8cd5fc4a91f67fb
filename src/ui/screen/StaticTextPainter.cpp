#include "StaticTextPainter.h"
#include "TextPreview.h"
#include "screen/ObjectStaticText.h"

#include <QPainter>

void CStaticTextPainter::Draw(QPainter& p, const CDiagramEntity& object, const QRect& target,
                              const ObjectPaintContext& ctx) const
{
    const auto& o = static_cast<const CObjectStaticText&>(object);
    p.fillRect(target, Qt::white);
    TextPreview::DrawLine(p, o.text, TextPreview::ObjectFont(o.font, ctx.zoom), target);
    if (o.inversion)
        TextPreview::Invert(p, target);
}

QSize CStaticTextPainter::ContentSize(const CDiagramEntity& object, const ObjectPaintContext&) const
{
    const auto& o = static_cast<const CObjectStaticText&>(object);
    return TextPreview::Extent(o.text, TextPreview::ObjectFont(o.font, 1.0));
}
