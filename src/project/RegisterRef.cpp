#include "RegisterRef.h"
#include "DeviceInfo.h"
#include "LineArchive.h"

QString RegisterRef::ToText() const
{
    int base = radix == 1 ? 8 : radix == 3 ? 16 : 10;
    QString addr = base == 10 ? QString::number(address) : QString::number(uint(address), base);
    QString text = deviceName + QLatin1Char('.') + area + QLatin1Char('.') + addr;
    if (bitOfWord)
        text += QLatin1Char('.') + QString::number(bitNumber);
    return text;
}

void RegisterRef::Serialize(CLineArchive& ar)
{
    ar.Io(deviceName);
    ar.Io(area);
    ar.Io(address);
    ar.Io(bitNumber);
    ar.Io(radix);
    ar.Io(bitOfWord);
}

const CSingleDeviceInfo* ReferencedDevice(const CDeviceInfo& devices, const QString& deviceName)
{
    for (auto it = devices.devices.rbegin(); it != devices.devices.rend(); ++it)
        if (it->name == deviceName)
            return &*it;
    return nullptr;
}
