#pragma once
#include <QtGlobal>

class CLineArchive;

// The panel configuration.
class CPanelConfigInfo
{
public:
    void Serialize(CLineArchive& ar);
    bool operator==(const CPanelConfigInfo&) const = default;

    int panelType = 0;
    int logScreenEnabled = 0;
    quint16 logScreenNumber = 1;
    quint16 logTimer = 0; // seconds 0..60
    quint16 startScreenNumber = 1;
    quint8 screenProtectTime = 3; // index into the protect-time list
    int protectShowsScreen = 1;   // 1 show the protect screen, 0 close backlight
    quint16 protectScreenNumber = 1;
    int functionKeyBeep = 1;
    int dwordExchange = 0;
};
