#include "PanelAlarmList.h"
#include "PanelFrame.h"
#include "PanelMemory.h"
#include "PanelPainter.h"

#include <algorithm>

std::vector<int> CPanelAlarmList::Active(const RuntimeImage& image, const CPanelMemory& memory)
{
    std::vector<int> active;
    const RuntimeAlarms& alarms = image.alarms;
    for (int i = 0; i < int(alarms.alarms.size()); ++i) {
        const RuntimeRegister coil{alarms.device, std::uint16_t(alarms.firstCoilAddress + i)};
        if (memory.Coil(coil))
            active.push_back(i + 1);
    }
    return active;
}

void CPanelAlarmList::ScrollDown(int activeCount)
{
    top_ = std::min(Top(activeCount) + 1, std::max(0, activeCount - kRows));
}

int CPanelAlarmList::Top(int activeCount) const
{
    return std::clamp(top_, 0, std::max(0, activeCount - kRows));
}

void CPanelAlarmList::Draw(const RuntimeImage& image, const CPanelMemory& memory,
                           CPanelFrame& frame) const
{
    frame.Clear();
    CPanelPainter painter(frame);
    const std::vector<int> active = Active(image, memory);
    const int top = Top(int(active.size()));
    for (int row = 0; row < kRows && top + row < int(active.size()); ++row) {
        const RuntimeAlarm& alarm = image.alarms.alarms[size_t(active[size_t(top + row)] - 1)];
        int x = 0;
        for (const RuntimeChar& c : alarm.message) {
            const int w = c.wide ? 16 : 8;
            painter.Picture(x, row * 16, w, 16, image.Glyph(c));
            x += w;
            if (x >= CPanelFrame::Width)
                break;
        }
    }
}
