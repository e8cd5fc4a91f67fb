#pragma once
#include <QString>

#include <functional>

// The words of a window or a file in one language, keyed by their English
// wording. None keeps the English, as the files that other programs read do.
using Wording = std::function<QString(const QString& english)>;

// The English text in the wording, or the English itself.
inline QString Worded(const Wording& words, const QString& english)
{
    return words ? words(english) : english;
}
