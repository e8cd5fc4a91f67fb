#pragma once
#include "screen/FontSpec.h"

#include <QFont>
#include <QString>

// A text object's font as the font dialog takes it and gives it back: face,
// character height, weight, italic, underline and strike-out. Every other
// field of the font stays as it was.
namespace FontSpecText {
QFont ToQFont(const FontSpec& font);
FontSpec FromQFont(const QFont& qfont, FontSpec kept);
// "宋体, 15" as a form shows it beside its Font button.
QString Describe(const FontSpec& font);
} // namespace FontSpecText
