#include "NumericPainter.h"
#include "ui/widgets/IconInk.h"
#include "TextPreview.h"
#include "screen/ObjectNumeric.h"

#include <QPainter>

#include <algorithm>

namespace {
// A damaged file may ask for any digit count; the preview shows at most these.
constexpr int kMaxSampleDigits = 64;
} // namespace

QString CNumericPainter::Sample(const NumericProperties& n)
{
    QString s;
    const int digits = std::clamp(n.digits, 0, kMaxSampleDigits);
    for (int i = 1; i <= digits; ++i)
        s += n.leadingZeros ? QLatin1Char('0') : QChar(u'0' + i % 10);
    const int places = n.decimalPlaces;
    if (places > 0 && places < s.size())
        s.insert(s.size() - places, QLatin1Char('.'));
    else if (places > 0)
        s.prepend(QStringLiteral("0."));
    if (n.isSigned && n.model == 0)
        s.prepend(QLatin1Char('-'));
    return s;
}

void CNumericPainter::Draw(QPainter& p, const CDiagramEntity& object, const QRect& target,
                           const ObjectPaintContext& ctx) const
{
    const auto& o = static_cast<const CObjectNumeric&>(object);
    p.fillRect(target, Qt::white);
    const QFont font = TextPreview::UiFont(o.doubleSize ? 30 : 15, ctx.zoom, true);
    TextPreview::DrawLine(p, Sample(o), font, target);
    if (o.inversion)
        TextPreview::Invert(p, target);
}

QSize CNumericPainter::ContentSize(const CDiagramEntity& object, const ObjectPaintContext&) const
{
    const auto& o = static_cast<const CObjectNumeric&>(object);
    return TextPreview::Extent(Sample(o), TextPreview::UiFont(o.doubleSize ? 30 : 15, 1.0, true));
}

void CNumericPainter::DrawIcon(QPainter& p) const
{
    using namespace IconInk;
    Letter(p, QRectF(0, 0, 24, 24), QStringLiteral("123"), kInk, 10);
}

QString CNumericPainter::ContentFields(const CDiagramEntity& object) const
{
    const auto& o = static_cast<const CObjectNumeric&>(object);
    return QStringLiteral("%1,%2,%3,%4,%5,%6")
        .arg(o.digits)
        .arg(o.decimalPlaces)
        .arg(o.isSigned)
        .arg(o.model)
        .arg(o.leadingZeros)
        .arg(o.doubleSize);
}
