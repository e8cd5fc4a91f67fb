#pragma once
#include <QByteArray>

#include <cstdint>

// The check byte of a transfer: every byte of the data XORed together. The
// tool sends it after a download and checks it after an upload; the panel
// does the same on its side.
inline uint8_t CheckByte(const QByteArray& bytes)
{
    uint8_t v = 0;
    for (char c : bytes)
        v ^= uint8_t(c);
    return v;
}
