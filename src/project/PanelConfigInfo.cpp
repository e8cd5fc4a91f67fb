#include "PanelConfigInfo.h"
#include "LineArchive.h"

void CPanelConfigInfo::Serialize(CLineArchive& ar)
{
    ar.Header("Panel Info");
    ar.Io(dwordExchange);
    ar.Io(functionKeyBeep);
    ar.Io(logScreenEnabled);
    ar.Io(protectShowsScreen);
    ar.Io(panelType);
    ar.Io(screenProtectTime);
    ar.Io(logScreenNumber);
    ar.Io(logTimer);
    ar.Io(protectScreenNumber);
    ar.Io(startScreenNumber);
}
