#pragma once

class CAppSettings;
class QWidget;

// The texts of one window from its section of the language file: the
// caption from key "Title", and every child that carries the dynamic
// property "controlId" (set in its .ui file) from the key of that number —
// a label's or button's text, a group box's or tab page's title; the two
// characters "\n" in a control's text are a line break. A text is replaced
// only when the lookup gives one, so the built-in English stays when the
// language file lacks it.
namespace DialogTexts {
void Apply(QWidget* window, const CAppSettings& settings, int section);
} // namespace DialogTexts
