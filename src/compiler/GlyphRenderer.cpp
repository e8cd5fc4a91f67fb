#include "GlyphRenderer.h"
#include "ColumnPacker.h"
#include "PictureFont.h"
#include "app/TextCodec936.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

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
        const int top = (16 - fm.height()) / 2;
        p.drawText(QPoint(0, top + fm.ascent()), QString(ch));
    }
    return ColumnPacker::Pack(img);
}

} // namespace GlyphRenderer
