#include "SimulationCompile.h"
#include "Compiler.h"
#include "TessanApp.h"
#include "base/SafePath.h"
#include "compiler/Compilation.h"
#include "project/ScreenObject.h"
#include "screen/TessanDoc.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>

namespace {

class CLineCollector : public ICompileReporter
{
public:
    explicit CLineCollector(QStringList& lines) : lines_(lines) {}
    void Progress(int) override {}
    void ClearOutput() override { lines_.clear(); }
    void OutputLine(const QString& line) override { lines_.append(line); }
    void Message(const QString&, const QString&) override {}

private:
    QStringList& lines_;
};

// Copies the files of `from` (not its subfolders: a working folder holds
// none that the compiler reads) into `to`.
bool copyFiles(const QString& from, const QString& to)
{
    QDirIterator it(from, QDir::Files | QDir::Hidden);
    while (it.hasNext()) {
        const QString path = it.next();
        if (!QFile::copy(path, to + QLatin1Char('/') + it.fileName()))
            return false;
    }
    return true;
}

} // namespace

CSimulationCompile::CSimulationCompile(const CTessanApp& app,
                                       const CProjectScreenObjects::LoadedScreens& loaded)
    : input_(CCompiler::InputFrom(app))
{
    input_.hzLib = CHZLib();
    input_.writeDebugFiles = false;
    input_.stopFlag = &stop_;
    workingFolder_ = app.ProjectFolder();
    scratchParent_ = app.settings.Paths().TempDir();
    if (!loaded)
        return;
    const CProjectScreenObjects screens(app, loaded);
    for (const auto& screen : app.model.screens)
        if (const CDiagramEntityContainer* objects = loaded(screen->number))
            unsavedScreens_.append({screens.Title(*screen), CTessanDoc::WriteBytes(*objects)});
}

bool CSimulationCompile::Run()
{
    image_.clear();
    QDir().mkpath(scratchParent_);
    QTemporaryDir scratch(scratchParent_ + QStringLiteral("/Simulate-XXXXXX"));
    if (!scratch.isValid()) {
        error_ = QStringLiteral("cannot make a scratch folder in %1").arg(scratchParent_);
        return false;
    }
    if (!copyFiles(workingFolder_, scratch.path())) {
        error_ = QStringLiteral("cannot copy the project folder %1").arg(workingFolder_);
        return false;
    }
    for (const auto& [name, bytes] : unsavedScreens_) {
        QString path;
        QSaveFile f(SafeJoin(scratch.path(), name, &path) ? path : QString());
        if (path.isEmpty() || !f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()
            || !f.commit()) {
            error_ = QStringLiteral("cannot write the screen file %1").arg(name);
            return false;
        }
    }
    input_.projectFolder = scratch.path();
    CLineCollector reporter(lines_);
    CCompilation compilation(input_, reporter);
    compilation.SetFinalPause(0);
    const bool completed = compilation.Run();
    warnings_ = compilation.Output().warnings;
    if (!completed) {
        error_ = QStringLiteral("the compilation was stopped");
        return false;
    }
    image_ = compilation.Output().images.runtime;
    return true;
}
