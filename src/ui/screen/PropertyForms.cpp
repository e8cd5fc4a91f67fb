#include "PropertyForms.h"
#include "DlgObjBarMeter.h"
#include "DlgObjDynamicText.h"
#include "DlgObjIndicatorLight.h"
#include "DlgObjNumeric.h"
#include "DlgObjStaticBitmap.h"
#include "DlgObjString.h"
#include "DlgObjTrendMeter.h"
#include "DlgObjStaticText.h"

#include "screen/ObjectBarMeter.h"
#include "screen/ObjectDynamicText.h"
#include "screen/ObjectIndicatorLight.h"
#include "screen/ObjectNumeric.h"
#include "screen/ObjectStaticBitmap.h"
#include "screen/ObjectString.h"
#include "screen/ObjectTrendMeter.h"
#include "screen/ObjectStaticText.h"
#include "screen/ObjectUiHooks.h"

namespace PropertyForms {

void Register()
{
    auto& hooks = ObjectUiHooks::Instance();
    hooks.formFactories[OBJ_STATIC_TEXT] = [](CDiagramEntity& o) -> std::unique_ptr<IObjectPropertyForm> {
        return std::make_unique<CDlgObjStaticText>(static_cast<CObjectStaticText&>(o));
    };
    hooks.formFactories[OBJ_BAR_METER] = [](CDiagramEntity& o) -> std::unique_ptr<IObjectPropertyForm> {
        return std::make_unique<CDlgObjBarMeter>(static_cast<CObjectBarMeter&>(o));
    };
    hooks.formFactories[OBJ_TREND_METER] = [](CDiagramEntity& o) -> std::unique_ptr<IObjectPropertyForm> {
        return std::make_unique<CDlgObjTrendMeter>(static_cast<CObjectTrendMeter&>(o));
    };
    hooks.formFactories[OBJ_NUMERIC] = [](CDiagramEntity& o) -> std::unique_ptr<IObjectPropertyForm> {
        return std::make_unique<CDlgObjNumeric>(static_cast<CObjectNumeric&>(o));
    };
    hooks.formFactories[OBJ_DYNAMIC_TEXT] = [](CDiagramEntity& o) -> std::unique_ptr<IObjectPropertyForm> {
        return std::make_unique<CDlgObjDynamicText>(static_cast<CObjectDynamicText&>(o));
    };
    hooks.formFactories[OBJ_STATIC_BITMAP] = [](CDiagramEntity& o) -> std::unique_ptr<IObjectPropertyForm> {
        return std::make_unique<CDlgObjStaticBitmap>(static_cast<CObjectStaticBitmap&>(o));
    };
    hooks.formFactories[OBJ_STRING] = [](CDiagramEntity& o) -> std::unique_ptr<IObjectPropertyForm> {
        return std::make_unique<CDlgObjString>(static_cast<CObjectString&>(o));
    };
    hooks.formFactories[OBJ_INDICATOR_LIGHT] = [](CDiagramEntity& o) -> std::unique_ptr<IObjectPropertyForm> {
        return std::make_unique<CDlgObjIndicatorLight>(static_cast<CObjectIndicatorLight&>(o));
    };
}

} // namespace PropertyForms
