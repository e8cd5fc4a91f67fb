#pragma once
#include "PanelReference.h"
#include "RuntimeImage.h"

#include <vector>

// Every register and coil that a runtime image references, with its uses:
// the objects of every screen, the used Set Coil and Set Register keys, the
// alarms' coils and the enabled PLC <-> Panel words. Registers come first,
// then coils, each by device and address.
class CPanelReferenceTable
{
public:
    static std::vector<PanelReference> Build(const RuntimeImage& image);
    // The kind names of the object records ("Numeric"), empty for others.
    static QString KindName(int kind);
};
