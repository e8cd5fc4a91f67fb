// The compiler: a stress project of 999 screens of 100 objects of all kinds
// (a third of them texts, which become pictures) and the default one-screen
// project. Reports objects per second and the process's peak memory.
#include "BenchMain.h"
#include "StressProject.h"
#include "app/TessanApp.h"
#include "app/Compiler.h"
#include "app/ScreenCommands.h"

#include <QFile>
#include <QGuiApplication>
#include <benchmark/benchmark.h>

namespace {

class CCountingReporter : public ICompileReporter
{
public:
    void Progress(int) override {}
    void ClearOutput() override {}
    void OutputLine(const QString&) override { ++lines; }
    void Message(const QString&, const QString&) override {}
    int lines = 0;
};

// Peak resident memory of the process in bytes.
double peakMemory()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() * 1024.0;
    return 0;
}

void runCompile(benchmark::State& state, CTessanApp& app, qint64 objects)
{
    CCountingReporter reporter;
    CCompiler compiler(app, &reporter);
    compiler.SetFinalPause(0);
    for (auto _ : state) {
        if (!compiler.Run())
            state.SkipWithError("compilation stopped");
        benchmark::DoNotOptimize(app.runtimeImage.size());
    }
    state.counters["objects/s"] =
        benchmark::Counter(double(objects), benchmark::Counter::kIsIterationInvariantRate);
    state.counters["image_bytes"] = double(app.runtimeImage.size());
    state.counters["peak_MB"] = peakMemory() / (1024.0 * 1024.0);
}

void BM_CompileStressProject(benchmark::State& state)
{
    CBenchProject project;
    project.AddStressScreens(999);
    runCompile(state, project.App(), 999 * 100);
}
BENCHMARK(BM_CompileStressProject)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_CompileDefaultProject(benchmark::State& state)
{
    CBenchProject project;
    ScreenCommands::NewScreen(project.App(), 1, ScreenCommands::DefaultScreenName(1));
    runCompile(state, project.App(), 0);
}
BENCHMARK(BM_CompileDefaultProject)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    return RunBenchmarks<QGuiApplication>(argc, argv);
}
