#include "DeviceList.h"
#include "CommChoices.h"
#include "DeviceInfo.h"

namespace DeviceList {

namespace {
bool NameTaken(const CDeviceInfo& info, const QString& name)
{
    for (const CSingleDeviceInfo& d : info.devices)
        if (d.name == name)
            return true;
    return false;
}
QString NameOf(int n)
{
    return QStringLiteral("DEV%1").arg(n, 3, 10, QLatin1Char('0'));
}
} // namespace

QString NextDeviceName(const CDeviceInfo& info)
{
    const int n = int(info.devices.size()) + 1;
    if (!NameTaken(info, NameOf(n)))
        return NameOf(n);
    // At most 64 devices, so one of 1..65 is free.
    for (int k = 1;; ++k)
        if (!NameTaken(info, NameOf(k)))
            return NameOf(k);
}

int Add(CDeviceInfo& info)
{
    if (int(info.devices.size()) >= kMaxDevices)
        return -1;
    const int n = int(info.devices.size()) + 1;
    CSingleDeviceInfo& d = info.AddDevice(NextDeviceName(info));
    d.bytes[0] = quint8(n);
    return int(info.devices.size()) - 1;
}

bool CanDelete(const CDeviceInfo& info)
{
    return info.devices.size() >= 2;
}

int Delete(CDeviceInfo& info, int index)
{
    if (!CanDelete(info) || index < 0 || size_t(index) >= info.devices.size())
        return -1;
    info.devices.erase(info.devices.begin() + index);
    return index < int(info.devices.size()) ? index : index - 1;
}

QString ErrorNameExists()
{
    return QStringLiteral("Error GUI-003 : This device name already exists");
}

QString RenameError(const CDeviceInfo& info, const QString& newName)
{
    return NameTaken(info, newName.left(kMaxNameLength)) ? ErrorNameExists() : QString();
}

bool Rename(CDeviceInfo& info, int index, const QString& newName)
{
    if (index < 0 || size_t(index) >= info.devices.size() || !RenameError(info, newName).isEmpty())
        return false;
    info.devices[size_t(index)].name = newName.left(kMaxNameLength);
    return true;
}

quint16 DeviceWord(const CSingleDeviceInfo& device, int firstByte)
{
    return device.Word(firstByte);
}

void SetDeviceWord(CSingleDeviceInfo& device, int firstByte, quint16 value)
{
    device.SetWord(firstByte, value);
}

int DeviceBaudCode(const CSingleDeviceInfo& device)
{
    return device.Word(CSingleDeviceInfo::BaudWord);
}

void SetDeviceBaudCode(CSingleDeviceInfo& device, int code)
{
    device.SetWord(CSingleDeviceInfo::BaudWord, quint16(code));
}

void CopyBack(CDeviceInfo& info, const CSingleDeviceInfo& device)
{
    info.ReadLineBytes(device);
}

CSingleDeviceInfo ProtocolDevice(const CDeviceInfo& info)
{
    CSingleDeviceInfo d;
    info.WriteLineBytes(d);
    return d;
}

} // namespace DeviceList
