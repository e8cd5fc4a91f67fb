#include "ObjectRegisters.h"
#include "screen/DiagramEntity.h"

std::vector<RegisterRef*> ObjectRegisters(CDiagramEntity& object)
{
    return object.RegisterRefs();
}

std::vector<const RegisterRef*> ObjectRegisters(const CDiagramEntity& object)
{
    const std::vector<RegisterRef*> refs = ObjectRegisters(const_cast<CDiagramEntity&>(object));
    return std::vector<const RegisterRef*>(refs.begin(), refs.end());
}
