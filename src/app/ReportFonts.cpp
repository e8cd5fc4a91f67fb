#include "ReportFonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace ReportFonts {

QString ChineseFamily()
{
    static const QString family = [] {
        const QStringList families = QFontDatabase::families();
        for (const char* preferred : {"WenQuanYi Zen Hei", "WenQuanYi Micro Hei"})
            if (families.contains(QString::fromLatin1(preferred)))
                return QString::fromLatin1(preferred);
        for (const QString& f : families)
            if (f.startsWith(QLatin1String("WenQuanYi"), Qt::CaseInsensitive)
                && QFontDatabase::isSmoothlyScalable(f))
                return f;
        return QString();
    }();
    return family;
}

QFont Face(bool chineseFirst, double points, bool bold)
{
    QStringList families{QStringLiteral("DejaVu Sans")};
    const QString chinese = ChineseFamily();
    if (!chinese.isEmpty())
        families.insert(chineseFirst ? 0 : 1, chinese);
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    // A letter spacing, however small, keeps the shaper from joining letters
    // into ligatures: the PDF's text then reads back as it was written.
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0.05);
    return font;
}

} // namespace ReportFonts
