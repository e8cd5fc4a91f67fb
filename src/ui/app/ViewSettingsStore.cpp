#include "ViewSettingsStore.h"
#include "base/AppSettings.h"

namespace ViewSettingsStore {

CViewSettings Load(const CAppSettings& settings)
{
    CViewSettings v;
    const int h = settings.GetSettingInt(QStringLiteral("GridSizeH"));
    const int gv = settings.GetSettingInt(QStringLiteral("GridSizeV"));
    const int zoom = settings.GetSettingInt(QStringLiteral("Zoom"));
    v.gridSizeH = h > 0 ? h : 8;
    v.gridSizeV = gv > 0 ? gv : 8;
    v.showGrid = settings.GetSettingInt(QStringLiteral("ShowGrid")) != 0;
    v.panelPixels = settings.GetSettingInt(QStringLiteral("PanelPixels")) != 0;
    v.zoomPercent = zoom > 0 ? zoom : 100;
    return v;
}

void Save(const CAppSettings& settings, const CViewSettings& v)
{
    settings.WriteSetting(QStringLiteral("GridSizeH"), QString::number(v.gridSizeH));
    settings.WriteSetting(QStringLiteral("GridSizeV"), QString::number(v.gridSizeV));
    settings.WriteSetting(QStringLiteral("ShowGrid"), QString::number(v.showGrid ? 1 : 0));
    settings.WriteSetting(QStringLiteral("Zoom"), QString::number(v.zoomPercent));
    settings.WriteSetting(QStringLiteral("PanelPixels"), QString::number(v.panelPixels ? 1 : 0));
}

} // namespace ViewSettingsStore
