#pragma once
#include <QByteArray>
#include <QChar>

// One character of the font library: a single UTF-16 unit and its glyph,
// a column-packed picture 16 pixels high and 8 or 16 pixels wide.
struct CHZItem
{
    QChar character;
    QByteArray glyph; // 16 or 32 bytes
};
