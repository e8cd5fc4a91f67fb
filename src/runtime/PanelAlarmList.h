#pragma once
#include "RuntimeImage.h"

#include <vector>

class CPanelFrame;
class CPanelMemory;

// The panel's alarm list: the messages of the active alarms, one per 16-pixel
// row, four rows on the display, scrolled a row at a time. Alarm k (counted
// from 1 in the image's order) is active while the coil k - 1 places after
// the first alarm's coil is on.
class CPanelAlarmList
{
public:
    static constexpr int kRows = 4;

    static std::vector<int> Active(const RuntimeImage& image, const CPanelMemory& memory);

    void Reset() { top_ = 0; }
    void ScrollUp()
    {
        if (top_ > 0)
            --top_;
    }
    void ScrollDown(int activeCount);
    // The first row shown, kept within the active alarms.
    int Top(int activeCount) const;

    void Draw(const RuntimeImage& image, const CPanelMemory& memory, CPanelFrame& frame) const;

private:
    int top_ = 0;
};
