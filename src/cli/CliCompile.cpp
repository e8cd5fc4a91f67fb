#include "CliCommand.h"
#include "CliSession.h"
#include "app/Compiler.h"
#include "app/ProjectStorage.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <cstdio>
#include <unistd.h>

namespace {

// Output lines to stdout as the Output pane shows them; on a terminal, a
// progress bar on stderr.
class CConsoleCompileReporter : public ICompileReporter
{
public:
    CConsoleCompileReporter() : bar_(isatty(fileno(stderr)) != 0) {}

    void Progress(int percent) override
    {
        if (!bar_)
            return;
        const int filled = std::clamp(percent, 0, 100) * 30 / 100;
        std::fprintf(stderr, "\r[%s%s] %3d%%", std::string(size_t(filled), '#').c_str(),
                     std::string(size_t(30 - filled), ' ').c_str(), percent);
        std::fflush(stderr);
        shown_ = true;
    }
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
    void endBar()
    {
        if (shown_) {
            std::fputs("\r\033[K", stderr);
            std::fflush(stderr);
            shown_ = false;
        }
    }
    bool bar_;
    bool shown_ = false;
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
    const QStringList withValue{QStringLiteral("-o"), QStringLiteral("--dump")};
    QStringList unknown = Cli::UnknownOptions(args, withValue, {});
    QStringList pos = Cli::Positionals(args, withValue);
    const QString image = Cli::OptionValue(args, QStringLiteral("-o"));
    const QString dump = Cli::OptionValue(args, QStringLiteral("--dump"));
    if (!unknown.isEmpty() || pos.size() != 1 || (args.contains(QStringLiteral("-o")) && image.isEmpty())
        || (args.contains(QStringLiteral("--dump")) && dump.isEmpty())) {
        Cli::PrintError(QStringLiteral("usage: qv-cli compile IN.cgp [-o IMAGE.bin] [--dump DIR]"));
        return 2;
    }
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
