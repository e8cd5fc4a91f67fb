#pragma once
#include "TransferLink.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>

class QSerialPort;

// The byte pipe to the panel: one serial port opened exclusively with fixed
// line settings, raw writes, and reads of an exact byte count with a
// deadline. It knows nothing of the protocol. Used by one thread at a time:
// the port object is created by OpenConnection on the calling thread.
class CDevSerial : public ITransferLink
{
public:
    CDevSerial();
    virtual ~CDevSerial();
    CDevSerial(const CDevSerial&) = delete;
    CDevSerial& operator=(const CDevSerial&) = delete;

    // Parity code: 0 none, 1 odd, 2 even, 3 mark, 4 space. Stop-bit code:
    // 0 one, 1 one and a half, 2 two. Nothing is validated.
    void SetLinkParams(const QString& port, uint32_t baud, uint8_t dataBits, uint8_t parity,
                       uint8_t stopBits) override;
    // 1 when the port is open and configured, else 0 (and the port closed).
    int OpenConnection() override;
    int CloseConnection() override;
    bool IsConnected() const { return m_bConnected != 0; }

    int WriteCom(const void* bytes, int n) override;
    int ReadCom(void* bytes, int n);
    int GetInQueue();

    void SetTimeout(uint32_t ms);
    bool IsTimeout() const;
    // n bytes, or 0 when they were not all queued before the timeout; a
    // partial reply stays queued for the next read.
    int ReadComWait(void* bytes, int n, uint32_t timeoutMs) override;

    // The serial port names of the machine.
    static void EnumSerialPorts(QStringList& list);

    // The 32-bit millisecond tick count (wraps after 49.7 days).
    virtual uint32_t TickCount() const;

private:
    void ClearCommError();

    uint32_t m_dwDeadline = 0;
    std::unique_ptr<QSerialPort> m_hCom;
    QString m_strPort;
    uint32_t m_nBaud = 9600;
    uint8_t m_byDataBits = 8;
    uint8_t m_byParity = 1;
    uint8_t m_byStopBits = 0;
    int m_bConnected = 0;
};
