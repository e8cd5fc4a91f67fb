#pragma once
#include <QString>

class CAppSettings;
class QDialog;

// A dialog opens where the user last left it: its top-left corner is kept in
// the settings file (section App, key `key`, "x,y") when it closes, and used
// again when it opens while that place still lies on a screen. A dialog that
// the user resizes keeps its size too ("x,y,width,height").
void RememberDialogPlace(QDialog* dialog, const CAppSettings& settings, const QString& key,
                         bool withSize = false);
