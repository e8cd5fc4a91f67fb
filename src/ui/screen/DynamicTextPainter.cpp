#include "DynamicTextPainter.h"
#include "TextPreview.h"
#include "screen/ObjectDynamicText.h"

#include <QPainter>

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
