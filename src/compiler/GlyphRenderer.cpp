#include "GlyphRenderer.h"
#include "screen/ColumnPacker.h"
#include "screen/PictureFont.h"
#include "base/TextCodec936.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <algorithm>

namespace GlyphRenderer {

quint8 WidthFlag(QChar ch)
{
    const QByteArray bytes = TextCodec936::Encode(QString(ch));
    return !bytes.isEmpty() && quint8(bytes[0]) >= 0x80 ? 0xFF : 0x00;
}

int GlyphWidth(QChar ch)
{
    return TextCodec936::Encode(QString(ch)).size() == 2 ? 16 : 8;
}

QByteArray Render(QChar ch)
{
    const int width = GlyphWidth(ch);
    QImage img(width, 16, QImage::Format_RGB32);
    img.fill(Qt::white);
    if (!ch.isSurrogate()) {
        const QFont font = PictureFontMaker::Make(PictureFont::GlyphFont());
        const QFontMetrics fm(font);
        QPainter p(&img);
        p.setFont(font);
        p.setPen(Qt::black);
        // The line is centred on the 16 rows. The song face's 15-pixel strike
        // has a deeper descent than its line leaves room for: a glyph whose ink
        // would fall below the last row (the underscore) moves up just enough,
        // as long as its top stays inside; every other glyph stays centred.
        int baseline = (16 - fm.height()) / 2 + fm.ascent();
        const QRect ink = fm.boundingRect(ch);
        if (!ink.isEmpty()) {
            const int below = baseline + ink.bottom() - 15;
            const int room = baseline + ink.top();
            if (below > 0 && room > 0)
                baseline -= std::min(below, room);
        }
        p.drawText(QPoint(0, baseline), QString(ch));
    }
    return ColumnPacker::Pack(img);
}

} // namespace GlyphRenderer
