// Pictures and glyphs: column packing, the text fit and justify rules, the
// static bitmap placements, the glyphs of the font library and their encoded
// text, the installed fonts that stand in for the Windows faces, and the
// system bitmap library.
#include "TestSupport.h"
#include "screen/ColumnPacker.h"
#include "compiler/GlyphRenderer.h"
#include "compiler/HZLib.h"
#include "screen/PictureFont.h"
#include "screen/StaticBitmapPicture.h"
#include "screen/TextPicture.h"

#include <QDir>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImageReader>
#include <QtTest>

#include <limits>

namespace {

QByteArray hex(const char* h)
{
    return QByteArray::fromHex(QByteArray(h).replace(' ', ""));
}

// Columns that hold at least one exactly black pixel.
QList<int> inkColumns(const QImage& img)
{
    QList<int> out;
    for (int x = 0; x < img.width(); ++x)
        for (int y = 0; y < img.height(); ++y)
            if ((img.pixel(x, y) & 0xFFFFFF) == 0) {
                out.append(x);
                break;
            }
    return out;
}

bool onlyBlackAndWhite(const QImage& img)
{
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb c = img.pixel(x, y) & 0xFFFFFF;
            if (c != 0 && c != 0xFFFFFF)
                return false;
        }
    return true;
}

PictureFont sans(int height = -12)
{
    return PictureFont{QStringLiteral("Arial"), height};
}

} // namespace

class TestPictures : public QObject
{
    Q_OBJECT
private slots:
    void columnPacking();
    void fontSubstitutes();
    void textFitRules();
    void textExtentIsTheSumOfCharacterWidths();
    void justifiedTextReachesTheRightEdge();
    void inversion();
    void bitmapPlacements();
    void glyphsAndEncodedText();
    void systemBitmapLibrary();
};

void TestPictures::columnPacking()
{
    QImage img(16, 10, QImage::Format_RGB32);
    img.fill(Qt::white);
    img.setPixel(0, 0, qRgb(0, 0, 0));
    img.setPixel(0, 9, qRgb(0, 0, 0));
    img.setPixel(15, 7, qRgb(0, 0, 0));
    img.setPixel(15, 8, qRgb(0, 0, 0));
    img.setPixel(3, 3, qRgb(1, 0, 0)); // nearly black is not black
    const QByteArray packed = ColumnPacker::Pack(img);
    QCOMPARE(packed.size(), 32);
    QCOMPARE(ColumnPacker::PackedSize(16, 10), 32);
    QCOMPARE(packed.left(2), hex("80 40"));
    QCOMPARE(packed.mid(30, 2), hex("01 80"));
    QCOMPARE(packed.mid(2, 28), QByteArray(28, 0));
    QCOMPARE(ColumnPacker::Pack(QImage()), QByteArray());
    QCOMPARE(ColumnPacker::PackedSize(-4, 8), 0);
}

void TestPictures::fontSubstitutes()
{
    const QFont song = PictureFontMaker::Make(PictureFont::GlyphFont());
    QCOMPARE(QFontInfo(song).family(), QStringLiteral("WenQuanYi Bitmap Song"));
    QCOMPARE(QFontInfo(song).pixelSize(), 15);
    for (const char* face : {"SimSun", "NSimSun", "宋体"})
        QCOMPARE(PictureFontMaker::SubstituteFamily(QString::fromUtf8(face), 15),
                 QStringLiteral("WenQuanYi Bitmap Song"));
    QCOMPARE(PictureFontMaker::SubstituteFamily(QStringLiteral("宋体"), 30),
             QStringLiteral("WenQuanYi Zen Hei"));
    const QList<QPair<QString, QString>> faces{{"Arial", "Liberation Sans"},
                                               {"Tahoma", "Liberation Sans"},
                                               {"MS Sans Serif", "Liberation Sans"},
                                               {"Microsoft Sans Serif", "Liberation Sans"},
                                               {"Times New Roman", "Liberation Serif"},
                                               {"Courier New", "Liberation Mono"}};
    for (const auto& f : faces) {
        const QFont font = PictureFontMaker::Make(PictureFont{f.first, -12});
        QCOMPARE(QFontInfo(font).family(), f.second);
        QCOMPARE(QFontInfo(font).pixelSize(), 12);
    }
    PictureFont bold = sans();
    bold.weight = 700;
    bold.italic = bold.underline = bold.strikeOut = true;
    const QFont b = PictureFontMaker::Make(bold);
    QVERIFY(b.bold() && b.italic() && b.underline() && b.strikeOut());
    // A positive height is the cell height.
    QCOMPARE(QFontMetrics(PictureFontMaker::Make(sans(20))).height(), 20);
    // Heights out of all reason (a damaged file) give a usable font size.
    for (int height : {std::numeric_limits<int>::max(), std::numeric_limits<int>::min(), 5000}) {
        const int px = PictureFontMaker::Make(sans(height)).pixelSize();
        QVERIFY2(px >= 1 && px <= 1000, qPrintable(QString::number(px)));
    }
}

