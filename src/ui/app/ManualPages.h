#pragma once
#include <QString>
#include <QStringList>

class QWidget;

// Which page of the installed manual tells about a window: each dialog,
// property form and window has its own page, found by its class or, for a
// property form, by the form's name. A message box opens the list of
// messages at the entry of the code its text begins with ("GUI-002").
// A window without a page of its own (a file or font chooser, a list of
// windows) takes the page of the window it belongs to.
namespace ManualPages {

// The page of a top-level window; empty when neither it nor the windows it
// belongs to have one.
QString PageOf(const QWidget* window);
// The page of the window of a class or object name; empty when it has none.
QString PageOfName(const QString& name);
// The entry of the list of messages for a message text ("messages.html#PTC006").
QString MessagePage(const QString& text);
// The pages of the main window: the screen editor's and the main window's own.
QString MainWindowPage(bool screenEditorInFront);
// Every page named here, without anchors.
QStringList AllPages();

} // namespace ManualPages
