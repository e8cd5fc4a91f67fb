#pragma once
#include <QString>
#include <QStringView>

// The escapes that keep a text inside one field of a screen-file line.
namespace ScreenTextEscapes {

// "`" -> "\colon", ";" -> "\semicolon", "," -> "\comma", line break ->
// "\newline". A CR LF pair is one line break; a lone CR or LF is written as
// one too, so that no text can ever split a line.
QString Escape(const QString& text);
// The reverse replacements, in the same order; "\newline" gives CR LF.
QString Unescape(QStringView text);

} // namespace ScreenTextEscapes
