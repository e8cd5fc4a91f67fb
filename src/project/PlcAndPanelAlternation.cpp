#include "PlcAndPanelAlternation.h"
#include "LineArchive.h"

CPLCAndPanelAlternation::CPLCAndPanelAlternation(const CProjectModel* model)
{
    FillRegisterRefDefaults(model, panelToPlc, RegisterRef::KindWord);
    FillRegisterRefDefaults(model, plcToPanel, RegisterRef::KindWord);
}

void CPLCAndPanelAlternation::Serialize(CLineArchive& ar)
{
    ar.Header("PLC and Panel");
    ar.Io(optionPassword);
    panelToPlc.Serialize(ar);
    ar.Io(panelToPlcEnabled);
    plcToPanel.Serialize(ar);
    ar.Io(plcToPanelEnabled);
    ar.Io(beepControlEnabled);
}
