#include "RegisterRef.h"
#include "RegisterAddressText.h"
#include "DeviceInfo.h"
#include "LineArchive.h"

QString RegisterRef::ToText() const
{
    return deviceName + QLatin1Char('.') + area + QLatin1Char('.') + RegisterAddressText(*this);
}

QString RegisterAddressText(const RegisterRef& ref)
{
    int base = ref.radix == 1 ? 8 : ref.radix == 3 ? 16 : 10;
    QString text =
        base == 10 ? QString::number(ref.address) : QString::number(uint(ref.address), base);
    if (ref.bitOfWord)
        text += QLatin1Char('.') + QString::number(ref.bitNumber);
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