void TestPictures::textFitRules()
{
    const QFont font = PictureFontMaker::Make(sans());
    // Fits completely: left-aligned, vertically centred, even in a wide box.
    auto fit = TextPicture::FitText(QStringLiteral("Hi"), font, 150, 16);
    QCOMPARE(fit.taken, 2);
    QVERIFY(!fit.justified);
    const QImage wide = TextPicture::Render(QStringLiteral("Hi"), sans(), 150, 16, false);
    QVERIFY(onlyBlackAndWhite(wide));
    QVERIFY(inkColumns(wide).first() <= 2);
    QVERIFY(inkColumns(wide).last() < 20);

    // Cut after the characters that fit, spread across the box.
    const QString text = QStringLiteral("WWWWWWWWWW");
    const QFontMetrics fm(font);
    const int w = fm.horizontalAdvance(QStringLiteral("WWW")) + 2;
    fit = TextPicture::FitText(text, font, w, 16);
    QCOMPARE(fit.taken, 3);
    QVERIFY(fit.justified);

    // Only the first character fits (n = 1 or 2): drawn alone, left-aligned.
    fit = TextPicture::FitText(text, font, fm.horizontalAdvance(QLatin1Char('W')), 16);
    QCOMPARE(fit.taken, 1);
    QVERIFY(!fit.justified);
    fit = TextPicture::FitText(text, font, 2, 16);
    QCOMPARE(fit.taken, 1);
    QVERIFY(!fit.justified);

    // Text taller than the box: the whole text is taken.
    fit = TextPicture::FitText(text, font, 10, 8);
    QCOMPARE(fit.taken, text.size());
    QVERIFY(!fit.justified);
    QCOMPARE(TextPicture::FitText(QString(), font, 10, 16).taken, 0);
}

void TestPictures::textExtentIsTheSumOfCharacterWidths()
{
    // No pair kerning: "AV" measures and draws as A's width plus V's width,
    // so a box one pixel short of that cannot take both letters.
    const PictureFont want = sans(-15);
    const QFont font = PictureFontMaker::Make(want);
    const QFontMetrics fm(font);
    const QChar A = QLatin1Char('A'), V = QLatin1Char('V');
    const int extent = fm.horizontalAdvance(A) + fm.horizontalAdvance(V);
    const int ink = extent - fm.leftBearing(A) - fm.rightBearing(V);
    QCOMPARE(fm.horizontalAdvance(QStringLiteral("AVAVAVAV")), 4 * extent);
    QCOMPARE(TextPicture::FitText(QStringLiteral("AVA"), font, ink, 20).taken, 2);
    QCOMPARE(TextPicture::FitText(QStringLiteral("AVA"), font, ink - 1, 20).taken, 1);
    const QImage img = TextPicture::Render(QStringLiteral("AV"), want, 40, 20, false);
    QCOMPARE(inkColumns(img).first(), fm.leftBearing(A));
    QCOMPARE(inkColumns(img).last(), extent - fm.rightBearing(V) - 1);

    // A long run of zero-width characters fits whole and is measured once
    // per character, not once per prefix.
    const QString zeroWidth(200000, QChar(0x200B));
    QCOMPARE(TextPicture::FitText(zeroWidth, font, 10, 20).taken, zeroWidth.size());
    QCOMPARE(TextPicture::Render(zeroWidth, want, 10, 20, false).size(), QSize(10, 20));
}

void TestPictures::justifiedTextReachesTheRightEdge()
{
    // "III" fits, "IIII" does not: the three are spread over the box. The
    // free width F is shared out F / 3 per character, the remainder one
    // pixel at a time by the accumulator (the second character gets one
    // when the remainder is 2), and the first ink starts at the left edge.
    const PictureFont want = sans(-15);
    const QFont font = PictureFontMaker::Make(want);
    const QFontMetrics fm(font);
    const int adv = fm.horizontalAdvance(QLatin1Char('I'));
    const int ink = fm.horizontalAdvance(QStringLiteral("III")) - fm.leftBearing(QLatin1Char('I'))
                    - fm.rightBearing(QLatin1Char('I'));
    const int free = adv - 1; // less than one more character
    const int w = ink + free;
    QVERIFY(TextPicture::FitText(QStringLiteral("IIIIIIII"), font, w, 20).justified);
    const QImage img = TextPicture::Render(QStringLiteral("IIIIIIII"), want, w, 20, false);
    QList<int> starts; // first column of each stroke
    const QList<int> cols = inkColumns(img);
    for (int i = 0; i < cols.size(); ++i)
        if (i == 0 || cols[i] != cols[i - 1] + 1)
            starts.append(cols[i]);
    QCOMPARE(starts.size(), 3);
    QCOMPARE(starts[0], 0);
    const int share = free / 3, rest = free % 3;
    QCOMPARE(starts[1] - starts[0], adv + share);
    QCOMPARE(starts[2] - starts[1], adv + share + (2 * rest >= 3 ? 1 : 0));
}

