#include "HZLib.h"
#include "GlyphRenderer.h"
#include "ImageWriter.h"

CHZLib::Found CHZLib::Find(QChar ch) const
{
    auto it = index_.constFind(ch.unicode());
    if (it == index_.cend())
        return Found{-1, end_};
    return Found{it.value(), offsets_[size_t(it.value())]};
}

CHZLib::Found CHZLib::Add(QChar ch)
{
    Found found = Find(ch);
    if (found.index >= 0)
        return found;
    CHZItem item{ch, GlyphRenderer::Render(ch)};
    found.index = int(items_.size());
    found.offset = end_;
    end_ += quint32(item.glyph.size());
    items_.push_back(std::move(item));
    offsets_.push_back(found.offset);
    index_.insert(ch.unicode(), found.index);
    return found;
}

QByteArray CHZLib::EncodeText(const QString& text)
{
    QByteArray out;
    CImageWriter w(out);
    w.U8(quint32(text.size()));
    for (QChar ch : text) {
        const Found f = Add(ch);
        w.U8(GlyphRenderer::WidthFlag(ch));
        w.U16(f.offset);
    }
    return out;
}

QByteArray CHZLib::BuildFontImage() const
{
    QByteArray out;
    out.reserve(end_);
    CImageWriter w(out);
    w.U8(ImageType::kFont);
    w.PadTo(ImageType::kHeaderSize);
    for (const CHZItem& item : items_)
        w.Bytes(item.glyph);
    return out;
}

void CHZLib::Clear()
{
    items_.clear();
    offsets_.clear();
    index_.clear();
    end_ = 16;
}
