#pragma once
#include "HZItem.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <vector>

// The font library: every character that the encoded texts of the open
// project have used, in the order they were first met, with its glyph.
// Items are only appended; the library is emptied when the project closes.
class CHZLib
{
public:
    struct Found
    {
        int index = -1;      // -1: not in the library
        quint32 offset = 16; // the glyph offset, or the one a new item will get
    };

    Found Find(QChar ch) const;
    // Appends the character with its rendered glyph unless it is there.
    Found Add(QChar ch);
    // The encoded text: a count byte (low 8 bits of the number of UTF-16
    // units) and per unit its width flag and 16-bit glyph offset. Missing
    // characters are added.
    QByteArray EncodeText(const QString& text);
    // Type byte 3, 15 zero bytes, then every glyph in library order.
    QByteArray BuildFontImage() const;

    void Clear();
    qsizetype Count() const { return qsizetype(items_.size()); }
    const CHZItem& Item(qsizetype i) const { return items_[size_t(i)]; }
    // Length of the font image that BuildFontImage gives.
    quint32 FontImageSize() const { return end_; }

private:
    std::vector<CHZItem> items_;
    std::vector<quint32> offsets_;
    QHash<char16_t, int> index_;
    quint32 end_ = 16;
};
