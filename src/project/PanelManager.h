#pragma once
#include "DeviceInfo.h"
#include "PanelConfigInfo.h"

// The panel and its PLC link: the panel configuration, then the device settings.
class CPanelManager
{
public:
    void Serialize(CLineArchive& ar)
    {
        panelConfig.Serialize(ar);
        deviceInfo.Serialize(ar);
    }
    bool operator==(const CPanelManager&) const = default;

    CPanelConfigInfo panelConfig;
    CDeviceInfo deviceInfo;
};
