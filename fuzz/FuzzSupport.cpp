#include "FuzzSupport.h"
#include "base/AppPaths.h"
#include "project/ProtocolTables.h"

#include <QGuiApplication>
#include <QTemporaryDir>

#include <memory>

namespace FuzzSupport {

namespace {

struct State
{
    State()
    {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "fuzz";
        static char* argv[] = {name, nullptr};
        qapp = std::make_unique<QGuiApplication>(argc, argv);
        AppPaths paths = AppPaths::ForProgramDir(dir.path());
        paths.CreateWorkFolders();
        app = std::make_unique<CTessanApp>(paths, paths.TempProjectDir());
    }
    std::unique_ptr<QGuiApplication> qapp;
    QTemporaryDir dir;
    std::unique_ptr<CTessanApp> app;
};

State& state()
{
    static State s;
    return s;
}

} // namespace

CTessanApp& App()
{
    return *state().app;
}

QString Dir()
{
    return state().dir.path();
}

CTessanApp& FreshModel()
{
    CTessanApp& app = App();
    app.ResetProjectModel(QStringLiteral("F"), Dir() + QStringLiteral("/out"),
                          QString::fromLatin1(ProtocolTables::kPanelRU03),
                          QString::fromLatin1(ProtocolTables::kVardoVSequence));
    app.projectFolderName = QStringLiteral("F");
    return app;
}

} // namespace FuzzSupport
