#include "CommImage.h"
#include "ImageWriter.h"
#include "project/DeviceInfo.h"

namespace CommImage {

QByteArray Build(const CDeviceInfo& info)
{
    QByteArray out;
    out.reserve(47 + 16 * qsizetype(info.devices.size()));
    CImageWriter w(out);
    w.U8(ImageType::kCommunication);
    w.U8(quint32(info.protocolCode)); // the current device of the link
    w.U8(quint32(info.devices.size()));
    w.PadTo(ImageType::kHeaderSize);
    w.U16(quint32(info.baudRate));
    w.U8(info.parity);
    w.U8(info.stopBits);
    w.U8(info.transmit);
    w.U8(info.selectRs485);
    w.U8(info.requireCts);
    w.U8(info.controlRts);
    w.U8(info.timeout);
    w.U16(info.pollTime);
    w.U8(info.maxStationNumber);
    w.U8(info.checksumType);
    w.U8(info.registersPerMessage);
    w.U8(info.coilsPerMessage);
    w.U8(info.linkSelector);
    w.U8(info.wiring);
    w.U8(info.byteOrder);
    w.U8(info.wordOrder);
    w.U8(info.characterOrder);
    w.U8(info.transmission);
    w.U8(info.protocolStyle);
    w.U8(info.enq);
    w.Zeros(8);
    for (const CSingleDeviceInfo& device : info.devices)
        for (int i = 0; i < 16; ++i)
            w.U8(device.bytes[size_t(i)]);
    return out;
}

} // namespace CommImage
