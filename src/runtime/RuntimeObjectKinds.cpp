// The panel's table of record kinds: the image reader takes each record's
// length and field layout from here, the reference table how the record uses
// its register, the screen renderer how to draw it.
#include "RuntimeObjectKinds.h"
#include "ImageCursor.h"
#include "PanelScreenRenderer.h"

#include <algorithm>
#include <array>

namespace {

void Place(CImageCursor& c, RuntimeObject& o)
{
    o.x = c.U8();
    o.y = c.U8();
}

void Box(CImageCursor& c, RuntimeObject& o)
{
    Place(c, o);
    o.w = c.U8();
    o.h = c.U8();
}

void Range(CImageCursor& c, RuntimeObject& o)
{
    o.maximum = c.U32();
    o.minimum = c.U32();
}

// The fields after the kind byte, as each kind lays them out.
void PictureFields(CImageCursor& c, RuntimeObject& o)
{
    Box(c, o);
    o.pictureOffset = c.U24();
}

void DynamicTextFields(CImageCursor& c, RuntimeObject& o)
{
    o.reg.device = c.U8();
    Box(c, o);
    o.model = c.U8();
    o.reg.address = c.U16();
    o.entries = c.U8();
    o.pictureOffset = c.U24();
}

void BarMeterFields(CImageCursor& c, RuntimeObject& o)
{
    o.reg.device = c.U8();
    Box(c, o);
    o.reg.address = c.U16();
    o.registerCount = c.U8();
    o.flagsA = c.U8();
    o.flagsB = c.U8();
    Range(c, o);
}

void TrendMeterFields(CImageCursor& c, RuntimeObject& o)
{
    o.reg.device = c.U8();
    Box(c, o);
    o.reg.address = c.U16();
    o.flagsC = c.U8();
    o.dataPoints = c.U8();
    o.interval = c.U16();
    Range(c, o);
}

void IndicatorLightFields(CImageCursor& c, RuntimeObject& o)
{
    o.reg.device = c.U8();
    Place(c, o);
    o.reg.address = c.U16();
    o.flagsD = c.U8();
}

void NumericFields(CImageCursor& c, RuntimeObject& o)
{
    o.reg.device = c.U8();
    Place(c, o);
    o.reg.address = c.U16();
    o.flagsE = c.U8();
    o.digitsByte = c.U8();
    o.flagsF = c.U8();
    Range(c, o);
}

void StringFields(CImageCursor& c, RuntimeObject& o)
{
    o.reg.device = c.U8();
    Place(c, o);
    o.reg.address = c.U16();
    o.flagsG = c.U8();
    o.registerCount = c.U8();
}

// A dynamic text's register picks one of its texts: DEC or HEX/BCD.
RuntimeValueFormat SelectorFormat(const RuntimeObject& o)
{
    return RuntimeValueFormat{false, o.model == 0, false, false, 0};
}

using Use = RuntimeRegisterUse;

// A bar meter's fields come to 19 bytes: kind, device, x, y, w, h, address
// (2), register count, flags A and B, maximum (4), minimum (4).
constexpr std::array kKinds = {
    RuntimeObjectKindEntry{RK_STATIC_TEXT, "Static Text", 8, &PictureFields, Use::None, nullptr,
                           &CPanelScreenRenderer::DrawPicture},
    RuntimeObjectKindEntry{RK_DYNAMIC_TEXT, "Dynamic Text", 13, &DynamicTextFields, Use::Selector,
                           &SelectorFormat, &CPanelScreenRenderer::DrawDynamicText},
    RuntimeObjectKindEntry{RK_STATIC_BITMAP, "Static Bitmap", 8, &PictureFields, Use::None, nullptr,
                           &CPanelScreenRenderer::DrawPicture},
    RuntimeObjectKindEntry{RK_BAR_METER, "Bar Meter", 19, &BarMeterFields, Use::Value,
                           &BarMeterFormat, &CPanelScreenRenderer::DrawBarMeter},
    RuntimeObjectKindEntry{RK_TREND_METER, "Trend Meter", 20, &TrendMeterFields, Use::Value,
                           &TrendMeterFormat, &CPanelScreenRenderer::DrawTrendMeter},
    RuntimeObjectKindEntry{RK_INDICATOR_LIGHT, "Indicator Light", 7, &IndicatorLightFields,
                           Use::Coil, nullptr, &CPanelScreenRenderer::DrawLight},
    RuntimeObjectKindEntry{RK_NUMERIC, "Numeric", 17, &NumericFields, Use::Value, &NumericFormat,
                           &CPanelScreenRenderer::DrawNumeric},
    RuntimeObjectKindEntry{RK_STRING, "String", 8, &StringFields, Use::Text, nullptr,
                           &CPanelScreenRenderer::DrawString},
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
