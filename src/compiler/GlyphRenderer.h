#pragma once
#include <QByteArray>
#include <QChar>

// The panel's glyphs: a character drawn with the song face at a character
// height of 15 pixels into a 16-pixel-high box, 16 pixels wide for a
// character that takes two bytes in code page 936 and 8 pixels otherwise.
namespace GlyphRenderer {

// 0xFF for a wide character (its first code page 936 byte is 0x80 or above),
// 0x00 for a narrow one.
quint8 WidthFlag(QChar ch);
int GlyphWidth(QChar ch);
QByteArray Render(QChar ch);

} // namespace GlyphRenderer
