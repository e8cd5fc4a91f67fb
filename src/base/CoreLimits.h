#pragma once
#include <QtGlobal>

// The figures of the RU03 panel and its runtime that the whole tool shares.
namespace CoreLimits {

// The display in pixels: the paper of every screen.
inline constexpr int kPanelWidth = 192;
inline constexpr int kPanelHeight = 64;

// The panel holds 128 KB including a 64-byte trailer: runtime images below
// this many bytes fit.
inline constexpr qsizetype kRuntimeImageLimit = 131009;

// Objects that one screen can take.
inline constexpr int kObjectsPerScreen = 100;

} // namespace CoreLimits
