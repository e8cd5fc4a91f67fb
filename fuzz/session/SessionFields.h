#pragma once
#include "FuzzBytes.h"

class CTessanApp;
class QWidget;
struct RegisterRef;

// A user at a dialog, made of fuzz bytes.
namespace SessionFields {

// Goes through the visible, enabled fields of a dialog in their order and,
// as the bytes say, types into them (nothing, digits, signs, numbers far out
// of range, any text), picks list entries, ticks boxes, checks radio
// buttons, picks registers and types into grid cells. Buttons that open
// other windows are left alone.
void Type(QWidget& dialog, CFuzzBytes& in, const CTessanApp& app);

// What the register picker hands back: a device of the project (now and
// then a name it lacks), an area of the kind and a number in its range
// (now and then beside it).
void PickRegister(const CTessanApp& app, CFuzzBytes& in, RegisterRef& ref);

} // namespace SessionFields
