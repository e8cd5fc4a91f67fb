#pragma once
// What the fuzz targets share: one Qt application object, one program folder
// with its application state, and a scratch file for readers that take a path.
#include "app/TessanApp.h"

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

namespace FuzzSupport {
// The application state over a private program folder (made once per process).
CTessanApp& App();
// A fresh project "F" in that folder: model reset, project folder emptied.
CTessanApp& FreshProject();
// A fresh project "F" in memory only: the model reset, no folder touched.
CTessanApp& FreshModel();
// The private folder of this process.
QString Dir();
// Writes the bytes to Dir()/name and returns the path.
QString WriteScratch(const QString& name, const QByteArray& bytes);
inline QByteArray Bytes(const uint8_t* data, size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}
} // namespace FuzzSupport
