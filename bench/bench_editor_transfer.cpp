// File > Project Transfer as the editor runs it, from the command to the
// outcome's message, against the virtual panel (unpaced): a project of 20
// screens compiled under the progress dialog, then downloaded. The Transfer
// dialog is answered at once. Reports how the time splits between the
// compilation and the line.
#include "BenchMain.h"
#include "ModalDriver.h"
#include "VirtualPanel.h"
#include "app/ScreenCommands.h"
#include "app/TessanApp.h"
#include "project/ProtocolTables.h"
#include "ui/document/ProjectController.h"
#include "ui/transfer/DlgTransfer.h"
#include "ui/transfer/ProjectTransferCommand.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void BM_ProjectTransferUnpaced(benchmark::State& state)
{
    QTemporaryDir dir;
    CTessanApp app(AppPaths::ForProgramDir(dir.path()), dir.path() + "/work");
    CProjectController controller(app);
    QDir().mkpath(dir.path() + "/P");
    controller.NewProject("bench", dir.path() + "/P", "RU03",
                          QString::fromLatin1(ProtocolTables::kVardoVSequence));
    for (int n = 2; n <= 20; ++n)
        ScreenCommands::NewScreen(app, n, ScreenCommands::DefaultScreenName(n));
    controller.SaveProject();
    CVirtualPanel panel({});
    if (!panel.Open()) {
        state.SkipWithError("no pseudo-terminal");
        return;
    }
    panel.Start();
    CModalDriver driver;
    CProjectTransferCommand command(controller);
    double compileMs = 0, lineMs = 0;
    int failures = 0;
    for (auto _ : state) {
        app.imageState = 0;
        app.TakeAsSaved(); // a new port marks it; no save question in the loop
        driver.On<CDlgTransfer>([&](CDlgTransfer* d) {
            d->findChild<QComboBox*>("port")->setEditText(panel.DevicePath());
            d->findChild<QPushButton*>("transfer")->click();
            return true;
        });
        if (command.Run(nullptr) != TR_OK)
            ++failures;
        compileMs += double(command.CompileMs());
        lineMs += double(command.LineMs());
    }
    panel.Stop();
    if (failures)
        state.SkipWithError("transfer failed");
    state.counters["compile_ms"] = compileMs / double(state.iterations());
    state.counters["line_ms"] = lineMs / double(state.iterations());
    state.counters["image_bytes"] = double(app.runtimeImage.size());
}

} // namespace

BENCHMARK(BM_ProjectTransferUnpaced)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);

int main(int argc, char** argv)
{
    return RunBenchmarks<QApplication>(argc, argv);
}
