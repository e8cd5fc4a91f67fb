#pragma once
#include <QString>

// The one argument the file association passes: a quoted path of a package.
// The first character (the opening quote) is dropped, the path is split at
// its last separator ("\" or "/") into location and file name, and the file
// name is cut at its last "." into the project name. False when there is no
// separator or no ".".
bool SplitCommandLinePath(const QString& commandLine, QString* location, QString* projectName);
