#pragma once
#include <QString>

// The one argument the file association passes: a path of a package, quoted
// as the association writes it ("\"D:\Work\Line 1.cgp\"") or plain as the
// desktop's launcher and a shell hand it over. A leading quote is dropped
// (the closing one falls away with the extension), the path is split at its
// last separator ("\" or "/") into location and file name, and the file name
// is cut at its last "." into the project name. False when there is no
// separator or no ".".
bool SplitCommandLinePath(const QString& commandLine, QString* location, QString* projectName);

// The argument made independent of the current folder, so that another
// instance of the program (with another current folder) can open it: a plain
// relative path is joined to `currentDir`. A quoted argument and an empty
// one stay as they are.
QString AbsoluteCommandLinePath(const QString& argument, const QString& currentDir);
