#include "StringPainter.h"
#include "ui/widgets/IconInk.h"
#include "TextPreview.h"
#include "screen/ObjectString.h"

#include <QPainter>

#include <algorithm>

namespace {

QString sample(const CObjectString& o)
{
    // A damaged file may ask for any count; the preview shows at most 256.
    return QString(std::clamp(o.stringCount, 0, 256), QLatin1Char('A'));
}

} // namespace

void CStringPainter::Draw(QPainter& p, const CDiagramEntity& object, const QRect& target,
                          const ObjectPaintContext& ctx) const
{
    const auto& o = static_cast<const CObjectString&>(object);
    p.fillRect(target, Qt::white);
    TextPreview::DrawLine(p, sample(o), TextPreview::UiFont(o.doubleSize ? 30 : 15, ctx.zoom),
                          target);
    if (o.inversion)
        TextPreview::Invert(p, target);
}

QSize CStringPainter::ContentSize(const CDiagramEntity& object, const ObjectPaintContext&) const
{
    const auto& o = static_cast<const CObjectString&>(object);
    return TextPreview::Extent(sample(o), TextPreview::UiFont(o.doubleSize ? 30 : 15, 1.0));
}

void CStringPainter::DrawIcon(QPainter& p) const
{
    using namespace IconInk;
    Letter(p, QRectF(0, 0, 24, 24), QStringLiteral("abc"), kInk, 10);
}

QString CStringPainter::ContentFields(const CDiagramEntity& object) const
{
    const auto& o = static_cast<const CObjectString&>(object);
    return QStringLiteral("%1,%2").arg(o.stringCount).arg(o.doubleSize);
}
