// The bitmap manager on a folder of 400 pictures: opening it and showing the
// first page of thumbnails, against reading every picture of the folder.
// The goal is that the folder opens at once (well under 100 ms) however many
// files it holds.
#include "BenchMain.h"
#include "app/TessanApp.h"
#include "project/ProtocolTables.h"
#include "ui/document/ProjectController.h"
#include "ui/screen/BitmapThumbnailModel.h"
#include "ui/screen/DlgBitmapManager.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kFiles = 400;

struct Folder
{
    QTemporaryDir dir;
    std::unique_ptr<CTessanApp> app;
    std::unique_ptr<CProjectController> controller;

    Folder()
    {
        AppPaths paths = AppPaths::ForProgramDir(dir.path());
        paths.CreateWorkFolders();
        app = std::make_unique<CTessanApp>(paths, paths.TempProjectDir());
        controller = std::make_unique<CProjectController>(*app);
        controller->NewProject("Bench", dir.path() + "/P", "RU03",
                               QString::fromLatin1(ProtocolTables::kVardoVSequence));
        const QString fans = dir.path() + "/BMP_Files/Fan";
        QDir().mkpath(fans);
        QImage picture(48, 48, QImage::Format_RGB32);
        for (int i = 0; i < kFiles; ++i) {
            picture.fill(i % 2 ? Qt::white : Qt::black);
            picture.save(fans + QStringLiteral("/fan%1.bmp").arg(i, 3, 10, QLatin1Char('0')),
                         "BMP");
        }
    }
};

Folder& Shared()
{
    static Folder folder;
    return folder;
}

void BM_OpenOnLargeFolder(benchmark::State& state)
{
    Folder& f = Shared();
    for (auto _ : state) {
        CDlgBitmapManager dialog(*f.controller, QStringLiteral("BMP_Files\\Fan"),
                                 QStringLiteral("fan000.bmp"));
        dialog.resize(760, 520);
        dialog.show();
        QApplication::processEvents();
        state.counters["pictures read"] = dialog.Files().LoadedCount();
    }
}
BENCHMARK(BM_OpenOnLargeFolder)->Unit(benchmark::kMillisecond);

void BM_ReadEveryThumbnail(benchmark::State& state)
{
    Folder& f = Shared();
    const QString fans = f.dir.path() + "/BMP_Files/Fan";
    for (auto _ : state) {
        CBitmapThumbnailModel model;
        model.SetFolder(fans);
        for (int row = 0; row < model.rowCount(); ++row)
            benchmark::DoNotOptimize(model.data(model.index(row), Qt::DecorationRole));
    }
}
BENCHMARK(BM_ReadEveryThumbnail)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return RunBenchmarks<QApplication>(argc, argv);
}
