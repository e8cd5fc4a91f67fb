#include "FunKeyParams.h"
#include "LineArchive.h"

CFunKeyParams::CFunKeyParams(const CProjectModel* model) : setCoil(model), setReg(model) {}

void CFunKeyParams::Serialize(CLineArchive& ar)
{
    ar.Io(reserved);
    ar.Io(used);
    ar.Io(password);
    ar.Io(functionType);
    ar.Io(showDescription);
    ar.Io(description);
    setCoil.Serialize(ar);
    setReg.Serialize(ar);
    screenChg.Serialize(ar);
    advanced.Serialize(ar);
}

QString CFunKeyParams::TypeName(int functionType)
{
    switch (functionType) {
    case 0: return QStringLiteral("Set Coil");
    case 1: return QStringLiteral("Set Register");
    case 2: return QStringLiteral("Screen Change");
    case 3: return QStringLiteral("Advanced");
    default: return QStringLiteral("Unknown");
    }
}

QString CFunKeyParams::ListText() const
{
    if (!used)
        return QStringLiteral("Unused");
    return QStringLiteral("Used,") + (password ? QStringLiteral("PSW") : QStringLiteral("NO PSW"))
           + QLatin1Char(',') + (showDescription ? description : TypeName(functionType));
}
