// Draws the help pages' pictures (what each object kind looks like on the
// panel's 192 x 64 monochrome display) and the application icon.
//
//     qv-artwork HELPDIR DESKTOPDIR
//
// HELPDIR receives <Kind>.png per object kind, DESKTOPDIR corvel-48.png and
// corvel-256.png.
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <cstdio>
#include <functional>

namespace {

const QColor kLcdBack(0xC8, 0xD4, 0xB0);
const QColor kLcdInk(0x20, 0x28, 0x18);
constexpr int kScale = 3;

QFont panelFont(int pixels, bool bold = false)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixels);
    f.setBold(bold);
    f.setStyleStrategy(QFont::NoAntialias);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

// Draws on a one-bit panel area of w x h pixels, then shows it the way the
// display does: dark dots on the grey-green glass, enlarged, with a bezel.
QImage panelPicture(int w, int h, const std::function<void(QPainter&)>& draw)
{
    QImage pixels(w, h, QImage::Format_RGB32);
    pixels.fill(Qt::white);
    {
        QPainter p(&pixels);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setRenderHint(QPainter::TextAntialiasing, false);
        p.setPen(Qt::black);
        p.setBrush(Qt::NoBrush);
        draw(p);
    }
    const int border = 6;
    QImage out(w * kScale + 2 * border, h * kScale + 2 * border, QImage::Format_RGB32);
    out.fill(QColor(0x3A, 0x3D, 0x42));
    QPainter p(&out);
    p.fillRect(QRect(border, border, w * kScale, h * kScale), kLcdBack);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (qGray(pixels.pixel(x, y)) < 128)
                p.fillRect(QRect(border + x * kScale, border + y * kScale, kScale - 1, kScale - 1),
                           kLcdInk);
    return out;
}

