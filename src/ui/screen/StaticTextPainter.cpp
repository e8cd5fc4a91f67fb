#include "StaticTextPainter.h"
#include "screen/TextPicture.h"
#include "screen/PictureFont.h"
#include "ui/widgets/IconInk.h"
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

void CStaticTextPainter::DrawIcon(QPainter& p) const
{
    using namespace IconInk;
    Letter(p, QRectF(0, 0, 24, 24), QStringLiteral("A"), kInk, 18);
}

QImage CStaticTextPainter::PanelPicture(const CDiagramEntity& object, int w, int h,
                                        const QRect& part, CPreviewPictures&) const
{
    const auto& o = static_cast<const CObjectStaticText&>(object);
    return TextPicture::Render(o.text, PictureFont::FromFontSpec(o.font), w, h, o.inversion != 0,
                               part);
}
