#include "StressProject.h"
#include "app/Compiler.h"
#include "project/ProtocolTables.h"
#include "project/ScreenObject.h"
#include "screen/DiagramEntityContainer.h"
#include "screen/ObjectDynamicText.h"
#include "screen/ObjectFactory.h"
#include "screen/ObjectStaticText.h"
#include "screen/TessanDoc.h"

#include <QDir>
#include <QFile>

CBenchProject::CBenchProject(const QString& name)
{
    for (const char* f : {"QV_Str.en", "QV_Str.chs"})
        QFile::copy(QStringLiteral(QV_BIN_DIR "/") + QLatin1String(f),
                    dir_.path() + QLatin1Char('/') + QLatin1String(f));
    QDir().mkpath(dir_.path() + QStringLiteral("/BMP_Files/Arrow"));
    QFile::copy(QStringLiteral(QV_BIN_DIR "/BMP_Files/Arrow/arrow_16_16_RIGHT.bmp"),
                dir_.path() + QStringLiteral("/BMP_Files/Arrow/arrow_16_16_RIGHT.bmp"));
    AppPaths paths = AppPaths::ForProgramDir(dir_.path());
    paths.CreateWorkFolders();
    app_ = std::make_unique<CTessanApp>(paths, paths.TempProjectDir());
    app_->ResetProjectModel(name, dir_.path(), QString::fromLatin1(ProtocolTables::kPanelRU03),
                            QString::fromLatin1(ProtocolTables::kVardoVSequence));
    QDir().mkpath(app_->ProjectFolder());
}

void CBenchProject::WriteStressScreen(int number,
                                      const std::function<void(CDiagramEntity&, int)>& adjust)
{
    CTessanApp& app = *app_;
    CDiagramEntityContainer c;
    c.SetPaperSize(QSize(192, 64));
    for (int i = 0; i < 100; ++i) {
        const int kind = i % 3 == 0 ? (i / 3) % 2 : 2 + i % 6;
        auto o = CreateObjectOfKind(kind, &app.model);
        const int x = (i * 7) % 150, y = (i * 5) % 40;
        o->SetRect(x, y, x + 40, y + 16);
        o->SetName(QStringLiteral("Object %1").arg(i));
        if (auto* t = dynamic_cast<CObjectStaticText*>(o.get()))
            t->text = QStringLiteral("Tank %1 level %2").arg(i).arg(number);
        if (auto* d = dynamic_cast<CObjectDynamicText*>(o.get()))
            d->texts = {QStringLiteral("Off"), QStringLiteral("On"), QStringLiteral("Fault")};
        if (adjust)
            adjust(*o, i);
        c.AddLoaded(std::move(o));
    }
    CTessanDoc::SaveFile(
        app.ProjectFolder() + QLatin1Char('/')
            + ScreenTitle(app.model.info.name, number, app.model.FindScreen(number)->name),
        c);
}

void CBenchProject::AddStressScreens(int count)
{
    for (int n = 1; n <= count; ++n) {
        app_->model.AddScreen(n, QStringLiteral("Screen %1").arg(n));
        CFunKeyParams& key = app_->model.FindScreen(n)->keys[0];
        key.showDescription = 1;
        key.description = QStringLiteral("Screen %1").arg(n);
        WriteStressScreen(n);
    }
}

QByteArray CBenchProject::Compile()
{
    CSilentCompileReporter reporter;
    CCompiler compiler(*app_, &reporter);
    compiler.SetFinalPause(0);
    return compiler.Run() ? app_->runtimeImage : QByteArray();
}