void invertRect(QPainter& p, const QRect& r)
{
    p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    p.fillRect(r, Qt::white);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void pump(QPainter& p, int x, int y)
{
    p.drawEllipse(QRect(x + 3, y + 7, 21, 21));
    p.drawEllipse(QRect(x + 4, y + 8, 19, 19));
    p.drawLine(x + 14, y + 18, x + 14, y + 10);
    p.drawLine(x + 14, y + 18, x + 21, y + 22);
    p.drawLine(x + 14, y + 18, x + 7, y + 22);
    p.fillRect(QRect(x + 20, y + 3, 10, 6), Qt::black);
    p.fillRect(QRect(x + 1, y + 28, 26, 3), Qt::black);
}

bool savePictures(const QString& dir)
{
    struct Kind
    {
        const char* file;
        int w, h;
        std::function<void(QPainter&)> draw;
    };
    const Kind kinds[] = {
        {"StaticText", 96, 40,
         [](QPainter& p) {
             p.setFont(panelFont(13, true));
             p.drawText(QRect(2, 1, 92, 17), Qt::AlignLeft | Qt::AlignVCenter,
                        QStringLiteral("Boiler 1"));
             p.setFont(panelFont(11));
             p.drawText(QRect(2, 22, 92, 16), Qt::AlignLeft | Qt::AlignVCenter,
                        QStringLiteral(" Setup "));
             invertRect(p, QRect(2, 22, 42, 16));
         }},
        {"DynamicText", 96, 40,
         [](QPainter& p) {
             p.setFont(panelFont(11));
             p.drawText(QRect(2, 2, 40, 16), Qt::AlignLeft | Qt::AlignVCenter,
                        QStringLiteral("Pump:"));
             p.drawText(QRect(40, 2, 56, 16), Qt::AlignLeft | Qt::AlignVCenter,
                        QStringLiteral("Running"));
             p.drawText(QRect(2, 22, 40, 16), Qt::AlignLeft | Qt::AlignVCenter,
                        QStringLiteral("Fan:"));
             p.drawText(QRect(40, 22, 54, 16), Qt::AlignLeft | Qt::AlignVCenter,
                        QStringLiteral(" Fault "));
             invertRect(p, QRect(40, 22, 38, 16));
         }},
        {"StaticBitmap", 96, 40,
         [](QPainter& p) {
             pump(p, 4, 4);
             const QPoint arrow[] = {{44, 16}, {60, 16}, {60, 10}, {72, 20},
                                     {60, 30}, {60, 24}, {44, 24}};
             p.setBrush(Qt::black);
             p.drawPolygon(arrow, 7);
             p.setBrush(Qt::NoBrush);
             p.drawRect(QRect(78, 8, 14, 24));
             p.fillRect(QRect(80, 18, 11, 13), Qt::black);
         }},
        {"BarMeter", 96, 40,
         [](QPainter& p) {
             p.drawRect(QRect(2, 1, 14, 37));
             p.fillRect(QRect(4, 14, 11, 23), Qt::black);
             p.drawRect(QRect(24, 14, 68, 12));
             p.fillRect(QRect(26, 16, 40, 9), Qt::black);
         }},
        {"TrendMeter", 96, 40,
         [](QPainter& p) {
             p.drawRect(QRect(1, 1, 93, 37));
             QPolygon curve;
             for (int x = 3; x <= 92; x += 3)
                 curve << QPoint(
                     x, 22 - int(std::lround(9 * std::sin(x / 11.0) + 3 * std::sin(x / 3.0))));
             p.drawPolyline(curve);
         }},
        {"IndicatorLight", 96, 40,
         [](QPainter& p) {
             p.setBrush(Qt::black);
             p.drawEllipse(QRect(4, 4, 31, 31));
             p.setBrush(Qt::NoBrush);
             p.drawEllipse(QRect(42, 12, 15, 15));
             p.fillRect(QRect(64, 4, 28, 32), Qt::black);
         }},
        {"Numeric", 96, 40,
         [](QPainter& p) {
             p.setFont(panelFont(11));
             p.drawText(QRect(2, 2, 92, 16), Qt::AlignLeft | Qt::AlignVCenter,
                        QStringLiteral("Temp  +72.5"));
             p.setFont(panelFont(22, true));
             p.drawText(QRect(2, 18, 90, 22), Qt::AlignRight | Qt::AlignVCenter,
                        QStringLiteral("0750"));
             invertRect(p, QRect(36, 18, 58, 22));
         }},
        {"String", 96, 40,
         [](QPainter& p) {
             p.setFont(panelFont(11));
             p.drawText(QRect(2, 2, 92, 16), Qt::AlignLeft | Qt::AlignVCenter,
                        QStringLiteral("Batch:"));
             p.drawText(QRect(2, 20, 92, 16), Qt::AlignLeft | Qt::AlignVCenter,
                        QStringLiteral("MIX-0715"));
         }},
    };
    bool ok = QDir().mkpath(dir);
    for (const Kind& k : kinds)
        ok = panelPicture(k.w, k.h, k.draw)
                 .save(dir + QLatin1Char('/') + QLatin1String(k.file) + QStringLiteral(".png"))
             && ok;
    return ok;
}

// The icon: a small operator panel, its monochrome display showing a bar and
// a value, and the five function keys below it.
QImage icon(int size)
{
    QImage img(size, size, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.scale(size / 256.0, size / 256.0);
    // Housing.
    QLinearGradient body(0, 24, 0, 232);
    body.setColorAt(0, QColor(0x5A, 0x60, 0x6A));
    body.setColorAt(1, QColor(0x2E, 0x32, 0x38));
    p.setPen(QPen(QColor(0x1C, 0x1F, 0x24), 6));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(12, 40, 232, 176), 22, 22);
    // Display glass.
    p.setPen(QPen(QColor(0x14, 0x16, 0x1A), 4));
    p.setBrush(QColor(0xBF, 0xCF, 0xA0));
    p.drawRoundedRect(QRectF(32, 58, 192, 100), 6, 6);
    // Display content in dark dots: a title line, a bar and a lamp.
    const QColor ink(0x22, 0x2C, 0x18);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawRect(QRectF(46, 72, 92, 12));
    p.drawRect(QRectF(46, 96, 140, 14));
    p.setBrush(QColor(0xBF, 0xCF, 0xA0));
    p.drawRect(QRectF(140, 99, 43, 8));
    p.setBrush(ink);
    p.drawEllipse(QRectF(176, 68, 22, 22));
    p.drawRect(QRectF(46, 124, 20, 20));
    p.drawRect(QRectF(74, 124, 20, 20));
    p.drawRect(QRectF(102, 124, 20, 20));
    // Function keys F1 to F5.
    for (int k = 0; k < 5; ++k) {
        const QRectF key(36 + k * 38, 174, 30, 24);
        p.setPen(QPen(QColor(0x15, 0x17, 0x1B), 3));
        p.setBrush(k == 4 ? QColor(0xE0, 0x8A, 0x1E) : QColor(0xD8, 0xDC, 0xE2));
        p.drawRoundedRect(key, 5, 5);
    }
    p.end();
    return img;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fputs("usage: qv-artwork HELPDIR DESKTOPDIR\n", stderr);
        return 2;
    }
    bool ok = savePictures(args[1]);
    ok = QDir().mkpath(args[2]) && ok;
    for (int size : {48, 256})
        ok = icon(size).save(args[2] + QStringLiteral("/corvel-%1.png").arg(size)) && ok;
    if (!ok)
        std::fputs("qv-artwork: a picture could not be written\n", stderr);
    return ok ? 0 : 1;
}
