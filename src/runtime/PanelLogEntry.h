#pragma once
#include "RuntimeImage.h"

#include <QtGlobal>

// What the panel wrote or refused, for the log; the front ends word it.
struct PanelLogEntry
{
    enum Kind {
        CoilSet,
        RegisterWritten,
        RunStop,
        PasswordRefused,
        ScreenNumberWritten,
        NumericEntered,
        NumericRefused,
        Beep
    } kind = CoilSet;
    qint64 time = 0;     // ms since start
    RuntimeRegister reg; // the coil/register written (RunStop: reg.device = the device)
    quint32 value = 0;   // coil 0/1, register value, RUN 0 / STOP 1, screen number, beep word
    int key = 0;         // F-key 1..5 when a key caused it
};
