// The panel simulation: decoding the runtime image of a stress project of 999
// screens of 100 objects of all kinds (a third of them texts, which become
// pictures), and of the default one-screen project.
#include "BenchMain.h"
#include "StressProject.h"
#include "app/ScreenCommands.h"
#include "app/TessanApp.h"
#include "runtime/RuntimeImageReader.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

namespace {

void runDecode(benchmark::State& state, const QByteArray& bytes)
{
    if (bytes.isEmpty()) {
        state.SkipWithError("compilation failed");
        return;
    }
    qint64 objects = 0;
    for (auto _ : state) {
        RuntimeImage image;
        QString error;
        if (!ReadRuntimeImage(bytes, image, &error)) {
            state.SkipWithError(qPrintable(error));
            return;
        }
        objects = 0;
        for (const RuntimeScreen& s : image.screens)
            objects += qint64(s.objects.size());
        benchmark::DoNotOptimize(image.screens.data());
    }
    state.counters["objects"] = double(objects);
    state.counters["image_bytes"] = double(bytes.size());
    state.SetBytesProcessed(state.iterations() * bytes.size());
}

void BM_DecodeStressImage(benchmark::State& state)
{
    static const QByteArray bytes = [] {
        CBenchProject project;
        project.AddStressScreens(999);
        return project.Compile();
    }();
    runDecode(state, bytes);
}
BENCHMARK(BM_DecodeStressImage)->Unit(benchmark::kMillisecond);

void BM_DecodeDefaultImage(benchmark::State& state)
{
    static const QByteArray bytes = [] {
        CBenchProject project;
        ScreenCommands::NewScreen(project.App(), 1, ScreenCommands::DefaultScreenName(1));
        return project.Compile();
    }();
    runDecode(state, bytes);
}
BENCHMARK(BM_DecodeDefaultImage)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    return RunBenchmarks<QGuiApplication>(argc, argv);
}
