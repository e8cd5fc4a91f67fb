#pragma once
#include <QByteArray>
#include <QString>

// The 8-digit password as the panel stores it: the last (up to) 8
// characters right-aligned as digits, packed two per byte, high nibble first.
namespace PackedPassword {
QByteArray Pack(const QString& text);      // always 4 bytes
QString Unpack(const QByteArray& packed4); // "%d" of each of the 8 nibbles
QByteArray Zero();                         // four zero bytes
} // namespace PackedPassword
