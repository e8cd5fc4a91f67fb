#include "DeviceInfo.h"
#include "LineArchive.h"

CSingleDeviceInfo::CSingleDeviceInfo()
{
    bytes[0] = 1;
    bytes[1] = 37;
    bytes[2] = 128;
    bytes[3] = 1;
    bytes[4] = 1;
    bytes[5] = 1;
    bytes[6] = 1;
    bytes[7] = 0;
    bytes[8] = 10;
    bytes[9] = 0;
    bytes[10] = 10;
}

quint16 CSingleDeviceInfo::Word(int firstByte) const
{
    return quint16((bytes[size_t(firstByte)] << 8) | bytes[size_t(firstByte) + 1]);
}

void CSingleDeviceInfo::SetWord(int firstByte, quint16 value)
{
    bytes[size_t(firstByte)] = quint8(value >> 8);
    bytes[size_t(firstByte) + 1] = quint8(value);
}

void CSingleDeviceInfo::Serialize(CLineArchive& ar)
{
    ar.Header("Single device Info");
    for (quint8& b : bytes)
        ar.Io(b);
    ar.Io(name);
}

CDeviceInfo::CDeviceInfo()
{
    Reset();
}

void CDeviceInfo::Reset()
{
    devices.clear();
    baudRate = 2048;
    parity = 1;
    stopBits = 0;
    transmit = 0;
    selectRs485 = 1;
    requireCts = 1;
    controlRts = 1;
    checksumType = 0;
    registersPerMessage = 0;
    coilsPerMessage = 0;
    linkSelector = 0;
    wiring = 0;
    byteOrder = 0;
    wordOrder = 0;
    characterOrder = 0;
    transmission = 0;
    protocolStyle = 0;
    enq = 1;
    timeout = 10;
    pollTime = 10;
    maxStationNumber = 0;
    panelNumber = 0;
    protocolCode = 1;
    AddDevice(QStringLiteral("DEV001"));
}

CSingleDeviceInfo& CDeviceInfo::AddDevice(const QString& name)
{
    CSingleDeviceInfo d;
    d.name = name;
    d.bytes[CSingleDeviceInfo::StationByte] = 1;
    WriteLineBytes(d);
    devices.push_back(d);
    return devices.back();
}

void CDeviceInfo::WriteLineBytes(CSingleDeviceInfo& d) const
{
    d.SetWord(CSingleDeviceInfo::BaudWord, quint16(baudRate));
    d.bytes[CSingleDeviceInfo::ParityByte] = parity;
    d.bytes[CSingleDeviceInfo::SelectRs485Byte] = selectRs485;
    d.bytes[CSingleDeviceInfo::RequireCtsByte] = requireCts;
    d.bytes[CSingleDeviceInfo::ControlRtsByte] = controlRts;
    d.SetWord(CSingleDeviceInfo::TimeoutWord, timeout);
    d.SetWord(CSingleDeviceInfo::PollTimeWord, pollTime);
}

void CDeviceInfo::ReadLineBytes(const CSingleDeviceInfo& d)
{
    baudRate = d.Word(CSingleDeviceInfo::BaudWord);
    parity = d.bytes[CSingleDeviceInfo::ParityByte];
    selectRs485 = d.bytes[CSingleDeviceInfo::SelectRs485Byte];
    requireCts = d.bytes[CSingleDeviceInfo::RequireCtsByte];
    controlRts = d.bytes[CSingleDeviceInfo::ControlRtsByte];
    timeout = d.Word(CSingleDeviceInfo::TimeoutWord);
    pollTime = d.Word(CSingleDeviceInfo::PollTimeWord);
}

void CDeviceInfo::Serialize(CLineArchive& ar)
{
    ar.Header("Device Info");
    ar.Io(protocolCode);
    ar.Io(baudRate);
    for (quint8* b : {&parity, &stopBits, &transmit, &selectRs485, &requireCts, &controlRts,
                      &checksumType, &registersPerMessage, &coilsPerMessage, &linkSelector, &wiring,
                      &byteOrder, &wordOrder, &characterOrder, &transmission, &protocolStyle, &enq})
        ar.Io(*b);
    ar.Io(timeout);
    ar.Io(pollTime);
    ar.Io(maxStationNumber);
    ar.Io(panelNumber);
    int count = int(devices.size());
    ar.Io(count);
    if (ar.IsStoring()) {
        for (CSingleDeviceInfo& d : devices)
            d.Serialize(ar);
        return;
    }
    devices.clear();
    for (int i = 0; i < count && !ar.AtEnd(); ++i) {
        devices.emplace_back();
        devices.back().Serialize(ar);
    }
}
