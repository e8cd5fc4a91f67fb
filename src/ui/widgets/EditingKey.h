#pragma once

class QKeyEvent;

// Whether a key pressed in a text field changes its text: a printable
// character, Backspace, Delete, paste or cut. Moving the caret, selecting,
// Enter, Tab and Escape do not.
namespace EditingKey {
bool ChangesText(const QKeyEvent* event);
}
