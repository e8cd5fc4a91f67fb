#pragma once
#include <QString>

class CAppSettings;

// A text of a window keyed by its English wording: the language file's text,
// or the English itself when the file has none.
QString UiText(const CAppSettings& settings, int section, const QString& english);
