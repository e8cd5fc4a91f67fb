#pragma once
#include <QString>

// The link in an Output line: the text between the first "[" and the "]"
// that follows it. Empty when the line has no "[" or no "]" after it.
namespace OutputLineLink {
QString BracketText(const QString& line);
} // namespace OutputLineLink
