#pragma once
#include "RegisterRef.h"

#include <QString>
#include <vector>

// One row of the alarm list: the coil that raises it and its message.
class CAlarmObject
{
public:
    explicit CAlarmObject(const CProjectModel* model = nullptr);
    void Serialize(CLineArchive& ar); // 8 lines
    bool operator==(const CAlarmObject&) const = default;

    RegisterRef coil;
    QString message;
};

// The ordered alarm list.
class CAlarmObjList
{
public:
    void Serialize(CLineArchive& ar);
    bool operator==(const CAlarmObjList&) const = default;

    std::vector<CAlarmObject> items;
};
