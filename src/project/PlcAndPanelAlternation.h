#pragma once
#include "RegisterRef.h"

#include <QString>

// The option password and the two PLC <-> Panel exchange areas.
class CPLCAndPanelAlternation
{
public:
    explicit CPLCAndPanelAlternation(const CProjectModel* model = nullptr);
    void Serialize(CLineArchive& ar);
    bool operator==(const CPLCAndPanelAlternation&) const = default;

    QString optionPassword = QStringLiteral("36093609");
    RegisterRef panelToPlc; // word where the panel writes its screen number
    int panelToPlcEnabled = 0;
    RegisterRef plcToPanel; // "switch-to" screen word; the next word is the beeper
    int plcToPanelEnabled = 0;
    int beepControlEnabled = 0;
};
