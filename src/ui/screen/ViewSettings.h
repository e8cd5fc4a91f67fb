#pragma once
#include <QMetaType>

// What the main window keeps for all screen editors and pushes to each open
// screen window when one of them changes: the grid (shown, steps in paper
// pixels), the object labels, the panel-pixel view and the zoom. The labels
// flag lives only in memory.
struct CViewSettings
{
    int gridSizeH = 8;
    int gridSizeV = 8;
    bool showGrid = false;
    bool showLabels = false;
    // Texts and bitmaps as the panel shows them, on the panel's white paper.
    bool panelPixels = false;
    int zoomPercent = 100;

    double ZoomFactor() const { return zoomPercent / 100.0; }
    bool operator==(const CViewSettings&) const = default;
};
Q_DECLARE_METATYPE(CViewSettings)
