#include "AlarmObject.h"
#include "LineArchive.h"

CAlarmObject::CAlarmObject(const CProjectModel* model)
{
    FillRegisterRefDefaults(model, coil, RegisterRef::KindBit);
}

void CAlarmObject::Serialize(CLineArchive& ar)
{
    ar.Header("Alarm Object");
    coil.Serialize(ar);
    ar.Io(message);
}

void CAlarmObjList::Serialize(CLineArchive& ar)
{
    ar.Header("Alarm Object List");
    int count = int(items.size());
    ar.Io(count);
    if (ar.IsStoring()) {
        for (CAlarmObject& item : items)
            item.Serialize(ar);
        return;
    }
    items.clear();
    // A count larger than the records that follow stops at the end of the file.
    for (int i = 0; i < count && !ar.AtEnd(); ++i) {
        items.emplace_back(ar.model);
        items.back().Serialize(ar);
    }
}
