#pragma once

class CAppSettings;

// How often the editor keeps the unsaved edits of the open project for
// recovery: App/AutoSaveSeconds of the settings file.
namespace AutoSaveInterval {

// When the key is missing or empty.
inline constexpr int kDefaultSeconds = 60;
// The longest interval taken; larger values are cut to it.
inline constexpr int kMaxSeconds = 24 * 60 * 60;

// The interval in seconds, read as the settings file's other numbers are;
// 0 (or less, or no number) turns autosave off and gives 0.
int Seconds(const CAppSettings& settings);

} // namespace AutoSaveInterval
