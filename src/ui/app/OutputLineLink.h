#pragma once
#include <QString>

// The link in an Output line: the text between the first "[" and the "]"
// that follows it. Empty when the line has no "[" or no "]" after it.
namespace OutputLineLink {
QString BracketText(const QString& line);
// The function key that a line names right after its link ("[...] ---->
// 'F3' ..."): 1 to 5, or 0 when it names none.
int KeyNumber(const QString& line);
} // namespace OutputLineLink
