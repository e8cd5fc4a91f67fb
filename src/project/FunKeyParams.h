#pragma once
#include "FunKeyActions.h"

#include <QString>

// One function key of one screen.
class CFunKeyParams
{
public:
    explicit CFunKeyParams(const CProjectModel* model = nullptr);
    void Serialize(CLineArchive& ar);
    bool operator==(const CFunKeyParams&) const = default;

    // "Unused", or "Used,PSW,Set Coil" and the like.
    QString ListText() const;
    static QString TypeName(int functionType);

    CFunKey_SetCoil setCoil;
    CFunKey_SetReg setReg;
    CFunKey_ScreenChg screenChg;
    CFunKey_Advanced advanced;
    int reserved = 0;
    int used = 0;
    int password = 0;
    int showDescription = 0;
    QString description;  // up to 13 characters
    int functionType = 0; // 0 Set Coil, 1 Set Register, 2 Screen Change, 3 Advanced
};