void TestPictures::inversion()
{
    const QImage plain = TextPicture::Render(QStringLiteral("A"), sans(), 16, 16, false);
    const QImage inv = TextPicture::Render(QStringLiteral("A"), sans(), 16, 16, true);
    const QByteArray a = ColumnPacker::Pack(plain);
    const QByteArray b = ColumnPacker::Pack(inv);
    QCOMPARE(a.size(), b.size());
    for (int i = 0; i < a.size(); ++i)
        QCOMPARE(char(~a[i]), b[i]);
}

void TestPictures::bitmapPlacements()
{
    using StaticBitmapPicture::Placement;
    const QRect box(0, 0, 16, 16);
    QCOMPARE(Placement(QSize(32, 16), box, 3), QRect(0, 4, 16, 8));
    QCOMPARE(Placement(QSize(8, 32), box, 3), QRect(6, 0, 4, 16));
    QCOMPARE(Placement(QSize(32, 16), box, 2), QRect(0, 0, 16, 16));
    QCOMPARE(Placement(QSize(8, 4), box, 0), QRect(4, 6, 8, 4));
    QCOMPARE(Placement(QSize(8, 40), box, 1), QRect(4, 0, 8, 40));   // centred horizontally only
    QCOMPARE(Placement(QSize(40, 4), box, 0), QRect(0, 6, 40, 4));   // vertically only
    QCOMPARE(Placement(QSize(40, 40), box, 0), QRect(0, 0, 40, 40)); // top-left part
    // The locked aspect is centred on the object's own edges.
    QCOMPARE(Placement(QSize(10, 10), QRect(1, 3, 17, 9), 3), QRect(4, 0, 9, 9));
    QCOMPARE(Placement(QSize(), box, 3), QRect());

    QImage pic(4, 4, QImage::Format_RGB32);
    pic.fill(qRgb(255, 0, 0)); // a colour is not black
    pic.setPixel(0, 0, qRgb(0, 0, 0));
    const QImage out = StaticBitmapPicture::Render(pic, QRect(0, 0, 8, 8), 0, true);
    QCOMPARE(ColumnPacker::Pack(out), hex("FF FF E3 C3 C3 C3 FF FF"));
    // Shrinking keeps thin black lines: a 32 x 32 one-pixel frame stretched
    // into 16 x 16 keeps all four edges, and a lone black dot at odd
    // coordinates survives a 2:1 shrink. Enlarging repeats pixels.
    QImage frame(32, 32, QImage::Format_RGB32);
    frame.fill(Qt::white);
    for (int i = 0; i < 32; ++i)
        for (QPoint pt : {QPoint(i, 0), QPoint(i, 31), QPoint(0, i), QPoint(31, i)})
            frame.setPixel(pt, qRgb(0, 0, 0));
    frame.setPixel(15, 15, qRgb(0, 0, 0));
    const QByteArray shrunk =
        ColumnPacker::Pack(StaticBitmapPicture::Render(frame, QRect(0, 0, 16, 16), 2, false));
    QCOMPARE(shrunk.left(2), hex("FF FF"));
    QCOMPARE(shrunk.mid(30, 2), hex("FF FF"));
    QCOMPARE(shrunk.mid(14, 2), hex("81 01")); // column 7: the edges and the dot in row 7
    QCOMPARE(shrunk.mid(2, 2), hex("80 01"));
    QImage checker(2, 2, QImage::Format_Mono);
    checker.setColor(0, qRgb(0, 0, 0));
    checker.setColor(1, qRgb(255, 255, 255));
    checker.fill(1);
    checker.setPixel(0, 0, 0);
    checker.setPixel(1, 1, 0);
    QCOMPARE(ColumnPacker::Pack(StaticBitmapPicture::Render(checker, QRect(0, 0, 4, 8), 2, false)),
             hex("F0 F0 0F 0F"));
    const QImage empty = StaticBitmapPicture::Render(QImage(), QRect(0, 0, 8, 8), 3, false);
    QCOMPARE(ColumnPacker::Pack(empty), QByteArray(8, 0));
}

