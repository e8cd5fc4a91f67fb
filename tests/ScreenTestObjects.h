#pragma once
#include "screen/DiagramEntity.h"
#include <memory>

// One object of each kind with every property set away from its default.
namespace ScreenTestObjects {
std::unique_ptr<CDiagramEntity> NonDefault(int kind);
// Every kind property of two objects of the same kind, compared field by field.
bool SameKindFields(const CDiagramEntity& a, const CDiagramEntity& b);
} // namespace ScreenTestObjects
