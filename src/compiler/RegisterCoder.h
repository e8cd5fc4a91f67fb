#pragma once
#include <QtGlobal>

class CProjectModel;
class CImageWriter;
struct RegisterRef;

// Turns a register reference into the 3-byte register code of the images:
// the device's station number, then the panel address. Reading the project
// never changes it.
class CRegisterCoder
{
public:
    explicit CRegisterCoder(const CProjectModel& model) : model_(model) {}

    // Station number of the last device whose name equals the reference's
    // device name; 0xFF when no device has that name.
    quint8 DeviceNumber(const RegisterRef& ref) const;
    // Base of the first memory-area row with the reference's letters plus
    // address plus bit number, low 16 bits; 0 for unknown letters and for a
    // PLC type that names no protocol.
    quint16 PanelAddress(const RegisterRef& ref) const;
    void Write(CImageWriter& out, const RegisterRef& ref) const;

private:
    const CProjectModel& model_;
};
