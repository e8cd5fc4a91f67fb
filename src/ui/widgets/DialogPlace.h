#pragma once
#include <QString>

class CAppSettings;
class QDialog;
class QWidget;

// A dialog opens where the user last left it: its top-left corner is kept in
// the settings file (section App, key `key`, "x,y") when it closes, and used
// again when it opens while that place still lies on a screen. A dialog that
// the user resizes keeps its size too ("x,y,width,height").
void RememberDialogPlace(QDialog* dialog, const CAppSettings& settings, const QString& key,
                         bool withSize = false);

// The same for a window that is no dialog: its place (and size) read from and
// written to the settings file's key, by the window itself when it opens and
// closes.
void RestoreWindowPlace(QWidget* window, const CAppSettings& settings, const QString& key,
                        bool withSize = true);
void SaveWindowPlace(const QWidget* window, const CAppSettings& settings, const QString& key,
                     bool withSize = true);
