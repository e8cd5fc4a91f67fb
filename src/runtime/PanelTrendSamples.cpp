#include "PanelTrendSamples.h"
#include "RuntimeObjectKinds.h"
#include "PanelValue.h"

#include <algorithm>
#include <limits>

void CPanelTrendSamples::Start(const RuntimeScreen* screen, qint64 now, const CPanelMemory& memory)
{
    meters_.clear();
    if (!screen)
        return;
    for (int i = 0; i < int(screen->objects.size()); ++i) {
        const RuntimeObject& o = screen->objects[size_t(i)];
        if (o.kind != RK_TREND_METER)
            continue;
        Meter m;
        m.objectIndex = i;
        m.object = o;
        m.next = now + IntervalMs(o);
        sample(m, memory, 1);
        meters_.push_back(std::move(m));
    }
}

void CPanelTrendSamples::AdvanceTo(qint64 until, const CPanelMemory& memory)
{
    for (Meter& m : meters_) {
        if (m.next > until)
            continue;
        const qint64 interval = IntervalMs(m.object);
        const qint64 count = (until - m.next) / interval + 1;
        m.next += count * interval;
        sample(m, memory, count);
    }
}

void CPanelTrendSamples::sample(Meter& m, const CPanelMemory& memory, qint64 count)
{
    const CPanelValue v = CPanelValue::Read(memory, m.object.reg, TrendMeterFormat(m.object));
    const double value = v.IsNumber() ? v.Number() : std::numeric_limits<double>::quiet_NaN();
    const int capacity = Capacity(m.object);
    // The memory stands still between calls: every sample of the step reads
    // the same value, and only the last `capacity` of them are kept.
    for (qint64 i = std::min<qint64>(count, capacity); i > 0; --i)
        m.samples.push_back(value);
    while (int(m.samples.size()) > capacity)
        m.samples.pop_front();
}

const std::deque<double>& CPanelTrendSamples::Samples(int objectIndex) const
{
    for (const Meter& m : meters_)
        if (m.objectIndex == objectIndex)
            return m.samples;
    return none_;
}

int CPanelTrendSamples::Capacity(const RuntimeObject& trend)
{
    return std::max<int>(trend.dataPoints, 2);
}

qint64 CPanelTrendSamples::IntervalMs(const RuntimeObject& trend)
{
    return std::max<qint64>(trend.interval, 1) * kIntervalUnitMs;
}
