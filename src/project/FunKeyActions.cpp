#include "FunKeyActions.h"
#include "LineArchive.h"

CFunKey_SetCoil::CFunKey_SetCoil(const CProjectModel* model)
{
    FillRegisterRefDefaults(model, coil, RegisterRef::KindBit);
}

void CFunKey_SetCoil::Serialize(CLineArchive& ar)
{
    coil.Serialize(ar);
    ar.Io(action);
}

CFunKey_SetReg::CFunKey_SetReg(const CProjectModel* model)
{
    FillRegisterRefDefaults(model, reg, RegisterRef::KindWord);
}

void CFunKey_SetReg::Serialize(CLineArchive& ar)
{
    reg.Serialize(ar);
    ar.Io(quantity);
    ar.Io(value);
    if (ar.IsLoading() && ar.legacyRangeMode)
        return;
    ar.Io(isFloat);
    ar.Io(mode);
    ar.Io(isSigned);
}

void CFunKey_ScreenChg::Serialize(CLineArchive& ar)
{
    ar.Io(target);
    ar.Io(screenNumber);
}

void CFunKey_Advanced::Serialize(CLineArchive& ar)
{
    device.Serialize(ar);
    ar.Io(command);
}
