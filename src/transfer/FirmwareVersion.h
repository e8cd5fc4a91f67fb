#pragma once
#include <QByteArray>
#include <array>
#include <cstdint>

// The firmware version a runtime image needs sits in its bytes 8 to 11, one
// byte per part, in the order the panel reports its own version.
namespace FirmwareVersion {
constexpr int kImageOffset = 8;
// The part of the image, 0 when the image is too short to hold it.
std::array<uint8_t, 4> RequiredBy(const QByteArray& image);
// The download's check of the panel's reply: every part by itself, the
// image part unsigned and the panel part as a signed byte. True = too old.
bool DownloadRefuses(const std::array<uint8_t, 4>& required, const std::array<uint8_t, 4>& panel);
// The backup restore's check: new enough when P1 > R1, or P2 > R2, or
// P3 > R3, or P4 >= R4.
bool RestoreAccepts(const std::array<uint16_t, 4>& panel, const std::array<uint8_t, 4>& required);
} // namespace FirmwareVersion
