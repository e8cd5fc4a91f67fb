#include "ObjectFactory.h"
#include "ObjectBarMeter.h"
#include "ObjectDynamicText.h"
#include "ObjectIndicatorLight.h"
#include "ObjectNumeric.h"
#include "ObjectStaticBitmap.h"
#include "ObjectStaticText.h"
#include "ObjectString.h"
#include "ObjectTrendMeter.h"

namespace {

const char* const kKindNames[kObjectKindCount] = {
    "Static Text", "Dynamic Text", "Static Bitmap", "Bar Meter",
    "Trend Meter", "Indicator Light", "Numeric", "String",
};

} // namespace

QString ObjectKindName(int kind)
{
    if (kind < 0 || kind >= kObjectKindCount)
        return QString();
    return QLatin1String(kKindNames[kind]);
}

std::unique_ptr<CDiagramEntity> CreateObjectOfKind(int kind, const CProjectModel* model)
{
    switch (kind) {
    case OBJ_STATIC_TEXT: return std::make_unique<CObjectStaticText>();
    case OBJ_DYNAMIC_TEXT: return std::make_unique<CObjectDynamicText>(model);
    case OBJ_STATIC_BITMAP: return std::make_unique<CObjectStaticBitmap>();
    case OBJ_BAR_METER: return std::make_unique<CObjectBarMeter>(model);
    case OBJ_TREND_METER: return std::make_unique<CObjectTrendMeter>(model);
    case OBJ_INDICATOR_LIGHT: return std::make_unique<CObjectIndicatorLight>(model);
    case OBJ_NUMERIC: return std::make_unique<CObjectNumeric>(model);
    case OBJ_STRING: return std::make_unique<CObjectString>(model);
    default: return nullptr;
    }
}

std::unique_ptr<CDiagramEntity> CreateObjectFromLine(const QString& line, bool legacyRangeMode,
                                                     const CProjectModel* model)
{
    // A kind refuses a line that names another kind before reading anything,
    // so only the kind that the line names needs trying.
    QString kindName, rest;
    if (!CDiagramEntity::SplitKindName(line, &kindName, &rest))
        return nullptr;
    for (int kind = 0; kind < kObjectKindCount; ++kind) {
        if (kindName != QLatin1String(kKindNames[kind]))
            continue;
        auto object = CreateObjectOfKind(kind, model);
        if (object->ReadLine(line, legacyRangeMode))
            return object;
    }
    return nullptr;
}
