// Open + save of a large project: 999 screens whose files hold 20 object
// lines each, and 200 alarms.
#include "BenchMain.h"
#include "app/TessanApp.h"
#include "app/ProjectStorage.h"
#include "project/ProtocolTables.h"
#include "app/ScreenCommands.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

QByteArray screenFileBytes(int number)
{
    QString text = QStringLiteral("paper:192,64;\r\n");
    for (int i = 0; i < 20; ++i)
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

struct Fixture
{
    QTemporaryDir dir;
    QString location;

    Fixture()
    {
        location = dir.path() + QStringLiteral("/pkg");
        AppPaths paths = AppPaths::ForProgramDir(dir.path());
        CTessanApp app(paths, dir.path() + QStringLiteral("/make"));
        app.ResetProjectModel(QStringLiteral("Big"), location, QStringLiteral("RU03"),
                              QString::fromLatin1(ProtocolTables::kVardoVSequence));
        QDir().mkpath(app.ProjectFolder());
        for (int n = 1; n <= 999; ++n) {
            app.model.AddScreen(n, QStringLiteral("Screen %1").arg(n));
            QString path;
            ScreenCommands::ScreenFilePath(app, n, QStringLiteral("Screen %1").arg(n), &path);
            QFile f(path);
            f.open(QIODevice::WriteOnly);
            f.write(screenFileBytes(n));
        }
        for (int i = 0; i < 200; ++i) {
            CAlarmObject a(&app.model);
            a.coil.address = i;
            a.message = QStringLiteral("Alarm number %1").arg(i);
            app.model.alarms.items.push_back(a);
        }
        CProjectStorage(app).SaveProject();
    }
};

void BM_OpenAndSave(benchmark::State& state)
{
    static Fixture fixture;
    for (auto _ : state) {
        CTessanApp app(AppPaths::ForProgramDir(fixture.dir.path()),
                       fixture.dir.path() + QStringLiteral("/work"));
        CProjectStorage storage(app);
        if (!storage.OpenProject(fixture.location, QStringLiteral("Big"))
            || app.model.screens.size() != 999 || !storage.SaveProject()) {
            state.SkipWithError("open or save failed");
            break;
        }
    }
}
BENCHMARK(BM_OpenAndSave)->Unit(benchmark::kMillisecond)->MinTime(3.0);

} // namespace

int main(int argc, char** argv)
{
    return RunBenchmarks<QCoreApplication>(argc, argv);
}
