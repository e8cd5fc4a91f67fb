#pragma once
#include "RuntimeImage.h"

#include <deque>
#include <vector>

class CPanelMemory;

// The samples of the trend meters of the screen shown: each meter reads its
// value when the screen appears and then every `interval` seconds, and keeps
// its last `data points` values (oldest first). A value that is no number
// is kept as NaN (a gap in the curve).
class CPanelTrendSamples
{
public:
    static constexpr qint64 kIntervalUnitMs = 1000;

    // Starts over for the trend meters of `screen` (none for null) at `now`.
    void Start(const RuntimeScreen* screen, qint64 now, const CPanelMemory& memory);
    // Takes the samples that fall due up to `until` (inclusive); the memory
    // is taken as unchanged since the last call.
    void AdvanceTo(qint64 until, const CPanelMemory& memory);
    // The samples of the object at `objectIndex` of the screen; empty for
    // other objects.
    const std::deque<double>& Samples(int objectIndex) const;
    // Data points kept by a trend meter (at least 2).
    static int Capacity(const RuntimeObject& trend);
    // Its interval in ms (an interval of 0 counts as 1).
    static qint64 IntervalMs(const RuntimeObject& trend);

private:
    struct Meter
    {
        int objectIndex = 0;
        RuntimeObject object;
        qint64 next = 0; // when the next sample falls due
        std::deque<double> samples;
    };
    static void sample(Meter& m, const CPanelMemory& memory, qint64 count);
    std::vector<Meter> meters_;
    std::deque<double> none_;
};
