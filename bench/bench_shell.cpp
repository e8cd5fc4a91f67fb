// The editor's main window: starting it with a project open, and opening a
// 999-screen project in it until the screen list is filled.
#include "BenchMain.h"
#include "app/ProjectStorage.h"
#include "app/ScreenCommands.h"
#include "app/TessanApp.h"
#include "project/ProtocolTables.h"
#include "ui/app/MainWindow.h"
#include "ui/document/ProjectController.h"
#include "ui/app/ScreenListPane.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <benchmark/benchmark.h>

namespace {

QByteArray ScreenFileBytes(int number, int objects)
{
    QString text = QStringLiteral("paper:192,64;\r\n");
    for (int i = 0; i < objects; ++i)
        text += QStringLiteral(
                    "Numeric`%1.000000,%2.000000,%3.000000,%4.000000,Numeric %5,Numeric,0,"
                    "DEV001,R,%6,0,1,0,1,5,0,0,0,-15,0,0,0,400,0,0,0,0,0,0,0,0,MS Sans Serif;\r\n")
                    .arg(i * 8 % 184)
                    .arg(i % 4 * 16)
                    .arg(i * 8 % 184 + 8)
                    .arg(i % 4 * 16 + 16)
                    .arg(number * 100 + i)
                    .arg(1024 + i);
    return QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
}

// A program folder with the language files and two packages: Example (eight
// screens of 20 objects) and Big (999 screens of 20 objects).
struct Fixture
{
    QTemporaryDir dir;
    QString location;

    Fixture()
    {
        location = dir.path() + QStringLiteral("/pkg");
        QDir().mkpath(location);
        for (const char* f : {"QV_Str.en", "QV_Str.chs"})
            QFile::copy(QStringLiteral(QV_BIN_DIR "/") + QLatin1String(f),
                        dir.path() + QLatin1Char('/') + QLatin1String(f));
        make(QStringLiteral("Example"), 8);
        make(QStringLiteral("Big"), 999);
    }

    void make(const QString& name, int screens)
    {
        CTessanApp app(AppPaths::ForProgramDir(dir.path()), dir.path() + QStringLiteral("/make"));
        app.ResetProjectModel(name, location, QStringLiteral("RU03"),
                              QString::fromLatin1(ProtocolTables::kVardoVSequence));
        QDir().mkpath(app.ProjectFolder());
        for (int n = 1; n <= screens; ++n) {
            app.model.AddScreen(n, QStringLiteral("Screen %1").arg(n));
            QString path;
            ScreenCommands::ScreenFilePath(app, n, QStringLiteral("Screen %1").arg(n), &path);
            QFile f(path);
            f.open(QIODevice::WriteOnly);
            f.write(ScreenFileBytes(n, 20));
        }
        CProjectStorage(app).SaveProject();
    }

    AppPaths Paths() const
    {
        AppPaths paths = AppPaths::ForProgramDir(dir.path());
        paths.CreateWorkFolders();
        return paths;
    }
};

Fixture& TheFixture()
{
    static Fixture fixture;
    return fixture;
}

void BM_StartMainWindowWithProject(benchmark::State& state)
{
    Fixture& fixture = TheFixture();
    for (auto _ : state) {
        const AppPaths paths = fixture.Paths();
        CTessanApp app(paths, paths.TempProjectDir());
        CProjectController controller(app);
        CMainWindow window(controller);
        window.show();
        const bool opened =
            window.OpenProjectFile(fixture.location + QStringLiteral("/Example.cgp"));
        QApplication::processEvents();
        if (!opened || window.ScreenList()->List()->topLevelItemCount() != 8) {
            state.SkipWithError("the example project did not open");
            break;
        }
        controller.CloseProject();
    }
}
BENCHMARK(BM_StartMainWindowWithProject)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_Open999ScreenProject(benchmark::State& state)
{
    Fixture& fixture = TheFixture();
    const AppPaths paths = fixture.Paths();
    CTessanApp app(paths, paths.TempProjectDir());
    CProjectController controller(app);
    CMainWindow window(controller);
    window.show();
    QApplication::processEvents();
    for (auto _ : state) {
        const bool opened = window.OpenProjectFile(fixture.location + QStringLiteral("/Big.cgp"));
        QApplication::processEvents();
        if (!opened || window.ScreenList()->List()->topLevelItemCount() != 999) {
            state.SkipWithError("the 999-screen project did not open");
            break;
        }
        state.PauseTiming();
        controller.CloseProject();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Open999ScreenProject)->Unit(benchmark::kMillisecond)->MinTime(3.0);

} // namespace

int main(int argc, char** argv)
{
    return RunBenchmarks<QApplication>(argc, argv);
}
