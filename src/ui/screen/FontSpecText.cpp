#include "FontSpecText.h"

#include <cstdlib>

namespace FontSpecText {

QFont ToQFont(const FontSpec& font)
{
    QFont q(font.faceName);
    q.setPixelSize(qMax(1, std::abs(font.height)));
    q.setWeight(QFont::Weight(qBound(1, font.weight == 0 ? 400 : int(font.weight), 1000)));
    q.setItalic(font.italic != 0);
    q.setUnderline(font.underline != 0);
    q.setStrikeOut(font.strikeOut != 0);
    return q;
}

FontSpec FromQFont(const QFont& qfont, FontSpec kept)
{
    kept.SetFaceName(qfont.family());
    const int pixels =
        qfont.pixelSize() > 0 ? qfont.pixelSize() : qRound(qfont.pointSizeF() * 96.0 / 72.0);
    kept.height = -qMax(1, pixels);
    kept.weight = int(qfont.weight());
    kept.italic = qfont.italic() ? 1 : 0;
    kept.underline = qfont.underline() ? 1 : 0;
    kept.strikeOut = qfont.strikeOut() ? 1 : 0;
    return kept;
}

QString Describe(const FontSpec& font)
{
    return QStringLiteral("%1, %2").arg(font.faceName).arg(std::abs(font.height));
}

} // namespace FontSpecText
