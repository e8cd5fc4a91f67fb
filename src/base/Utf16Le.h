#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// UTF-16 little-endian without byte-order mark: the encoding of the project
// document file and of the screen files.
namespace Utf16Le {

QByteArray Encode(QStringView text);
// Code units as they stand; an odd last byte is no unit and is dropped.
QString Decode(QByteArrayView bytes);

} // namespace Utf16Le
