// The editor's table of kinds. Every list and count of kinds in the editor
// (Object menu, object list, icons, painters, property forms, help and
// manual pages) derives from it.
#include "EditorObjectKinds.h"
#include "BarMeterPainter.h"
#include "DlgObjBarMeter.h"
#include "DlgObjDynamicText.h"
#include "DlgObjIndicatorLight.h"
#include "DlgObjNumeric.h"
#include "DlgObjStaticBitmap.h"
#include "DlgObjStaticText.h"
#include "DlgObjString.h"
#include "DlgObjTrendMeter.h"
#include "DynamicTextPainter.h"
#include "IndicatorLightPainter.h"
#include "NumericPainter.h"
#include "StaticBitmapPainter.h"
#include "StaticTextPainter.h"
#include "StringPainter.h"
#include "TrendMeterPainter.h"
#include "screen/ObjectBarMeter.h"
#include "screen/ObjectDynamicText.h"
#include "screen/ObjectFactory.h"
#include "screen/ObjectIndicatorLight.h"
#include "screen/ObjectNumeric.h"
#include "screen/ObjectStaticBitmap.h"
#include "screen/ObjectStaticText.h"
#include "screen/ObjectString.h"
#include "screen/ObjectTrendMeter.h"

#include <array>

namespace {

template <class Form, class Object>
std::unique_ptr<IObjectPropertyForm> CreateForm(CDiagramEntity& object)
{
    return std::make_unique<Form>(static_cast<Object&>(object));
}

const std::array<EditorObjectKind, kObjectKindCount>& Rows()
{
    static const CStaticTextPainter kStaticText;
    static const CDynamicTextPainter kDynamicText;
    static const CStaticBitmapPainter kStaticBitmap;
    static const CBarMeterPainter kBarMeter;
    static const CTrendMeterPainter kTrendMeter;
    static const CIndicatorLightPainter kIndicatorLight;
    static const CNumericPainter kNumeric;
    static const CStringPainter kString;
    static const std::array<EditorObjectKind, kObjectKindCount> rows = {{
        {OBJ_STATIC_TEXT, "&Static Text", "Draw a static text", &kStaticText,
         &CreateForm<CDlgObjStaticText, CObjectStaticText>, "CDlgObjStaticText",
         "form-static-text.html"},
        {OBJ_DYNAMIC_TEXT, "&Dynamic Text", "Draw a dynamic text", &kDynamicText,
         &CreateForm<CDlgObjDynamicText, CObjectDynamicText>, "CDlgObjDynamicText",
         "form-dynamic-text.html"},
        {OBJ_STATIC_BITMAP, "Static &Bitmap", "Draw a static bitmap", &kStaticBitmap,
         &CreateForm<CDlgObjStaticBitmap, CObjectStaticBitmap>, "CDlgObjStaticBitmap",
         "form-static-bitmap.html"},
        {OBJ_BAR_METER, "Bar &Meter", "Draw a bar meter", &kBarMeter,
         &CreateForm<CDlgObjBarMeter, CObjectBarMeter>, "CDlgObjBarMeter", "form-bar-meter.html"},
        {OBJ_TREND_METER, "&Trend Meter", "Draw a trend meter", &kTrendMeter,
         &CreateForm<CDlgObjTrendMeter, CObjectTrendMeter>, "CDlgObjTrendMeter",
         "form-trend-meter.html"},
        {OBJ_INDICATOR_LIGHT, "&Indicator Light", "Draw an indicator light", &kIndicatorLight,
         &CreateForm<CDlgObjIndicatorLight, CObjectIndicatorLight>, "CDlgObjIndicatorLight",
         "form-indicator-light.html"},
        {OBJ_NUMERIC, "&Numeric", "Draw a numeric", &kNumeric,
         &CreateForm<CDlgObjNumeric, CObjectNumeric>, "CDlgObjNumeric", "form-numeric.html"},
        {OBJ_STRING, "St&ring", "Draw a string", &kString,
         &CreateForm<CDlgObjString, CObjectString>, "CDlgObjString", "form-string.html"},
    }};
    return rows;
}

} // namespace

std::span<const EditorObjectKind> EditorObjectKinds()
{
    return Rows();
}

const EditorObjectKind* EditorObjectKindOf(int kind)
{
    if (kind < 0 || kind >= kObjectKindCount)
        return nullptr;
    const EditorObjectKind& row = Rows()[size_t(kind)];
    Q_ASSERT(row.code == kind);
    return &row;
}

QString ObjectHelpPage(int kind, const QString& languageCode)
{
    QString name = ObjectKindName(kind);
    if (name.isEmpty())
        return QString();
    name.remove(QLatin1Char(' '));
    return name + languageCode + QStringLiteral(".htm");
}
