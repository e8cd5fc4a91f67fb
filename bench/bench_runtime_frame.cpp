// The panel simulation: drawing the display of a screen of 100 objects of
// all kinds (texts, bitmaps, meters, lights, numerics and strings with
// values set), and the display as a scaled image for a window.
#include "BenchMain.h"
#include "app/Compiler.h"
#include "app/TessanApp.h"
#include "project/ProtocolTables.h"
#include "runtime/PanelSimulator.h"
#include "screen/DiagramEntityContainer.h"
#include "screen/ObjectDynamicText.h"
#include "screen/ObjectFactory.h"
#include "screen/ObjectNumeric.h"
#include "screen/ObjectStaticText.h"
#include "screen/ObjectString.h"
#include "screen/TessanDoc.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

class CSilentReporter : public ICompileReporter
{
public:
    void Progress(int) override {}
    void ClearOutput() override {}
    void OutputLine(const QString&) override {}
    void Message(const QString&, const QString&) override {}
};

// A one-screen project of 100 objects, compiled and loaded into a panel
// whose PLC holds a value in every register the screen shows.
struct LoadedPanel
{
    QTemporaryDir dir;
    std::unique_ptr<CTessanApp> app;
    CPanelSimulator panel;
    bool ok = false;

    LoadedPanel()
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
        app->ResetProjectModel(QStringLiteral("frame"), dir.path(),
                               QString::fromLatin1(ProtocolTables::kPanelRU03),
                               QString::fromLatin1(ProtocolTables::kVardoVSequence));
        QDir().mkpath(app->ProjectFolder());
        app->model.AddScreen(1, QStringLiteral("Screen 1"));

        // Kinds 0 and 1 (texts) for a third of the objects, the other six
        // kinds for the rest, each on a register of its own.
        CDiagramEntityContainer c;
        c.SetPaperSize(QSize(192, 64));
        for (int i = 0; i < 100; ++i) {
            const int kind = i % 3 == 0 ? (i / 3) % 2 : 2 + i % 6;
            auto o = CreateObjectOfKind(kind, &app->model);
            const int x = (i * 7) % 150, y = (i * 5) % 40;
            o->SetRect(x, y, x + 40, y + 16);
            if (auto* t = dynamic_cast<CObjectStaticText*>(o.get()))
                t->text = QStringLiteral("Tank %1").arg(i);
            if (auto* d = dynamic_cast<CObjectDynamicText*>(o.get())) {
                d->texts = {QStringLiteral("Off"), QStringLiteral("On"), QStringLiteral("Fault")};
                d->reg.address = 100 + i;
            }
            if (auto* n = dynamic_cast<CObjectNumeric*>(o.get())) {
                n->reg.address = 100 + i;
                n->decimalPlaces = 2;
            }
            if (auto* s = dynamic_cast<CObjectString*>(o.get())) {
                s->reg.address = 100 + i;
                s->stringCount = 2;
            }
            if (auto* v = dynamic_cast<RegisterValueProperties*>(o.get()))
                v->reg.address = 100 + i;
            c.AddLoaded(std::move(o));
        }
        CTessanDoc::SaveFile(app->ProjectFolder() + QLatin1Char('/')
                                 + ScreenTitle(app->model.info.name, 1, QStringLiteral("Screen 1")),
                             c);
        CSilentReporter reporter;
        CCompiler compiler(*app, &reporter);
        compiler.SetFinalPause(0);
        QString error;
        ok = compiler.Run() && panel.Load(compiler.Images().runtime, &error);
        for (int i = 0; i < 100; ++i) {
            panel.PlcWriteWord({1, quint16(100 + i)}, quint16(i % 3 == 0 ? i % 3 : 0x4142 + i));
        }
        panel.PlcWriteCoil({1, 0xF000}, true); // the lights' coil
        panel.Advance(60000); // trend meters with a dozen samples
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
    state.counters["frames/s"] = benchmark::Counter(1, benchmark::Counter::kIsIterationInvariantRate);
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
