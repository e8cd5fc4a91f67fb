#pragma once
#include "DialogHooks.h"

class CProjectController;

// The register picker of the function-key and alarm dialogs: the "Set
// Register" picker over the open project.
RegisterPicker MakeRegisterPicker(CProjectController& controller);
