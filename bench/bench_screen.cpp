// Screen files: load + save of one 100-object screen, and
// `qv-cli resave --screens` of a 999-screen project of 100 objects each.
#include "BenchMain.h"
#include "app/TessanApp.h"
#include "app/ProjectStorage.h"
#include "project/ProtocolTables.h"
#include "app/ScreenCommands.h"
#include "screen/DiagramEntityContainer.h"
#include "screen/ObjectBarMeter.h"
#include "screen/ObjectDynamicText.h"
#include "screen/ObjectFactory.h"
#include "screen/ObjectNumeric.h"
#include "screen/ObjectStaticText.h"
#include "screen/TessanDoc.h"

#include <QDir>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// 100 objects of all kinds, with names, groups and texts.
void fillScreen(CDiagramEntityContainer& c, int seed)
{
    for (int i = 0; i < 100; ++i) {
        auto o = CreateObjectOfKind((i + seed) % kObjectKindCount);
        o->SetRect(i % 180, i % 50, i % 180 + 12, i % 50 + 16);
        o->SetName(QStringLiteral("Object %1, screen %2").arg(i).arg(seed));
        o->SetGroup(i % 5);
        if (auto* t = dynamic_cast<CObjectStaticText*>(o.get()))
            t->text = QStringLiteral("Tank %1 level").arg(i);
        if (auto* d = dynamic_cast<CObjectDynamicText*>(o.get()))
            d->texts = {QStringLiteral("Off"), QStringLiteral("On"), QStringLiteral("Fault")};
        if (auto* m = dynamic_cast<CObjectBarMeter*>(o.get()))
            m->maximum = 4294967295u;
        if (auto* n = dynamic_cast<CObjectNumeric*>(o.get()))
            n->minimum = 0xFFFF8000u;
        c.Add(std::move(o));
    }
    c.SetPaperSize(QSize(192, 64));
}

void BM_ScreenLoadSaveFile(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString in = dir.path() + QStringLiteral("/in");
    const QString out = dir.path() + QStringLiteral("/out");
    CDiagramEntityContainer source;
    fillScreen(source, 0);
    CTessanDoc::SaveFile(in, source);
    for (auto _ : state) {
        CDiagramEntityContainer c;
        CTessanDoc::LoadFile(in, c, false);
        c.SetPaperSize(QSize(192, 64));
        CTessanDoc::SaveFile(out, c);
        benchmark::DoNotOptimize(c.GetSize());
    }
}
BENCHMARK(BM_ScreenLoadSaveFile)->Unit(benchmark::kMicrosecond);

void BM_ScreenReadWriteBytes(benchmark::State& state)
{
    CDiagramEntityContainer source;
    fillScreen(source, 0);
    const QByteArray bytes = CTessanDoc::WriteBytes(source);
    state.counters["bytes"] = double(bytes.size());
    for (auto _ : state) {
        CDiagramEntityContainer c;
        CTessanDoc::ReadBytes(bytes, c, false);
        benchmark::DoNotOptimize(CTessanDoc::WriteBytes(c));
    }
}
BENCHMARK(BM_ScreenReadWriteBytes)->Unit(benchmark::kMicrosecond);

// The 999-screen project, generated once.
struct BigProject
{
    QTemporaryDir program;
    QTemporaryDir out;
    QString package;

    BigProject()
    {
        AppPaths paths = AppPaths::ForProgramDir(program.path());
        paths.CreateWorkFolders();
        CTessanApp app(paths, paths.TempProjectDir());
        app.ResetProjectModel(QStringLiteral("Big"), out.path(), QStringLiteral("RU03"),
                              QString::fromLatin1(ProtocolTables::kVardoVSequence));
        for (int n = 1; n <= 999; ++n) {
            const QString name = QStringLiteral("Screen %1").arg(n);
            ScreenCommands::NewScreen(app, n, name);
            CDiagramEntityContainer c;
            fillScreen(c, n);
            QString path;
            ScreenCommands::ScreenFilePath(app, n, name, &path);
            CTessanDoc::SaveFile(path, c);
        }
        CProjectStorage(app).SaveProject();
        package = out.path() + QStringLiteral("/Big.cgp");
    }
};

void BM_ResaveScreens999(benchmark::State& state)
{
    static BigProject project;
    for (auto _ : state) {
        QProcess p;
        p.start(QStringLiteral(QV_BIN_DIR "/qv-cli"),
                {QStringLiteral("resave"), project.package, QStringLiteral("--screens")});
        p.waitForFinished(-1);
        if (p.exitCode() != 0)
            state.SkipWithError("qv-cli resave failed");
    }
    state.counters["screens"] = 999;
}
BENCHMARK(BM_ResaveScreens999)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv)
{
    return RunBenchmarks<QGuiApplication>(argc, argv);
}
