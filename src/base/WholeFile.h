#pragma once
#include <QByteArray>
#include <QString>

// Writes a file whole or not at all: the bytes go to a temporary file beside
// it, which replaces the file only once everything is written and synced.
// False when the file could not be written (the old one, if any, stays).
bool WriteWholeFile(const QString& path, const QByteArray& bytes);
