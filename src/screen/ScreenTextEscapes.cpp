#include "ScreenTextEscapes.h"

namespace ScreenTextEscapes {

QString Escape(const QString& text)
{
    // Nothing to do for the common case.
    bool plain = true;
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'`' || u == u';' || u == u',' || u == u'\r' || u == u'\n') {
            plain = false;
            break;
        }
    }
    if (plain)
        return text;
    QString out;
    out.reserve(text.size() + 16);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text[i].unicode();
        switch (u) {
        case u'`': out += QLatin1String("\\colon"); break;
        case u';': out += QLatin1String("\\semicolon"); break;
        case u',': out += QLatin1String("\\comma"); break;
        case u'\r':
            if (i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
                ++i;
            out += QLatin1String("\\newline");
            break;
        case u'\n': out += QLatin1String("\\newline"); break;
        default: out += QChar(u);
        }
    }
    return out;
}

QString Unescape(QStringView text)
{
    QString out = text.toString();
    if (!out.contains(QLatin1Char('\\')))
        return out;
    out.replace(QLatin1String("\\colon"), QLatin1String("`"));
    out.replace(QLatin1String("\\semicolon"), QLatin1String(";"));
    out.replace(QLatin1String("\\comma"), QLatin1String(","));
    out.replace(QLatin1String("\\newline"), QLatin1String("\r\n"));
    return out;
}

} // namespace ScreenTextEscapes
