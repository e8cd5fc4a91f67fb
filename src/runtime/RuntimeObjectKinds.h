#pragma once
#include "RuntimeImage.h"

#include <QString>
#include <QtGlobal>

#include <cstdint>
#include <span>

// The kind codes of the object records of the screen image, as the panel
// reads them (the first byte of each record).
enum RuntimeObjectKind : std::uint8_t {
    RK_STATIC_TEXT = 0,
    RK_DYNAMIC_TEXT = 1,
    RK_STATIC_BITMAP = 2,
    RK_BAR_METER = 3,
    RK_TREND_METER = 4,
    RK_INDICATOR_LIGHT = 5,
    RK_NUMERIC = 6,
    RK_STRING = 7,
};

class CImageCursor;
class CPanelPainter;
class CPanelScreenRenderer;

// How an object uses its register.
enum class RuntimeRegisterUse {
    None,     // no register (static text, static bitmap)
    Selector, // one word whose value picks what is shown (dynamic text)
    Value,    // a value of one or two words in the kind's format (meters, numeric)
    Coil,     // one coil (indicator light)
    Text,     // consecutive words of characters (string)
};

// One row of the panel's table of record kinds: the code, the kind's name in
// the panel's lists ("Numeric"), the record's length with its kind byte, how
// its fields follow the kind byte, and how it uses its register.
struct RuntimeObjectKindEntry
{
    RuntimeObjectKind code;
    const char* name;
    qsizetype recordLength;
    void (*readFields)(CImageCursor& c, RuntimeObject& o);
    RuntimeRegisterUse registerUse;
    // The value's format (Selector and Value); null for the others.
    RuntimeValueFormat (*format)(const RuntimeObject& o);
    // How the screen renderer draws it.
    void (CPanelScreenRenderer::*draw)(const RuntimeObject& o, int objectIndex,
                                       CPanelPainter& painter) const;
};

// Every kind, in the order of their codes (the row of a code is its index).
std::span<const RuntimeObjectKindEntry> RuntimeObjectKinds();
// The row of a kind code; none for a code that no kind has.
const RuntimeObjectKindEntry* RuntimeObjectKindOf(int code);
// The name of a kind code; empty for a code that no kind has.
QString RuntimeObjectKindName(int code);
// The shortest record of any kind.
qsizetype ShortestRuntimeObjectRecord();
