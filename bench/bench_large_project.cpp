// The editor on the stress project (999 screens of 100 objects): the start
// dialog's open page reading the package's information (goal: 50 ms), and
// the Cross Reference pane, shown, following an edit of one screen (goal:
// one frame, 16 ms), beside the full build it used to make after each edit.
#include "BenchMain.h"
#include "StressProject.h"
#include "app/PackageInformation.h"
#include "app/ProjectStorage.h"
#include "screen/DiagramEntityContainer.h"
#include "screen/DiagramEntity.h"
#include "ui/app/CrossReferenceModel.h"
#include "ui/app/CrossReferencePane.h"
#include "ui/document/ProjectController.h"
#include "ui/document/ScreenDocument.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

// The stress project saved as its package, then opened in an editor's
// controller with the Cross Reference pane shown.
struct StressEditor
{
    CBenchProject project;
    QString location;
    std::unique_ptr<CProjectController> controller;
    std::unique_ptr<CCrossReferencePane> pane;

    StressEditor()
    {
        project.AddStressScreens(999);
        CTessanApp& app = project.App();
        location = app.model.info.location;
        CProjectStorage(app).SaveProject();
    }

    bool Open()
    {
        controller = std::make_unique<CProjectController>(project.App());
        if (!controller->OpenProject(location, project.App().model.info.name))
            return false;
        pane = std::make_unique<CCrossReferencePane>(*controller);
        pane->resize(800, 300);
        pane->show();
        QApplication::processEvents();
        return pane->Model()->AllRows() > 0;
    }
};

StressEditor& TheStressEditor()
{
    static StressEditor editor;
    return editor;
}

void BM_OpenPageReadsTheStressProjectInformation(benchmark::State& state)
{
    StressEditor& e = TheStressEditor();
    const QString name = e.project.App().model.info.name;
    for (auto _ : state) {
        const auto info = PackageInformation::Read(e.location, name);
        if (!info) {
            state.SkipWithError("the package's information could not be read");
            break;
        }
        benchmark::DoNotOptimize(info->programmer.size());
    }
}
BENCHMARK(BM_OpenPageReadsTheStressProjectInformation)->Unit(benchmark::kMillisecond)->MinTime(1.0);

// The pane brought up to date after an edit of screen 500 (a name, so every
// row stays where it is), or (`full`) built again from every screen; the
// edit itself is not timed.
void paneFollowsAnEdit(benchmark::State& state, bool full)
{
    StressEditor& e = TheStressEditor();
    if (!e.controller && !e.Open()) {
        state.SkipWithError("the stress project did not open");
        return;
    }
    CScreenDocument* doc = e.controller->ScreenDocument(500);
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        doc->Edit([&n](CDiagramEntityContainer& c) {
            c.GetAt(n % 100)->SetName(QStringLiteral("Edited %1").arg(n));
        });
        ++n;
        state.ResumeTiming();
        if (full)
            e.pane->Rebuild();
        else
            QCoreApplication::sendPostedEvents();
    }
    state.counters["rows"] = double(e.pane->Model()->AllRows());
}

void BM_CrossReferencePaneFollowsAnEdit(benchmark::State& state)
{
    paneFollowsAnEdit(state, false);
}
BENCHMARK(BM_CrossReferencePaneFollowsAnEdit)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_CrossReferencePaneBuildsAllAfterAnEdit(benchmark::State& state)
{
    paneFollowsAnEdit(state, true);
}
BENCHMARK(BM_CrossReferencePaneBuildsAllAfterAnEdit)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

int main(int argc, char** argv)
{
    return RunBenchmarks<QApplication>(argc, argv);
}
