#include "TextPreview.h"
#include "screen/FontSpec.h"
#include "screen/PictureFont.h"
#include "screen/TextPicture.h"

#include <QFontMetrics>
#include <QHash>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// Fonts are made once per look: painting asks for the same few again and again.
QFont cachedFont(const PictureFont& want)
{
    static QHash<QString, QFont> fonts;
    const QString key = QStringLiteral("%1|%2|%3|%4%5%6")
                            .arg(want.face)
                            .arg(want.height)
                            .arg(want.weight)
                            .arg(int(want.italic))
                            .arg(int(want.underline))
                            .arg(int(want.strikeOut));
    auto it = fonts.constFind(key);
    if (it != fonts.cend())
        return it.value();
    if (fonts.size() > 256)
        fonts.clear();
    const QFont font = PictureFontMaker::Make(want);
    fonts.insert(key, font);
    return font;
}

} // namespace

namespace TextPreview {

int ScaledHeight(int height, double zoom)
{
    const double scaled = std::trunc(std::abs(double(height)) * zoom + 0.5);
    const int magnitude = int(std::clamp(scaled, 1.0, 1000.0));
    return height < 0 ? -magnitude : magnitude;
}

QFont ObjectFont(const FontSpec& font, double zoom)
{
    PictureFont want = PictureFont::FromFontSpec(font);
    if (want.height != 0)
        want.height = ScaledHeight(want.height, zoom);
    return cachedFont(want);
}

QFont UiFont(int pixels, double zoom, bool arialBelowOne)
{
    PictureFont want;
    want.face =
        arialBelowOne && zoom < 1.0 ? QStringLiteral("Arial") : FontSpec::Default().faceName;
    want.height = ScaledHeight(-pixels, zoom);
    return cachedFont(want);
}

void DrawLine(QPainter& p, const QString& text, const QFont& font, const QRect& r)
{
    if (text.isEmpty() || r.isEmpty())
        return;
    const TextPicture::Fit fit = TextPicture::FitText(text, font, r.width(), r.height());
    const QFontMetrics fm(font);
    p.save();
    p.setClipRect(r, Qt::IntersectClip);
    p.setFont(font);
    p.setPen(Qt::black);
    const int top = r.top() + (r.height() - fm.height()) / 2;
    p.drawText(QPoint(r.left(), top + fm.ascent()), text.left(std::max(fit.taken, 1)));
    p.restore();
}

QSize Extent(const QString& text, const QFont& font)
{
    const QFontMetrics fm(font);
    int width = 0;
    for (QChar ch : text)
        width += fm.horizontalAdvance(ch);
    return QSize(width, fm.height());
}

void Invert(QPainter& p, const QRect& r)
{
    p.save();
    p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    p.fillRect(r, Qt::white);
    p.restore();
}

} // namespace TextPreview
