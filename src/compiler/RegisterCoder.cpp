#include "RegisterCoder.h"
#include "ImageWriter.h"
#include "project/ProjectModel.h"
#include "project/ProtocolTables.h"
#include "project/RegisterRef.h"

quint8 CRegisterCoder::DeviceNumber(const RegisterRef& ref) const
{
    const CSingleDeviceInfo* device = ReferencedDevice(model_.Devices(), ref.deviceName);
    return device ? device->bytes[0] : 0xFF;
}

quint16 CRegisterCoder::PanelAddress(const RegisterRef& ref) const
{
    const ProtocolTables::Protocol* protocol = ProtocolTables::FindProtocol(model_.info.plcType);
    return protocol ? ProtocolTables::PanelAddress(*protocol, ref) : 0;
}

void CRegisterCoder::Write(CImageWriter& out, const RegisterRef& ref) const
{
    out.U8(DeviceNumber(ref));
    out.U16(PanelAddress(ref));
}
