#include "AlarmListRules.h"
#include "ProjectModel.h"

namespace AlarmListRules {

RegisterRef StartCoil(const CProjectModel& model)
{
    if (!model.alarms.items.empty())
        return model.alarms.items.front().coil;
    RegisterRef coil;
    model.FillRegisterRefDefaults(coil, RegisterRef::KindBit);
    return coil;
}

RegisterRef CoilOfRow(const RegisterRef& start, int row)
{
    RegisterRef coil = start;
    coil.address = start.address + row;
    return coil;
}

QString CoilLabel(const RegisterRef& coil)
{
    const int base = coil.radix == 1 ? 8 : coil.radix == 3 ? 16 : 10;
    return coil.area
           + (base == 10 ? QString::number(coil.address)
                         : QString::number(uint(coil.address), base));
}

bool IsValidMessage(const QString& message)
{
    return !message.isEmpty() && message.size() <= kMaxMessageLength;
}

int FirstInvalidRow(const QStringList& messages)
{
    for (int r = 0; r < messages.size(); ++r)
        if (!IsValidMessage(messages[r]))
            return r + 1;
    return 0;
}

CAlarmObjList Build(const RegisterRef& start, const QStringList& messages)
{
    CAlarmObjList list;
    for (int r = 0; r < messages.size(); ++r) {
        CAlarmObject alarm;
        alarm.coil = CoilOfRow(start, r);
        alarm.message = messages[r];
        list.items.push_back(alarm);
    }
    return list;
}

} // namespace AlarmListRules
