#include "CliCommand.h"
#include "CliProgressBar.h"
#include "CliSession.h"
#include "app/Compiler.h"
#include "app/ProjectStorage.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace {

// Output lines to stdout as the Output pane shows them; on a terminal, a
// progress bar on stderr.
class CConsoleCompileReporter : public ICompileReporter
{
public:
    void Progress(int percent) override { bar_.Show(percent); }
    void ClearOutput() override {}
    void OutputLine(const QString& line) override
    {
        endBar();
        Cli::PrintOut(line);
    }
    void Message(const QString& text, const QString& caption) override
    {
        endBar();
        Cli::PrintError(caption + QStringLiteral(": ") + text);
    }
    void Finished(bool) override { endBar(); }

private:
    void endBar() { bar_.End(false); }
    CCliProgressBar bar_{QStringLiteral("Compiling")};
};

bool writeImage(const QString& path, const QByteArray& bytes)
{
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}

int runCompile(const QStringList& args)
{
    CCliArgs parsed;
    if (!parsed.Parse(args, {{QStringLiteral("-o")}, {QStringLiteral("--dump")}}, 1, 1,
                      QStringLiteral("compile IN.cgp [-o IMAGE.bin] [--dump DIR]")))
        return 2;
    const QStringList& pos = parsed.positionals;
    const QString image = parsed.Value(QStringLiteral("-o"));
    const QString dump = parsed.Value(QStringLiteral("--dump"));
    CCliSession session;
    CTessanApp& app = session.App();
    CProjectStorage storage(app);
    QString location, name;
    const QString in = QFileInfo(pos[0]).absoluteFilePath();
    if (!session.IsValid() || !CProjectStorage::SplitPackagePath(in, &location, &name)
        || !storage.OpenProject(location, name)) {
        Cli::PrintError(CProjectStorage::ErrorCantOpen());
        return 1;
    }
    CConsoleCompileReporter reporter;
    CCompiler compiler(app, &reporter);
    compiler.SetFinalPause(0);
    app.stopFlag.store(0);
    if (!compiler.Run())
        return 1;
    int rc = 0;
    if (!image.isEmpty() && !writeImage(image, app.runtimeImage)) {
        Cli::PrintError(QStringLiteral("qv-cli compile: cannot write %1").arg(image));
        rc = 1;
    }
    if (!dump.isEmpty()) {
        QStringList failed;
        if (!QDir().mkpath(dump))
            failed.append(dump);
        else
            failed = compiler.Images().WriteDebugFiles(dump);
        for (const QString& path : failed)
            Cli::PrintError(QStringLiteral("qv-cli compile: cannot write %1").arg(path));
        if (!failed.isEmpty())
            rc = 1;
    }
    return rc;
}

CliRegistration reg({QStringLiteral("compile"),
                     QStringLiteral("compile IN.cgp [-o IMAGE.bin] [--dump DIR]\n"
                                    "    Opens IN.cgp and compiles it; prints the Output pane's "
                                    "lines. -o writes the runtime\n    image, --dump the seven "
                                    "image files (Compiler.bin, CompilerPrj.bin, ...) into DIR.\n"
                                    "    Warnings do not fail the command."),
                     runCompile});

} // namespace
