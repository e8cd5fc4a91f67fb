// The screen layer's table of kinds: code, stored name and factory. Every
// list and count of kinds in the screen layer and above derives from it.
#include "ObjectFactory.h"
#include "ObjectBarMeter.h"
#include "ObjectDynamicText.h"
#include "ObjectIndicatorLight.h"
#include "ObjectNumeric.h"
#include "ObjectStaticBitmap.h"
#include "ObjectStaticText.h"
#include "ObjectString.h"
#include "ObjectTrendMeter.h"

#include <array>
#include <type_traits>

namespace {

// Kinds bound to a register take the project's default reference.
template <class Object>
std::unique_ptr<CDiagramEntity> Create(const CProjectModel* model)
{
    if constexpr (std::is_constructible_v<Object, const CProjectModel*>)
        return std::make_unique<Object>(model);
    else
        return std::make_unique<Object>();
}

constexpr std::array kKinds = {
    ObjectKindEntry{OBJ_STATIC_TEXT, "Static Text", &Create<CObjectStaticText>},
    ObjectKindEntry{OBJ_DYNAMIC_TEXT, "Dynamic Text", &Create<CObjectDynamicText>},
    ObjectKindEntry{OBJ_STATIC_BITMAP, "Static Bitmap", &Create<CObjectStaticBitmap>},
    ObjectKindEntry{OBJ_BAR_METER, "Bar Meter", &Create<CObjectBarMeter>},
    ObjectKindEntry{OBJ_TREND_METER, "Trend Meter", &Create<CObjectTrendMeter>},
    ObjectKindEntry{OBJ_INDICATOR_LIGHT, "Indicator Light", &Create<CObjectIndicatorLight>},
    ObjectKindEntry{OBJ_NUMERIC, "Numeric", &Create<CObjectNumeric>},
    ObjectKindEntry{OBJ_STRING, "String", &Create<CObjectString>},
};

constexpr bool RowsInCodeOrder()
{
    for (size_t i = 0; i < kKinds.size(); ++i)
        if (int(kKinds[i].code) != int(i))
            return false;
    return kKinds.size() == size_t(kObjectKindCount);
}
static_assert(RowsInCodeOrder(), "one row per kind code, in code order");

} // namespace

std::span<const ObjectKindEntry> ObjectKinds()
{
    return kKinds;
}

QString ObjectKindName(int kind)
{
    if (kind < 0 || kind >= kObjectKindCount)
        return QString();
    return QLatin1String(kKinds[size_t(kind)].storedName);
}

std::unique_ptr<CDiagramEntity> CreateObjectOfKind(int kind, const CProjectModel* model)
{
    if (kind < 0 || kind >= kObjectKindCount)
        return nullptr;
    return kKinds[size_t(kind)].create(model);
}

std::unique_ptr<CDiagramEntity> CreateObjectFromLine(const QString& line, bool legacyRangeMode,
                                                     const CProjectModel* model)
{
    // A kind refuses a line that names another kind before reading anything,
    // so only the kind that the line names needs trying.
    QString kindName, rest;
    if (!CDiagramEntity::SplitKindName(line, &kindName, &rest))
        return nullptr;
    for (const ObjectKindEntry& kind : kKinds) {
        if (kindName != QLatin1String(kind.storedName))
            continue;
        auto object = kind.create(model);
        if (object->ReadLine(line, legacyRangeMode))
            return object;
    }
    return nullptr;
}
