#include "ObjectRegisters.h"
#include "screen/ObjectDynamicText.h"
#include "screen/ObjectIndicatorLight.h"
#include "screen/ObjectString.h"
#include "screen/RegisterValueProperties.h"

std::vector<RegisterRef*> ObjectRegisters(CDiagramEntity& object)
{
    if (auto* light = dynamic_cast<CObjectIndicatorLight*>(&object))
        return {&light->coil};
    if (auto* text = dynamic_cast<CObjectDynamicText*>(&object))
        return {&text->reg};
    if (auto* string = dynamic_cast<CObjectString*>(&object))
        return {&string->reg};
    if (auto* value = dynamic_cast<RegisterValueProperties*>(&object))
        return {&value->reg};
    return {};
}

std::vector<const RegisterRef*> ObjectRegisters(const CDiagramEntity& object)
{
    const std::vector<RegisterRef*> refs = ObjectRegisters(const_cast<CDiagramEntity&>(object));
    return std::vector<const RegisterRef*>(refs.begin(), refs.end());
}
