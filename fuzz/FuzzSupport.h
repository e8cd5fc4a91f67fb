#pragma once
// What the fuzz targets share: one Qt application object and one program
// folder with its application state.
#include "app/TessanApp.h"

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

namespace FuzzSupport {
// The application state over a private program folder (made once per process).
CTessanApp& App();
// A fresh project "F" in memory only: the model reset, no folder touched.
CTessanApp& FreshModel();
// The private folder of this process.
QString Dir();
inline QByteArray Bytes(const uint8_t* data, size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}
} // namespace FuzzSupport
