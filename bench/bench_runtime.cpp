// The panel simulation: decoding the runtime image of a stress project of 999
// screens of 100 objects of all kinds (a third of them texts, which become
// pictures), and of the default one-screen project.
#include "BenchMain.h"
#include "app/Compiler.h"
#include "app/ScreenCommands.h"
#include "app/TessanApp.h"
#include "project/ProtocolTables.h"
#include "runtime/RuntimeImageReader.h"
#include "screen/DiagramEntityContainer.h"
#include "screen/ObjectDynamicText.h"
#include "screen/ObjectFactory.h"
#include "screen/ObjectStaticText.h"
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

// A program folder with the language files and a new project "stress".
struct BenchFolder
{
    QTemporaryDir dir;
    std::unique_ptr<CTessanApp> app;

    BenchFolder()
    {
        for (const char* f : {"QV_Str.en", "QV_Str.chs"})
            QFile::copy(QStringLiteral(QV_BIN_DIR "/") + QLatin1String(f),
                        dir.path() + QLatin1Char('/') + QLatin1String(f));
        AppPaths paths = AppPaths::ForProgramDir(dir.path());
        paths.CreateWorkFolders();
        app = std::make_unique<CTessanApp>(paths, paths.TempProjectDir());
        app->ResetProjectModel(QStringLiteral("stress"), dir.path(),
                               QString::fromLatin1(ProtocolTables::kPanelRU03),
                               QString::fromLatin1(ProtocolTables::kVardoVSequence));
        QDir().mkpath(app->ProjectFolder());
    }

    QByteArray Compile()
    {
        CSilentReporter reporter;
        CCompiler compiler(*app, &reporter);
        compiler.SetFinalPause(0);
        return compiler.Run() ? app->runtimeImage : QByteArray();
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
        BenchFolder folder;
        CTessanApp& app = *folder.app;
        for (int n = 1; n <= 999; ++n) {
            app.model.AddScreen(n, QStringLiteral("Screen %1").arg(n));
            CFunKeyParams& key = app.model.FindScreen(n)->keys[0];
            key.showDescription = 1;
            key.description = QStringLiteral("Screen %1").arg(n);
            writeStressScreen(app, n);
        }
        return folder.Compile();
    }();
    runDecode(state, bytes);
}
BENCHMARK(BM_DecodeStressImage)->Unit(benchmark::kMillisecond);

void BM_DecodeDefaultImage(benchmark::State& state)
{
    static const QByteArray bytes = [] {
        BenchFolder folder;
        ScreenCommands::NewScreen(*folder.app, 1, ScreenCommands::DefaultScreenName(1));
        return folder.Compile();
    }();
    runDecode(state, bytes);
}
BENCHMARK(BM_DecodeDefaultImage)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    return RunBenchmarks<QGuiApplication>(argc, argv);
}
