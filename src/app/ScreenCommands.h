#pragma once
#include <QString>

class CTessanApp;
class CScreenObject;

// The screen commands that keep the screen list and the screen files in step.
namespace ScreenCommands {

// New Screen: the record (numbered and named by the caller) and an empty
// screen file in the project folder. Sets the modified flag.
CScreenObject* NewScreen(CTessanApp& app, int number, const QString& name);
// The default name of a new screen: "Screen %d".
QString DefaultScreenName(int number);
// Path of a screen's file inside the project folder; false when the name
// would lead out of the folder.
bool ScreenFilePath(const CTessanApp& app, int number, const QString& name, QString* path);

} // namespace ScreenCommands
