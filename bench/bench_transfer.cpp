// Download of the largest runtime image (131,008 bytes, 2047 blocks) to the
// virtual panel on a pseudo-terminal: unpaced, and paced as a real 38400-baud
// 8O1 line. The paced run reports its ratio to the line's lower bound: every
// byte both ways at 11 bits, one direction at a time. And whole Project
// Transfers of a 10 KB image to the panel's protocol in this process, with
// no line: what a test or fuzz run that walks sessions pays for one.
#include "BenchMain.h"
#include "PanelLink.h"
#include "VirtualPanel.h"
#include "app/LinkTransferRunner.h"
#include "app/TessanApp.h"
#include "transfer/PackedPassword.h"
#include "app/TransferOperations.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

constexpr int kImageSize = 131008;

QByteArray Image()
{
    QByteArray b(kImageSize, '\0');
    for (int i = 0; i < kImageSize; ++i)
        b[i] = char((i * 131 + 7) & 0xFF);
    b[8] = 1;
    b[9] = b[10] = b[11] = 0;
    return b;
}

// Bytes on the wire for one download of n image bytes.
double LineLowerBoundSeconds(int n)
{
    const int blocks = (n + 63) / 64;
    const int toPanel =
        2 + 1 + 5 + 2 + blocks * 64 + 1 + 3; // LB, code, access, count, blocks, check, END
    const int toTool = 3 + 6 + 2 + 2 + blocks * 2 + 2; // ZYL, OK+version, OK, OK, OKs, OK
    return double(toPanel + toTool) * CPanelPty::kBitsPerChar / CPanelPty::kBaud;
}

void Download(benchmark::State& state, bool paced)
{
    QTemporaryDir dir;
    CTessanApp app(AppPaths::ForProgramDir(dir.path()), dir.path());
    app.runtimeImage = Image();
    VirtualPanelOptions options;
    options.paced = paced;
    CVirtualPanel panel(options);
    if (!panel.Open()) {
        state.SkipWithError("no pseudo-terminal");
        return;
    }
    panel.Start();
    const QByteArray password = PackedPassword::Pack(QStringLiteral("12345678"));
    int failures = 0;
    double seconds = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const int r =
            TransferOperations::Run(app, TO_DOWNLOAD, panel.DevicePath(), 1, password, {});
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (r != TR_OK)
            ++failures;
    }
    panel.Stop();
    if (failures || panel.Store().image.size() != kImageSize)
        state.SkipWithError("download failed");
    const double bound = LineLowerBoundSeconds(kImageSize);
    state.counters["line_bound_s"] = bound;
    state.counters["ratio_to_bound"] = seconds / double(state.iterations()) / bound;
    state.SetBytesProcessed(int64_t(state.iterations()) * kImageSize);
}

void BM_DownloadUnpaced(benchmark::State& state)
{
    Download(state, false);
}

void BM_DownloadPaced38400(benchmark::State& state)
{
    Download(state, true);
}

void BM_ProjectTransferInMemory(benchmark::State& state)
{
    QTemporaryDir dir;
    CTessanApp app(AppPaths::ForProgramDir(dir.path()), dir.path());
    const QByteArray image = Image().left(10 * 1024);
    CPanelProtocol panel({});
    CPanelLink link(panel);
    CLinkTransferRunner runner(app, link);
    TransferOperations::RunOptions options;
    options.runner = &runner;
    TransferOperations::ProjectTransferSteps steps;
    // The project "compiles" to the same image each time.
    steps.compile = [&] {
        app.runtimeImage = image;
        return true;
    };
    steps.choose = [](const TransferChoice&, qsizetype, TransferChoice* chosen) {
        *chosen = TransferChoice{QStringLiteral("memory"), 1, QStringLiteral("12345678")};
        return true;
    };
    int failures = 0;
    for (auto _ : state) {
        if (TransferOperations::ProjectTransfer(app, steps, options) != TR_OK)
            ++failures;
    }
    if (failures || panel.DownloadsStored() != int(state.iterations())
        || panel.Store().image.left(image.size()) != image)
        state.SkipWithError("project transfer failed");
    state.counters["transfers_per_s"] =
        benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
    state.SetBytesProcessed(int64_t(state.iterations()) * image.size());
}

} // namespace

BENCHMARK(BM_ProjectTransferInMemory)->Unit(benchmark::kMicrosecond)->UseRealTime()->MinTime(1.0);
BENCHMARK(BM_DownloadUnpaced)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);
BENCHMARK(BM_DownloadPaced38400)->Unit(benchmark::kSecond)->UseRealTime()->Iterations(2);

int main(int argc, char** argv)
{
    return RunBenchmarks<QCoreApplication>(argc, argv);
}
