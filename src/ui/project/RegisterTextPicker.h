#pragma once
#include "DialogHooks.h"

class CProjectController;

// The register picker of the function-key and alarm dialogs: for now a
// dialog with the reference in its text form, read back with the picker's
// checks. The one place to switch to the Set Register picker.
RegisterPicker MakeRegisterPicker(CProjectController& controller);
