#pragma once
#include <vector>

class CDiagramEntity;
struct RegisterRef;

// The register references a screen object holds (its coil or its register);
// none for the kinds without one.
std::vector<RegisterRef*> ObjectRegisters(CDiagramEntity& object);
std::vector<const RegisterRef*> ObjectRegisters(const CDiagramEntity& object);
