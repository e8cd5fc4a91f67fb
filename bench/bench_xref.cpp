// The cross-reference of the stress project: 999 screens of 100 objects read
// from their screen files (as qv-cli xref and the report do), and the same
// screens already loaded in documents (as the editor's pane sees them).
// Goal: under 200 ms.
#include "BenchMain.h"
#include "StressProject.h"
#include "app/CrossReference.h"
#include "app/CrossReferenceTable.h"
#include "app/LoadedScreenDocuments.h"
#include "app/ProjectScreenObjects.h"
#include "app/ScreenFileCache.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

namespace {

void report(benchmark::State& state, const CCrossReference& xref)
{
    state.counters["uses"] = double(xref.Uses().size());
    state.counters["findings"] = double(xref.Findings().size());
}

void BM_XrefStressProjectFromFiles(benchmark::State& state)
{
    CBenchProject project;
    project.AddStressScreens(999);
    CCrossReference xref;
    for (auto _ : state) {
        xref.Build(project.App().model, CProjectScreenObjects(project.App(), {}));
        benchmark::DoNotOptimize(xref.Uses().size());
    }
    report(state, xref);
}
BENCHMARK(BM_XrefStressProjectFromFiles)->Unit(benchmark::kMillisecond)->Iterations(5);

// The editor's pane on a project of which no screen is open: the screen
// files parsed on its first build and kept while their bytes stay the same.
void BM_XrefStressProjectKeptFiles(benchmark::State& state)
{
    CBenchProject project;
    project.AddStressScreens(999);
    CScreenFileCache files;
    CCrossReference xref;
    xref.Build(project.App().model, CProjectScreenObjects(project.App(), {}, &files));
    for (auto _ : state) {
        xref.Build(project.App().model, CProjectScreenObjects(project.App(), {}, &files));
        benchmark::DoNotOptimize(xref.Uses().size());
    }
    report(state, xref);
}
BENCHMARK(BM_XrefStressProjectKeptFiles)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_XrefStressProjectLoaded(benchmark::State& state)
{
    CBenchProject project;
    project.AddStressScreens(999);
    CLoadedScreenDocuments docs(project.App());
    docs.LoadAll();
    const CProjectScreenObjects screens(project.App(),
                                        [&docs](int number) -> const CDiagramEntityContainer* {
                                            CTessanDoc* doc = docs.Document(number);
                                            return doc ? &doc->Container() : nullptr;
                                        });
    CCrossReference xref;
    for (auto _ : state) {
        xref.Build(project.App().model, screens);
        benchmark::DoNotOptimize(xref.Uses().size());
    }
    report(state, xref);
}
BENCHMARK(BM_XrefStressProjectLoaded)->Unit(benchmark::kMillisecond)->Iterations(10);

// The table the pane and qv-cli show, as CSV, from a built cross-reference.
void BM_XrefStressProjectCsv(benchmark::State& state)
{
    CBenchProject project;
    project.AddStressScreens(999);
    CCrossReference xref;
    xref.Build(project.App().model, CProjectScreenObjects(project.App(), {}));
    for (auto _ : state)
        benchmark::DoNotOptimize(CrossReferenceTable::Csv(CrossReferenceTable::Rows(xref)).size());
    report(state, xref);
}
BENCHMARK(BM_XrefStressProjectCsv)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char** argv)
{
    return RunBenchmarks<QGuiApplication>(argc, argv);
}
