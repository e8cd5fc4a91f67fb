#pragma once
#include "RuntimeImage.h"
#include "base/Wording.h"

#include <QString>
#include <QStringList>

#include <vector>

// One use of a register or coil, for the front ends to word in their
// language; `PanelUseText` words it.
struct PanelUse
{
    enum Kind { Object, Key, Alarm, PanelToPlc, PlcToPanel, Beep } kind = Object;
    int screen = 0;     // Object, Key
    int objectKind = 0; // Object: the kind code
    int number = 0;     // Object: its 1-based place in the screen; Key: F1..F5; Alarm: 1..
    int function = 0;   // Key: 0 Set Coil, 1 Set Register
};
// "Screen 2: Numeric 5", "Screen 2: F2 Set Register", "Alarm 3", ... in the
// wording (English when none).
QString PanelUseText(const PanelUse& use, const Wording& words = {});

// One row of the engineer's table: a register or coil that the image
// references, with its uses.
struct PanelReference
{
    RuntimeRegister reg;
    bool coil = false;
    int words = 1;                 // 2 for a two-register value, n for a string's registers
    RuntimeValueFormat format;     // how to show/edit it (of its first use with a format)
    bool hasFormat = false;        // a numeric, meter or dynamic text gave the format
    bool ascii = false;            // a string's registers: show/edit as characters
    QString text;                  // "R700", "M10": area letters + address in the area's radix
    QStringList uses;              // "Screen 3: Numeric 2", "Screen 1: F2 Set Coil", "Alarm 1", ...
    std::vector<PanelUse> useList; // the same uses, one by one
};

// Area letters + number text of a panel address ("R700"), from the protocol's
// memory-area table; an address inside no area of its kind reads "0x" and
// four hexadecimal digits. The inverse ("R700" -> address; letters in either
// case) is false when no area of the letters holds the number.
QString PanelAddressText(quint16 address, bool coil);
bool ParsePanelAddressText(const QString& text, quint16* address, bool* coil);
