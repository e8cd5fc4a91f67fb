// The panel simulation: drawing the display of a screen of 100 objects of
// all kinds (texts, bitmaps, meters, lights, numerics and strings with
// values set), and the display as a scaled image for a window.
#include "BenchMain.h"
#include "StressProject.h"
#include "runtime/PanelSimulator.h"
#include "screen/ObjectDynamicText.h"
#include "screen/ObjectNumeric.h"
#include "screen/ObjectString.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

namespace {

// A one-screen project of 100 objects, compiled and loaded into a panel
// whose PLC holds a value in every register the screen shows.
struct LoadedPanel
{
    CBenchProject project{QStringLiteral("frame")};
    CPanelSimulator panel;
    bool ok = false;

    LoadedPanel()
    {
        project.App().model.AddScreen(1, QStringLiteral("Screen 1"));
        // Each object on a register of its own.
        project.WriteStressScreen(1, [](CDiagramEntity& o, int i) {
            if (auto* n = dynamic_cast<CObjectNumeric*>(&o))
                n->decimalPlaces = 2;
            if (auto* s = dynamic_cast<CObjectString*>(&o))
                s->stringCount = 2;
            if (auto* d = dynamic_cast<CObjectDynamicText*>(&o))
                d->reg.address = 100 + i;
            if (auto* v = dynamic_cast<RegisterValueProperties*>(&o))
                v->reg.address = 100 + i;
            if (auto* s = dynamic_cast<CObjectString*>(&o))
                s->reg.address = 100 + i;
        });
        QString error;
        const QByteArray image = project.Compile();
        ok = !image.isEmpty() && panel.Load(image, &error);
        for (int i = 0; i < 100; ++i)
            panel.PlcWriteWord({1, quint16(100 + i)}, quint16(i % 3 == 0 ? i % 3 : 0x4142 + i));
        panel.PlcWriteCoil({1, 0xF000}, true); // the lights' coil
        panel.Advance(60000);                  // trend meters with a dozen samples
    }
};

void BM_PanelFrame100Objects(benchmark::State& state)
{
    LoadedPanel p;
    if (!p.ok) {
        state.SkipWithError("the screen could not be compiled and loaded");
        return;
    }
    int dark = 0;
    for (auto _ : state) {
        const CPanelFrame frame = p.panel.Frame();
        dark = frame.DarkPixels();
        benchmark::DoNotOptimize(dark);
    }
    state.counters["objects"] = double(p.panel.Image().screens.at(0).objects.size());
    state.counters["dark_pixels"] = dark;
    state.counters["frames/s"] =
        benchmark::Counter(1, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_PanelFrame100Objects)->Unit(benchmark::kMicrosecond);

void BM_PanelFrameImage(benchmark::State& state)
{
    LoadedPanel p;
    const CPanelFrame frame = p.panel.Frame();
    for (auto _ : state) {
        const QImage image = frame.ToImage(4);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_PanelFrameImage)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    return RunBenchmarks<QGuiApplication>(argc, argv);
}
