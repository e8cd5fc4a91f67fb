// The project report of the stress project: 999 screens of 100 objects of all
// kinds, each with its picture, objects table and keys, written as a PDF.
// The whole report (the compilation for the pictures included) and its
// layout and painting alone.
#include "BenchMain.h"
#include "StressProject.h"
#include "app/ProjectReport.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPdfWriter>
#include <benchmark/benchmark.h>

namespace {

CBenchProject& stress()
{
    static CBenchProject* project = [] {
        auto* p = new CBenchProject;
        p->AddStressScreens(999);
        return p;
    }();
    return *project;
}

// Paints the report into a PDF in memory; its pages and bytes.
QPair<int, qint64> print(const CProjectReport& report)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    int pages = 0;
    {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(300);
        pdf.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        pages = report.Print(pdf);
    }
    return {pages, buffer.size()};
}

void BM_ReportStressProject(benchmark::State& state)
{
    CTessanApp& app = stress().App();
    QPair<int, qint64> written;
    for (auto _ : state) {
        CProjectReport report(app, {}, QStringLiteral("en"));
        QString error;
        if (!report.Prepare(&error)) {
            state.SkipWithError(qPrintable(error));
            return;
        }
        written = print(report);
    }
    state.counters["pages"] = written.first;
    state.counters["pdf_bytes"] = double(written.second);
}
BENCHMARK(BM_ReportStressProject)->Unit(benchmark::kMillisecond)->Iterations(2);

void BM_ReportStressLayoutAndPaint(benchmark::State& state)
{
    CProjectReport report(stress().App(), {}, QStringLiteral("en"));
    QString error;
    if (!report.Prepare(&error)) {
        state.SkipWithError(qPrintable(error));
        return;
    }
    QPair<int, qint64> written;
    for (auto _ : state)
        written = print(report);
    state.counters["pages"] = written.first;
    state.counters["pdf_bytes"] = double(written.second);
}
BENCHMARK(BM_ReportStressLayoutAndPaint)->Unit(benchmark::kMillisecond)->Iterations(2);

} // namespace

int main(int argc, char** argv)
{
    return RunBenchmarks<QGuiApplication>(argc, argv);
}
