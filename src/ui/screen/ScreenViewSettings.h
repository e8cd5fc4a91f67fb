#pragma once

// What the main window keeps for every screen window and pushes to each open
// view when one of them changes: the grid (shown, steps in paper pixels),
// the zoom factor (percent / 100), the object labels and the panel-pixel view.
struct ScreenViewSettings
{
    bool showGrid = true;
    int gridH = 8;
    int gridV = 8;
    double zoom = 1.0;
    bool showLabels = false;
    // Text and bitmap objects as the panel shows them, on the panel's paper.
    bool panelPixels = false;

    bool operator==(const ScreenViewSettings&) const = default;
};
