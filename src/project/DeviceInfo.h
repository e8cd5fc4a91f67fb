#pragma once
#include <QString>
#include <QtGlobal>

#include <array>
#include <vector>

class CLineArchive;

// One PLC device of the device list: 32 setting bytes and a name.
class CSingleDeviceInfo
{
public:
    // What the setting bytes hold. Flags are 0 YES, 1 NO; a word takes two
    // bytes, high byte first. Bytes 11-31 are reserved.
    enum Byte : int {
        StationByte = 0, // station number 1..90
        BaudWord = 1,    // bytes 1-2: the baud rate code of the line settings
        ParityByte = 3,
        SelectRs485Byte = 4,
        RequireCtsByte = 5,
        ControlRtsByte = 6,
        TimeoutWord = 7,  // bytes 7-8, units of 100 ms
        PollTimeWord = 9, // bytes 9-10, ms
    };

    CSingleDeviceInfo();
    void Serialize(CLineArchive& ar); // 34 lines
    bool operator==(const CSingleDeviceInfo&) const = default;

    quint16 Word(int firstByte) const;
    void SetWord(int firstByte, quint16 value);

    std::array<quint8, 32> bytes{};
    QString name = QStringLiteral("DEV001");
};

// The general communication settings of the link and the device list.
class CDeviceInfo
{
public:
    CDeviceInfo();
    void Serialize(CLineArchive& ar);
    bool operator==(const CDeviceInfo&) const = default;

    // Back to the defaults with the one device "DEV001".
    void Reset();
    // Appends a device whose bytes come from the link settings.
    CSingleDeviceInfo& AddDevice(const QString& name);
    // The one mapping between the link settings and a device record's bytes
    // 1-10: baud rate, parity, select RS485, require CTS (byte 5), control
    // RTS (byte 6), timeout and poll time. Adding a device, a device page
    // going back into the link settings and the protocol dialog's record all
    // use it, so the two flags never change places.
    void WriteLineBytes(CSingleDeviceInfo& device) const;
    void ReadLineBytes(const CSingleDeviceInfo& device);

    std::vector<CSingleDeviceInfo> devices;
    int baudRate = 2048; // 2048 = 9600, 8192 = 19200, 16384 = 38400
    quint8 parity = 1;
    quint8 stopBits = 0;
    quint8 transmit = 0;
    quint8 selectRs485 = 1;
    quint8 requireCts = 1;
    quint8 controlRts = 1;
    quint8 checksumType = 0;
    quint8 registersPerMessage = 0;
    quint8 coilsPerMessage = 0;
    quint8 linkSelector = 0;
    quint8 wiring = 0;
    quint8 byteOrder = 0;
    quint8 wordOrder = 0;
    quint8 characterOrder = 0;
    quint8 transmission = 0;
    quint8 protocolStyle = 0;
    quint8 enq = 1;
    quint16 timeout = 10;
    quint16 pollTime = 10;
    quint16 maxStationNumber = 0;
    quint16 panelNumber = 0;
    int protocolCode = 1;
};
