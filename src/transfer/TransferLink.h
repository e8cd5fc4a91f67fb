#pragma once
#include <QString>

#include <cstdint>

// The line the transfer engine talks over: the serial port to the panel, or
// any other byte pipe with the same calls (the replies kept in memory that a
// fuzz run feeds the engine).
class ITransferLink
{
public:
    virtual ~ITransferLink() = default;
    // Parity code: 0 none, 1 odd, 2 even, 3 mark, 4 space. Stop-bit code:
    // 0 one, 1 one and a half, 2 two.
    virtual void SetLinkParams(const QString& port, uint32_t baud, uint8_t dataBits, uint8_t parity,
                               uint8_t stopBits) = 0;
    // 1 when the line is open, else 0.
    virtual int OpenConnection() = 0;
    // 1 when closed.
    virtual int CloseConnection() = 0;
    // The number of bytes written.
    virtual int WriteCom(const void* bytes, int n) = 0;
    // n bytes, or 0 when they were not all there before the timeout; a
    // partial reply stays queued for the next read.
    virtual int ReadComWait(void* bytes, int n, uint32_t timeoutMs) = 0;
};
