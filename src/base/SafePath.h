#pragma once
#include <QString>

// Joins a relative name (a package entry, a bitmap-list name, a screen file
// name) to a folder without ever leaving it: "\" counts as a separator, and a
// name that is empty, absolute, carries a drive prefix or has a ".." part is
// refused (false).
bool SafeJoin(const QString& folder, const QString& relativeName, QString* path);

// A name that can stand for a folder of its own inside another: one part,
// neither "." nor "..", without separators, drive prefix or NUL.
bool IsPlainFolderName(const QString& name);

// A project name that can name the package, the project document and the
// screen files: not empty after trimming, without "/", "\\", ".." or NUL.
bool IsProjectName(const QString& name);
