#pragma once
#include <QString>

class CDeviceInfo;
class CSingleDeviceInfo;

// The rules of the device list that the Panel Manager edits: adding,
// deleting and renaming devices, and a device page's values going back into
// the general settings.
namespace DeviceList {

inline constexpr int kMaxDevices = 64;
inline constexpr int kMaxNameLength = 8;

// "DEV%03d" with n = count + 1, or when that is taken the first free one
// from 1 upward.
QString NextDeviceName(const CDeviceInfo& info);
// Appends a device named by NextDeviceName with station number n and the
// line values of the general settings. Returns its index, -1 with 64
// devices already.
int Add(CDeviceInfo& info);
bool CanDelete(const CDeviceInfo& info);
// Removes device `index` when CanDelete; returns the index to select then
// (the next device, or the previous one when it was the last), -1 when
// nothing was removed.
int Delete(CDeviceInfo& info, int index);
// The error text of a rename, empty when it is accepted: a name equal
// (case counting) to any device's name, the renamed one's included, is
// refused with GUI-003. A name is cut to 8 characters first.
QString RenameError(const CDeviceInfo& info, const QString& newName);
bool Rename(CDeviceInfo& info, int index, const QString& newName);
QString ErrorNameExists();

// The baud code in a device record's bytes 1-2.
int DeviceBaudCode(const CSingleDeviceInfo& device);
void SetDeviceBaudCode(CSingleDeviceInfo& device, int code);
quint16 DeviceWord(const CSingleDeviceInfo& device, int firstByte);
void SetDeviceWord(CSingleDeviceInfo& device, int firstByte, quint16 value);

// A device page stored in the Panel Manager: its values go back into the
// general settings, read as AddDevice writes them.
void CopyBack(CDeviceInfo& info, const CSingleDeviceInfo& device);
// The record that the protocol dialog edits for a new project: defaults,
// with bytes 1-10 from the general settings as AddDevice writes them.
CSingleDeviceInfo ProtocolDevice(const CDeviceInfo& info);

} // namespace DeviceList
