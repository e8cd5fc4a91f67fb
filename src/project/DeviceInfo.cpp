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
    d.bytes[0] = 1;
    d.bytes[1] = quint8(baudRate >> 8);
    d.bytes[2] = quint8(baudRate);
    d.bytes[3] = parity;
    d.bytes[4] = selectRs485;
    d.bytes[5] = requireCts;
    d.bytes[6] = controlRts;
    d.bytes[7] = quint8(timeout >> 8);
    d.bytes[8] = quint8(timeout);
    d.bytes[9] = quint8(pollTime >> 8);
    d.bytes[10] = quint8(pollTime);
    devices.push_back(d);
    return devices.back();
}

void CDeviceInfo::Serialize(CLineArchive& ar)
{
    ar.Header("Device Info");
    ar.Io(protocolCode);
    ar.Io(baudRate);
    for (quint8* b : {&parity, &stopBits, &transmit, &selectRs485, &requireCts, &controlRts,
                      &checksumType, &registersPerMessage, &coilsPerMessage, &linkSelector,
                      &wiring, &byteOrder, &wordOrder, &characterOrder, &transmission,
                      &protocolStyle, &enq})
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
