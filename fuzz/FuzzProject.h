#pragma once
#include "FuzzBytes.h"

#include <map>
#include <memory>

class CDiagramEntityContainer;
class CTessanApp;

// A project made of fuzz bytes through the model's own operations: the
// model reset, devices added, panel and communication settings, the panel
// exchange, alarms, screens with their keys, and on each screen objects of
// every kind made by the object factory, placed with SetRect and given any
// field values. Small enough that a compilation stays well within the
// fuzzer's time and memory.
namespace FuzzProject {

inline constexpr int kMaxDevices = 4;
inline constexpr int kMaxAlarms = 8;
inline constexpr int kMaxScreens = 4;
inline constexpr int kMaxObjects = 8; // a screen
inline constexpr int kMaxEntries = 4; // a dynamic text
inline constexpr int kMaxTextLength = 24;

// Fills the application's model; returns each screen's objects by number.
std::map<int, std::shared_ptr<CDiagramEntityContainer>> Build(CTessanApp& app, CFuzzBytes& in);

} // namespace FuzzProject
