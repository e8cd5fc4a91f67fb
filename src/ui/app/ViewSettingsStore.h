#pragma once
#include "ui/screen/ViewSettings.h"

class CAppSettings;

// The view settings in section App of QV_.ini: GridSizeH, GridSizeV,
// ShowGrid ("0" or "1") and Zoom (percent), all as decimal text. A missing
// or zero value gives the editor's default (grid 8, zoom 100).
namespace ViewSettingsStore {
CViewSettings Load(const CAppSettings& settings);
void Save(const CAppSettings& settings, const CViewSettings& view);
} // namespace ViewSettingsStore
