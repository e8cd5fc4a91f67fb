// The compiler: a stress project of 999 screens of 100 objects of all kinds
// (a third of them texts, which become pictures) and the default one-screen
// project. Reports objects per second and the process's peak memory.
#include "BenchMain.h"
#include "app/TessanApp.h"
#include "app/Compiler.h"
#include "project/ProtocolTables.h"
#include "app/ScreenCommands.h"
#include "screen/DiagramEntityContainer.h"
#include "screen/ObjectDynamicText.h"
#include "screen/ObjectFactory.h"
#include "screen/ObjectKind.h"
#include "screen/ObjectStaticText.h"
#include "screen/TessanDoc.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
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

// A program folder with the language files and the default arrow bitmap.
struct BenchFolder
{
    QTemporaryDir dir;
    std::unique_ptr<CTessanApp> app;

    BenchFolder()
    {
        for (const char* f : {"QV_Str.en", "QV_Str.chs"})
            QFile::copy(QStringLiteral(QV_BIN_DIR "/") + QLatin1String(f),
                        dir.path() + QLatin1Char('/') + QLatin1String(f));
        QDir().mkpath(dir.path() + QStringLiteral("/BMP_Files/Arrow"));
        QFile::copy(QStringLiteral(QV_BIN_DIR "/BMP_Files/Arrow/arrow_16_16_RIGHT.bmp"),
                    dir.path() + QStringLiteral("/BMP_Files/Arrow/arrow_16_16_RIGHT.bmp"));
        AppPaths paths = AppPaths::ForProgramDir(dir.path());
        paths.CreateWorkFolders();
        app = std::make_unique<CTessanApp>(paths, paths.TempProjectDir());
        app->ResetProjectModel(QStringLiteral("stress"), dir.path(),
                               QString::fromLatin1(ProtocolTables::kPanelRU03),
                               QString::fromLatin1(ProtocolTables::kVardoVSequence));
        QDir().mkpath(app->ProjectFolder());
    }
};

// 100 objects: kinds 0 and 1 (texts) for a third of them, the other six
// kinds for the rest, spread over the display.
void writeStressScreen(CTessanApp& app, int number)
{
    CDiagramEntityContainer c;
    c.SetPaperSize(QSize(192, 64));
    for (int i = 0; i < 100; ++i) {
        const int kind = i % 3 == 0 ? (i / 3) % 2 : 2 + i % 6;
        auto o = CreateObjectOfKind(kind, &app.model);
        const int x = (i * 7) % 150, y = (i * 5) % 40;
        o->SetRect(x, y, x + 40, y + 16);
        o->SetName(QStringLiteral("Object %1").arg(i));
        if (auto* t = dynamic_cast<CObjectStaticText*>(o.get()))
            t->text = QStringLiteral("Tank %1 level %2").arg(i).arg(number);
        if (auto* d = dynamic_cast<CObjectDynamicText*>(o.get()))
            d->texts = {QStringLiteral("Off"), QStringLiteral("On"), QStringLiteral("Fault")};
        c.AddLoaded(std::move(o));
    }
    CTessanDoc::SaveFile(app.ProjectFolder() + QLatin1Char('/')
                             + ScreenTitle(app.model.info.name, number,
                                           app.model.FindScreen(number)->name),
                         c);
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
    BenchFolder folder;
    CTessanApp& app = *folder.app;
    for (int n = 1; n <= 999; ++n) {
        app.model.AddScreen(n, QStringLiteral("Screen %1").arg(n));
        CFunKeyParams& key = app.model.FindScreen(n)->keys[0];
        key.showDescription = 1;
        key.description = QStringLiteral("Screen %1").arg(n);
        writeStressScreen(app, n);
    }
    runCompile(state, app, 999 * 100);
}
BENCHMARK(BM_CompileStressProject)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_CompileDefaultProject(benchmark::State& state)
{
    BenchFolder folder;
    CTessanApp& app = *folder.app;
    ScreenCommands::NewScreen(app, 1, ScreenCommands::DefaultScreenName(1));
    runCompile(state, app, 0);
}
BENCHMARK(BM_CompileDefaultProject)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    return RunBenchmarks<QGuiApplication>(argc, argv);
}
