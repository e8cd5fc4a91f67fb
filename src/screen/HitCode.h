#pragma once

// Where a point lies on an object: nothing, the body, or one of the eight
// size markers.
enum HitCode : int {
    HIT_NONE = 0,
    HIT_BODY = 1,
    HIT_TOPLEFT = 2,
    HIT_TOPMIDDLE = 3,
    HIT_TOPRIGHT = 4,
    HIT_BOTTOMLEFT = 5,
    HIT_BOTTOMMIDDLE = 6,
    HIT_BOTTOMRIGHT = 7,
    HIT_LEFTMIDDLE = 8,
    HIT_RIGHTMIDDLE = 9,
};

// The cursor an object asks for over one of its parts; the editor maps it to
// the platform's cursors. None: the editor keeps its own cursor.
enum class CursorShape {
    None,
    Arrow,
    SizeAll,
    SizeNWSE,
    SizeNS,
    SizeNESW,
    SizeWE,
};
