#pragma once
#include "RegisterRef.h"
#include "base/LocalText.h"

#include <QString>
#include <optional>

class CProjectModel;

// Reading the text form of a reference ("DEV001.M.100", a bit number after
// one more "." for a bit of a word) back into a RegisterRef, with the
// register picker's checks: the device is one of the device list, the area
// holds registers of the kind asked for, and the number, read in the area's
// radix, lies in one of the area's rows.
namespace RegisterRefText {

// None when the text is not a reference of that kind; `error` then tells why
// (for a number outside the area: "Error Obj-001 : Register Number is
// invalid" and the area's ranges "\n[%o, %o]").
std::optional<RegisterRef> Parse(const CProjectModel& model, const QString& text, int kind,
                                 LocalText* error = nullptr);

// The picker's refusal of a number outside every row of an area.
LocalText InvalidNumberMessage(const CProjectModel& model, const QString& area);

} // namespace RegisterRefText
