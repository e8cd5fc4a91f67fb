#pragma once
#include <QSet>

class CProjectModel;

// The screens that the panel reaches by itself: from the start screen, the
// log screen (when enabled) and the protect screen (when shown), through
// each screen's previous and next numbers and the Screen Change keys in use
// whose target is a screen. Only existing screens are in the set.
QSet<int> ReachedScreens(const CProjectModel& model);
