#pragma once
#include "base/Wording.h"
#include "project/RegisterRef.h"

#include <QString>

// Where a register or coil is used.
enum class UseKind {
    Object,     // a screen object's register or coil
    Key,        // a function key's Set Coil or Set Register
    Alarm,      // an alarm's coil
    PlcToPanel, // the switch-to screen word and the beeper word after it
    PanelToPlc, // the word where the panel writes its screen number
    Advanced,   // a function key's Advanced command: a device only
};

// "object", "key", "alarm", "plc-to-panel", "panel-to-plc", "advanced".
QString UseKindName(UseKind kind);

// One use of a register or coil in the project.
struct CrossReferenceUse
{
    UseKind kind = UseKind::Object;
    RegisterRef ref;
    int words = 1;    // consecutive words from the address (1 for a coil)
    bool bit = false; // a coil: never spans several words

    int screenNumber = 0; // objects and keys
    QString screenName;
    int objectIndex = -1; // position in the screen's object list
    QString objectName;
    int objectKind = -1;
    int keyIndex = -1;   // 0 for F1
    QString action;      // "SET ON", "Set Register", "RUN", ...
    int alarmNumber = 0; // 1 for the first alarm

    // "#3 Main 'NUM1' (Numeric)", "#3 Main F2 SET ON", "Alarm 4",
    // "PLC <-> Panel"; the kind, the action and the words in the wording.
    QString Place(const Wording& words = {}) const;
};
