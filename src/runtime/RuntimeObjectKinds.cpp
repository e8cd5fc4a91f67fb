// The panel's table of record kinds. The image reader, the screen renderer
// and the reference table of the simulated panel take their codes from here.
#include "RuntimeObjectKinds.h"

#include <algorithm>
#include <array>

namespace {

// A bar meter's fields come to 19 bytes: kind, device, x, y, w, h, address
// (2), register count, flags A and B, maximum (4), minimum (4).
constexpr std::array kKinds = {
    RuntimeObjectKindEntry{RK_STATIC_TEXT, "Static Text", 8},
    RuntimeObjectKindEntry{RK_DYNAMIC_TEXT, "Dynamic Text", 13},
    RuntimeObjectKindEntry{RK_STATIC_BITMAP, "Static Bitmap", 8},
    RuntimeObjectKindEntry{RK_BAR_METER, "Bar Meter", 19},
    RuntimeObjectKindEntry{RK_TREND_METER, "Trend Meter", 20},
    RuntimeObjectKindEntry{RK_INDICATOR_LIGHT, "Indicator Light", 7},
    RuntimeObjectKindEntry{RK_NUMERIC, "Numeric", 17},
    RuntimeObjectKindEntry{RK_STRING, "String", 8},
};

constexpr bool RowsInCodeOrder()
{
    for (size_t i = 0; i < kKinds.size(); ++i)
        if (size_t(kKinds[i].code) != i)
            return false;
    return true;
}
static_assert(RowsInCodeOrder(), "one row per kind code, in code order");

} // namespace

std::span<const RuntimeObjectKindEntry> RuntimeObjectKinds()
{
    return kKinds;
}

const RuntimeObjectKindEntry* RuntimeObjectKindOf(int code)
{
    return code >= 0 && code < int(kKinds.size()) ? &kKinds[size_t(code)] : nullptr;
}

QString RuntimeObjectKindName(int code)
{
    const RuntimeObjectKindEntry* row = RuntimeObjectKindOf(code);
    return row ? QString::fromLatin1(row->name) : QString();
}

qsizetype ShortestRuntimeObjectRecord()
{
    qsizetype shortest = kKinds[0].recordLength;
    for (const RuntimeObjectKindEntry& k : kKinds)
        shortest = std::min(shortest, k.recordLength);
    return shortest;
}
