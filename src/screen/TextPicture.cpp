#include "TextPicture.h"

#include <QFontMetrics>
#include <QPainter>

namespace {

// Ink width of a run whose text extent (the sum of its characters' own
// widths) is `extent`: less the first character's left bearing and the last
// character's right bearing.
int inkWidth(const QFontMetrics& fm, int extent, QChar first, QChar last)
{
    return extent - fm.leftBearing(first) - fm.rightBearing(last);
}

int inkWidth(const QFontMetrics& fm, QStringView run)
{
    if (run.isEmpty())
        return 0;
    int extent = 0;
    for (QChar ch : run)
        extent += fm.horizontalAdvance(ch);
    return inkWidth(fm, extent, run.front(), run.back());
}

} // namespace

namespace TextPicture {

Fit FitText(const QString& text, const QFont& font, int width, int height)
{
    const QFontMetrics fm(font);
    const int len = int(text.size());
    Fit fit;
    fit.taken = len;
    int n = 1;
    int extent = 0; // of the first n characters, grown one character at a time
    for (; n <= len; ++n) {
        if (fm.height() > height) {
            fit.taken = len;
            break;
        }
        extent += fm.horizontalAdvance(text[n - 1]);
        if (inkWidth(fm, extent, text.front(), text[n - 1]) <= width)
            continue;
        fit.taken = n == 1 ? 1 : n - 1;
        break;
    }
    fit.justified = fit.taken < len && n > 2;
    return fit;
}

QImage Render(const QString& text, const PictureFont& want, int width, int height, bool inverted,
              const QRect& part)
{
    const QRect whole(0, 0, std::max(width, 0), std::max(height, 0));
    const QRect drawn = part.isEmpty() ? whole : part.intersected(whole);
    QImage img(drawn.size(), QImage::Format_RGB32);
    if (img.isNull())
        return img;
    img.fill(Qt::white);
    const QFont font = PictureFontMaker::Make(want);
    const Fit fit = FitText(text, font, width, height);
    const QString taken = text.left(fit.taken);
    if (!taken.isEmpty()) {
        QPainter p(&img);
        p.translate(-drawn.topLeft());
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setRenderHint(QPainter::TextAntialiasing, false);
        p.setFont(font);
        p.setPen(Qt::black);
        const QFontMetrics fm(font);
        if (fit.justified) {
            const int c = int(taken.size());
            const int free = width - inkWidth(fm, taken);
            const int share = free / c;
            const int rest = free % c;
            int acc = 0;
            int x = -fm.leftBearing(taken.front());
            for (QChar ch : taken) {
                p.drawText(QPoint(x, fm.ascent()), QString(ch));
                int advance = fm.horizontalAdvance(ch) + share;
                acc += rest;
                if (acc >= c) {
                    ++advance;
                    acc -= c;
                }
                x += advance;
            }
        } else {
            const int top = (height - fm.height()) / 2;
            p.drawText(QPoint(0, top + fm.ascent()), taken);
        }
    }
    if (inverted)
        img.invertPixels();
    return img;
}

} // namespace TextPicture
