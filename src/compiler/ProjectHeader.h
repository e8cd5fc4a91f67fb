#pragma once
#include <QByteArray>
#include <QString>
#include <array>

class CCompileContext;

// The 55-byte project header that opens the runtime image: its total length,
// the panel settings, the exchange areas and the offsets of the five images.
namespace ProjectHeader {

inline constexpr int kSize = 55;

// Lengths of the screen, alarm, font, bitmap and communication images.
using ImageLengths = std::array<quint32, 5>;

QByteArray Build(CCompileContext& ctx, const ImageLengths& lengths);
// The option password's last 8 characters right-aligned into 8 digit places,
// each the character's code less that of "0" (low 4 bits), two per byte.
QByteArray PackPassword(const QString& password);

} // namespace ProjectHeader
