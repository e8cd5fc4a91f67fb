// The screen editor's repaint: a 100-object screen of every kind at 100 %
// and 800 %, with the previews and with the panel's pixels. The goal is a
// repaint within 8 ms (two frames at 60 Hz). And the screen document's one
// edit path on that screen (a keyboard move of the selection: capture,
// apply, compare, undo point, signals to two views), which the goal of one
// frame (16 ms) must hold with room for the repaint.
#include "BenchMain.h"
#include "app/TessanApp.h"
#include "project/ProtocolTables.h"
#include "screen/ObjectDynamicText.h"
#include "screen/DiagramEntityContainer.h"
#include "screen/ObjectFactory.h"
#include "screen/ObjectStaticText.h"
#include "screen/TessanDoc.h"
#include "ui/document/ProjectController.h"
#include "ui/document/ScreenDocument.h"
#include "ui/screen/ObjectEditor.h"
#include "ui/screen/TessanView.h"

#include <QApplication>
#include <QImage>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// A project whose first screen holds 100 objects of every kind, a seventh of
// them selected.
struct Screen100
{
    QTemporaryDir dir;
    AppPaths paths = AppPaths::ForProgramDir(dir.path());
    std::unique_ptr<CTessanApp> app;
    std::unique_ptr<CProjectController> controller;
    CScreenDocument* doc = nullptr;

    Screen100()
    {
        paths.CreateWorkFolders();
        app = std::make_unique<CTessanApp>(paths, paths.TempProjectDir());
        controller = std::make_unique<CProjectController>(*app);
        controller->NewProject("Bench", dir.path() + "/P", "RU03",
                               QString::fromLatin1(ProtocolTables::kVardoVSequence));
        doc = controller->ScreenDocument(1);
        doc->Edit([&](CDiagramEntityContainer& c) {
            for (int i = 0; i < 100; ++i) {
                auto o = CreateObjectOfKind(i % kObjectKindCount, &app->model);
                const int x = (i % 10) * 18, y = (i / 10) % 4 * 16;
                o->SetRect(x, y, x + 24, y + 16);
                if (auto* t = dynamic_cast<CObjectStaticText*>(o.get()))
                    t->text = QStringLiteral("Tank %1 level").arg(i);
                if (auto* d = dynamic_cast<CObjectDynamicText*>(o.get()))
                    d->texts = {QStringLiteral("Off"), QStringLiteral("On")};
                o->Select(i % 7 == 0);
                c.Add(std::move(o));
            }
        });
    }
};

void BM_Repaint(benchmark::State& state)
{
    const double zoom = double(state.range(0)) / 100.0;
    const bool panel = state.range(1) != 0;
    Screen100 screen;
    CTessanView view(*screen.controller, screen.doc, 1);
    CViewSettings settings;
    settings.showGrid = true;
    settings.zoomPercent = int(state.range(0));
    settings.panelPixels = panel;
    settings.showLabels = true;
    view.ApplyViewSettings(settings);
    // The whole paper in view.
    view.resize(int(192 * zoom) + 40, int(64 * zoom) + 40);
    view.show();
    QWidget* canvas = view.Editor()->viewport();
    QImage target(canvas->size(), QImage::Format_RGB32);
    canvas->render(&target);
    for (auto _ : state)
        canvas->render(&target);
    state.SetLabel(panel ? "panel pixels" : "previews");
}
BENCHMARK(BM_Repaint)
    ->Args({100, 0})
    ->Args({800, 0})
    ->Args({100, 1})
    ->Args({800, 1})
    ->Unit(benchmark::kMillisecond);

void BM_EditPath(benchmark::State& state)
{
    Screen100 screen;
    CScreenDocument* doc = screen.doc;
    CTessanView first(*screen.controller, doc, 1);
    CTessanView second(*screen.controller, doc, 1);
    int step = 1;
    for (auto _ : state) {
        // One pixel right, then back: every edit changes the screen.
        doc->Edit([&](CDiagramEntityContainer& c) {
            for (const auto& o : c.Objects())
                if (o->IsSelected())
                    o->MoveBy(step, 0);
        });
        step = -step;
    }
}
BENCHMARK(BM_EditPath)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    return RunBenchmarks<QApplication>(argc, argv);
}
