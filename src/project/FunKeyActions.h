#pragma once
#include "RegisterRef.h"

class CLineArchive;
class CProjectModel;

// The four actions of a function key. All four always exist; the key's
// function type selects the one in effect.

// Type 0: set a coil. Action 0 SET ON, 1 SET OFF, 2 SET NOT, 3 INSTANT ON.
class CFunKey_SetCoil
{
public:
    explicit CFunKey_SetCoil(const CProjectModel* model = nullptr);
    void Serialize(CLineArchive& ar);
    bool operator==(const CFunKey_SetCoil&) const = default;

    RegisterRef coil;
    int action = 0;
};

// Type 1: write a value to registers.
class CFunKey_SetReg
{
public:
    explicit CFunKey_SetReg(const CProjectModel* model = nullptr);
    // Eleven lines; eight when loading in legacy range mode.
    void Serialize(CLineArchive& ar);
    bool operator==(const CFunKey_SetReg&) const = default;

    RegisterRef reg;
    int quantity = 1;
    int value = 0; // the bit pattern of an IEEE-754 single when isFloat
    int isFloat = 0;
    int mode = 0; // 0 BIN, 1 BCD
    int isSigned = 0;
};

// Type 2: change screen. Target 0 a screen number, 1 the alarm list.
class CFunKey_ScreenChg
{
public:
    void Serialize(CLineArchive& ar);
    bool operator==(const CFunKey_ScreenChg&) const = default;

    int target = 0;
    int screenNumber = 1;
};

// Type 3: command the PLC of a device. Command 0 RUN, 1 STOP.
class CFunKey_Advanced
{
public:
    void Serialize(CLineArchive& ar);
    bool operator==(const CFunKey_Advanced&) const = default;

    RegisterRef device; // only the device name is edited
    int command = 0;
};
