#pragma once

// The kind codes of screen objects, as the screen record carries them. The
// screen layer's table of kinds (ObjectFactory.cpp) gives each code its
// stored name and its factory; everything else counts kinds from here.
enum ObjectKind : int {
    OBJ_STATIC_TEXT = 0,
    OBJ_DYNAMIC_TEXT = 1,
    OBJ_STATIC_BITMAP = 2,
    OBJ_BAR_METER = 3,
    OBJ_TREND_METER = 4,
    OBJ_INDICATOR_LIGHT = 5,
    OBJ_NUMERIC = 6,
    OBJ_STRING = 7,
};
inline constexpr int kObjectKindCount = OBJ_STRING + 1;

// The stored form of a register value; derived from four properties, never stored.
enum ValueFormat : int {
    VF_SIGNED_16 = 1,
    VF_SIGNED_32 = 2,
    VF_UNSIGNED_16 = 3,
    VF_UNSIGNED_32 = 4,
    VF_BCD_16 = 5,
    VF_BCD_32 = 6,
    VF_FLOAT = 7,
};

// model: 0 DEC, 1 HEX/BCD. The float flag wins over everything else; a
// HEX/BCD value ignores the signed flag.
constexpr ValueFormat DeriveValueFormat(int isFloat, int model, int isSigned, int registerCount)
{
    if (isFloat)
        return VF_FLOAT;
    const bool one = registerCount == 1;
    if (model != 0)
        return one ? VF_BCD_16 : VF_BCD_32;
    if (isSigned)
        return one ? VF_SIGNED_16 : VF_SIGNED_32;
    return one ? VF_UNSIGNED_16 : VF_UNSIGNED_32;
}