void TestPictures::glyphsAndEncodedText()
{
    QCOMPARE(GlyphRenderer::WidthFlag(QLatin1Char('A')), quint8(0));
    QCOMPARE(GlyphRenderer::WidthFlag(QChar(0x4E2D)), quint8(0xFF));
    QCOMPARE(GlyphRenderer::GlyphWidth(QChar(0x4E2D)), 16);
    QCOMPARE(GlyphRenderer::GlyphWidth(QChar(0x0E01)), 8); // not in code page 936
    QCOMPARE(GlyphRenderer::Render(QLatin1Char(' ')), QByteArray(16, 0));
    const QByteArray a = GlyphRenderer::Render(QLatin1Char('A'));
    QCOMPARE(a.size(), 16);
    QVERIFY(a.count('\0') < 16);
    const QByteArray zhong = GlyphRenderer::Render(QChar(0x4E2D));
    QCOMPARE(zhong.size(), 32);
    // The vertical stroke of 中 fills a column from the top band to the bottom one.
    bool stroke = false;
    for (int x = 0; x < 16; ++x)
        stroke = stroke || (quint8(zhong[x * 2]) == 0xFF && quint8(zhong[x * 2 + 1]) >= 0xF0);
    QVERIFY(stroke);
    // The underscore sits below the song face's line; its glyph still shows it,
    // on the last row.
    const QByteArray underscore = GlyphRenderer::Render(QLatin1Char('_'));
    QVERIFY(underscore.count('\0') < 16);
    for (int x = 0; x < 8; ++x)
        QCOMPARE(quint8(underscore[x * 2]), quint8(0)); // nothing in the top band
    // A descender that fits keeps its place: "g" and "p" reach the same lowest row.
    auto lowestRow = [](const QByteArray& glyph) {
        int lowest = -1;
        for (int x = 0; x < glyph.size() / 2; ++x)
            for (int row = 0; row < 16; ++row)
                if (quint8(glyph[x * 2 + row / 8]) & (0x80 >> (row % 8)))
                    lowest = std::max(lowest, row);
        return lowest;
    };
    QCOMPARE(lowestRow(GlyphRenderer::Render(QLatin1Char('g'))),
             lowestRow(GlyphRenderer::Render(QLatin1Char('p'))));
    QCOMPARE(lowestRow(underscore), 15);

    CHZLib lib;
    QCOMPARE(lib.EncodeText(QString()), hex("00"));
    QCOMPARE(lib.EncodeText(QStringLiteral("AB")), hex("02 00 0010 00 0020"));
    QCOMPARE(lib.BuildFontImage().size(), 48);
    QCOMPARE(lib.EncodeText(QStringLiteral("AA")), hex("02 00 0010 00 0010"));
    QCOMPARE(lib.Count(), 2);
    QCOMPARE(lib.Find(QLatin1Char('a')).index, -1); // case counts
    QCOMPARE(lib.Find(QLatin1Char('a')).offset, 48u);

    CHZLib lib2;
    QCOMPARE(lib2.EncodeText(QString::fromUtf8("中A")), hex("02 FF 0010 00 0030"));
    const QByteArray image = lib2.BuildFontImage();
    QCOMPARE(image.size(), 16 + 32 + 16);
    QCOMPARE(image.left(16), hex("03") + QByteArray(15, 0));
    QCOMPARE(image.mid(16, 32), zhong);
    QCOMPARE(image.mid(48), a);
    lib2.Clear();
    QCOMPARE(lib2.BuildFontImage().size(), 16);
}

void TestPictures::systemBitmapLibrary()
{
    const QDir root(QStringLiteral(QV_BIN_DIR "/BMP_Files"));
    for (const char* category : {"Arrow", "Battery", "Fan", "Flag", "Ico", "Valve"}) {
        const QDir dir(root.filePath(QLatin1String(category)));
        const QStringList files = dir.entryList({QStringLiteral("*.bmp")}, QDir::Files);
        QVERIFY2(files.size() >= 2, category);
        bool small = false, large = false;
        for (const QString& f : files) {
            QImageReader reader(dir.filePath(f), "bmp");
            const QImage img = reader.read();
            QVERIFY2(!img.isNull(), qPrintable(f));
            small = small || img.size() == QSize(16, 16);
            large = large || img.size() == QSize(32, 32);
            const QImage rgb = img.convertToFormat(QImage::Format_RGB32);
            QVERIFY2(onlyBlackAndWhite(rgb), qPrintable(f));
            const int ink = int(ColumnPacker::Pack(rgb).count('\0'));
            QVERIFY2(ink < ColumnPacker::PackedSize(img.width(), img.height()), qPrintable(f));
        }
        QVERIFY2(small && large, category);
    }
    QImage arrow(root.filePath(QStringLiteral("Arrow/arrow_16_16_RIGHT.bmp")));
    QCOMPARE(arrow.size(), QSize(16, 16));
    // It points right: more ink in the right half's middle column than at the left edge.
    QCOMPARE(arrow.depth(), 1);
}

QTEST_MAIN(TestPictures)
#include "test_pictures.moc"
