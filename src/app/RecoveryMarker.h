#pragma once
#include <QString>

// A small file inside a project folder that says which project the folder
// holds and where its package lives; the folder alone does not know its
// package's location. It is written when a project is opened, created or
// saved and is never packed, so packages keep exactly their entries. A run
// that ends without removing its folders leaves it for the next start, which
// recovers the folder beside the package it came from.
namespace RecoveryMarker {

// The file's name inside the project folder.
QString FileName();

struct Content
{
    QString projectName; // empty when unknown
    QString packagePath; // the package the folder belongs to; empty when unknown
};

// UTF-8 lines "Name=<project name>" and "Package=<package path>".
bool Write(const QString& projectFolder, const Content& content);
// An empty Content when the folder has no marker or an unreadable one.
Content Read(const QString& projectFolder);

} // namespace RecoveryMarker
