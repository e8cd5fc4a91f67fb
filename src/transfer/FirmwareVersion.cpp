#include "FirmwareVersion.h"

namespace FirmwareVersion {

std::array<uint8_t, 4> RequiredBy(const QByteArray& image)
{
    std::array<uint8_t, 4> v{};
    for (int i = 0; i < 4; ++i)
        if (kImageOffset + i < image.size())
            v[size_t(i)] = uint8_t(image[kImageOffset + i]);
    return v;
}

bool DownloadRefuses(const std::array<uint8_t, 4>& required, const std::array<uint8_t, 4>& panel)
{
    for (size_t i = 0; i < 4; ++i)
        if (int(required[i]) > int(int8_t(panel[i])))
            return true;
    return false;
}

bool RestoreAccepts(const std::array<uint16_t, 4>& panel, const std::array<uint8_t, 4>& required)
{
    return panel[0] > required[0] || panel[1] > required[1] || panel[2] > required[2]
           || panel[3] >= required[3];
}

} // namespace FirmwareVersion
