#pragma once

class CVirtualPanel;

// qv-panel --display: the simulator window over the image that the virtual
// panel holds, loaded again after every download (keeping the PLC's values
// and the screen), while the panel serves the line on a thread of its own.
// Returns when the window closes or `stopRequested` becomes nonzero.
int RunPanelDisplay(CVirtualPanel& panel, const volatile int& stopRequested);
