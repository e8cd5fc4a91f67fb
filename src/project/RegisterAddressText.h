#pragma once
#include <QString>

struct RegisterRef;

// The part of a reference's text form after device and area, as the register
// picker writes it: the address in the radix ("2000"), with ".%d" and the bit
// number for a bit of a word.
QString RegisterAddressText(const RegisterRef& ref);
