#include "PanelFont.h"

#include <QFile>

namespace {

constexpr int kHeaderSize = 4;
constexpr std::uint8_t kMagic0 = 0x36, kMagic1 = 0x04;
constexpr std::uint8_t kMode512 = 0x01, kModeHasTable = 0x02, kModeSeq = 0x04;
constexpr char16_t kSeparator = 0xFFFF, kStartSequence = 0xFFFE;

} // namespace

const CPanelFont& CPanelFont::Builtin()
{
    static const CPanelFont font = [] {
        Q_INIT_RESOURCE(runtimefont);
        CPanelFont f;
        QFile file(QStringLiteral(":/qvruntime/Lat15-VGA16.psf"));
        if (file.open(QIODevice::ReadOnly))
            f.Load(file.readAll());
        return f;
    }();
    return font;
}

bool CPanelFont::Load(const QByteArray& psf)
{
    glyphs_.clear();
    glyphCount_ = 0;
    map_.clear();
    std::fill(std::begin(ascii_), std::end(ascii_), -1);
    if (psf.size() < kHeaderSize || std::uint8_t(psf[0]) != kMagic0
        || std::uint8_t(psf[1]) != kMagic1 || std::uint8_t(psf[3]) != Height)
        return false;
    const std::uint8_t mode = std::uint8_t(psf[2]);
    const int count = (mode & kMode512) ? 512 : 256;
    const qsizetype glyphBytes = qsizetype(count) * Height;
    if (psf.size() < kHeaderSize + glyphBytes)
        return false;
    QHash<char32_t, int> map;
    if (mode & (kModeHasTable | kModeSeq)) {
        // Per glyph: 16-bit little-endian code points up to a separator;
        // sequences of combined characters (after 0xFFFE) are skipped.
        qsizetype at = kHeaderSize + glyphBytes;
        for (int g = 0; g < count && at + 1 < psf.size(); ++g) {
            bool inSequence = false;
            while (at + 1 < psf.size()) {
                const char16_t u = char16_t(std::uint8_t(psf[at]) | std::uint8_t(psf[at + 1]) << 8);
                at += 2;
                if (u == kSeparator)
                    break;
                if (u == kStartSequence)
                    inSequence = true;
                else if (!inSequence && !map.contains(u))
                    map.insert(u, g);
            }
        }
    } else {
        for (int g = 0; g < count; ++g)
            map.insert(char32_t(g), g);
    }
    glyphs_ = psf.mid(kHeaderSize, glyphBytes);
    glyphCount_ = count;
    map_ = std::move(map);
    for (int c = 0; c < 128; ++c)
        ascii_[c] = map_.value(char32_t(c), -1);
    return true;
}

int CPanelFont::index(char32_t c) const
{
    if (c < 128)
        return ascii_[c];
    return map_.value(c, -1);
}

bool CPanelFont::Has(char32_t c) const
{
    return IsValid() && index(c) >= 0;
}

const std::uint8_t* CPanelFont::Glyph(char32_t c) const
{
    if (!IsValid())
        return blank_;
    int g = index(c);
    if (g < 0)
        g = index(U'?');
    if (g < 0)
        return blank_;
    return reinterpret_cast<const std::uint8_t*>(glyphs_.constData()) + qsizetype(g) * Height;
}
