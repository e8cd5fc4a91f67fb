#include "PictureFont.h"

#include <QFontMetrics>
#include <QStringList>

#include <algorithm>

#include <cstdlib>

namespace {

const QString kBitmapSong = QStringLiteral("WenQuanYi Bitmap Song");
const QString kZenHei = QStringLiteral("WenQuanYi Zen Hei");
const QString kSans = QStringLiteral("Liberation Sans");
const QString kSerif = QStringLiteral("Liberation Serif");
const QString kMono = QStringLiteral("Liberation Mono");

bool isSongFace(const QString& f)
{
    static const QStringList faces{QStringLiteral("宋体"),       QStringLiteral("simsun"),
                                   QStringLiteral("nsimsun"),    QStringLiteral("新宋体"),
                                   QStringLiteral("@宋体"),      QStringLiteral("song"),
                                   QStringLiteral("simsun-extb")};
    return faces.contains(f);
}

} // namespace

namespace PictureFontMaker {

QString SubstituteFamily(const QString& face, int pixelSize)
{
    const QString f = face.trimmed().toLower();
    if (isSongFace(f)) {
        // The bitmap song has strikes of 12 to 16 pixels; other sizes scale.
        return pixelSize >= 12 && pixelSize <= 16 ? kBitmapSong : kZenHei;
    }
    if (f == QLatin1String("黑体") || f == QLatin1String("simhei") || f == QLatin1String("微软雅黑")
        || f == QLatin1String("microsoft yahei"))
        return kZenHei;
    if (f == QLatin1String("arial") || f == QLatin1String("tahoma")
        || f == QLatin1String("ms sans serif") || f == QLatin1String("microsoft sans serif")
        || f == QLatin1String("ms shell dlg") || f == QLatin1String("ms shell dlg 2")
        || f == QLatin1String("segoe ui") || f == QLatin1String("verdana")
        || f == QLatin1String("system") || f.isEmpty())
        return kSans;
    if (f == QLatin1String("times new roman") || f == QLatin1String("ms serif")
        || f == QLatin1String("georgia"))
        return kSerif;
    if (f == QLatin1String("courier new") || f == QLatin1String("courier")
        || f == QLatin1String("lucida console") || f == QLatin1String("consolas"))
        return kMono;
    return face.trimmed();
}

QFont Make(const PictureFont& want)
{
    // A logical font's height 0 asks for the default size.
    // Heights beyond the clamp come from damaged files; qint64 keeps the
    // magnitude of the most negative int exact.
    const int pixelSize =
        want.height == 0 ? 12 : int(std::clamp<qint64>(std::abs(qint64(want.height)), 1, 1000));
    QFont font(SubstituteFamily(want.face, pixelSize));
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::PreferBitmap
                                               | QFont::NoSubpixelAntialias));
    font.setHintingPreference(QFont::PreferFullHinting);
    // Characters advance by their own widths: no pair kerning, as the panel's
    // text extents are the plain sums of the character widths.
    font.setKerning(false);
    font.setPixelSize(pixelSize);
    const int weight = want.weight <= 0 ? 400 : std::clamp(want.weight, 1, 1000);
    font.setWeight(QFont::Weight(weight));
    font.setItalic(want.italic);
    font.setUnderline(want.underline);
    font.setStrikeOut(want.strikeOut);
    if (want.height > 0) {
        // A positive height is the cell height: scale the character height
        // so that ascent plus descent come out at that height.
        const int cell = QFontMetrics(font).height();
        if (cell > 0 && cell != want.height) {
            const int scaled =
                int(std::clamp<qint64>(qint64(pixelSize) * want.height / cell, 1, 1000));
            font.setFamily(SubstituteFamily(want.face, scaled));
            font.setPixelSize(scaled);
        }
    }
    return font;
}

} // namespace PictureFontMaker
