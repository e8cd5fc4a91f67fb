#pragma once
#include <QString>

class CLineArchive;
class CProjectModel;

// A reference to one PLC register or coil, embedded by value in the records
// and screen objects that need one.
struct RegisterRef
{
    QString deviceName;
    QString area;
    int address = 0;
    int bitNumber = 0;
    int radix = 0;     // 1 octal, 3 hexadecimal, any other value decimal
    int bitOfWord = 0; // nonzero: the reference names one bit of a word

    enum Kind { KindBit = 0, KindWord = 2 };

    // "DEV001.R.2000", with ".%d" and the bit number for a bit of a word.
    QString ToText() const;

    // Six lines in the project document: device, area, address, bit, radix, flag.
    void Serialize(CLineArchive& ar);

    bool operator==(const RegisterRef&) const = default;
};

// Default filling of a reference of `kind` from the project's device list and
// PLC type. With no model, the device name and area stay as they are and the
// radix and flag get their start values (2, 0).
void FillRegisterRefDefaults(const CProjectModel* model, RegisterRef& ref, int kind);

class CDeviceInfo;
class CSingleDeviceInfo;

// The device a reference names: the last device of the list whose name
// equals the reference's device name (case counting); null when no device
// has that name, so the reference names a device that does not exist.
const CSingleDeviceInfo* ReferencedDevice(const CDeviceInfo& devices, const QString& deviceName);
