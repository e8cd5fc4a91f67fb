#pragma once
#include "screen/DiagramEntity.h"
#include <QString>
#include <memory>

// One object of each kind with every property set away from its default.
namespace ScreenTestObjects {
std::unique_ptr<CDiagramEntity> NonDefault(int kind);
// Every kind property of two objects of the same kind, compared field by field.
bool SameKindFields(const CDiagramEntity& a, const CDiagramEntity& b);
// Named objects that name a device: a numeric's register, a light's coil.
std::unique_ptr<CDiagramEntity> Numeric(const QString& name, const QString& device);
std::unique_ptr<CDiagramEntity> Light(const QString& name, const QString& device);
} // namespace ScreenTestObjects
