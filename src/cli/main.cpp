#include "CliCommand.h"
#include "base/ProgramInfo.h"
#include "base/platform/UserSession.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QTextStream>

#include <cstdio>
#include <cstring>

std::vector<CliCommand>& CliCommands()
{
    static std::vector<CliCommand> commands;
    return commands;
}

namespace Cli {

void PrintError(const QString& text)
{
    QByteArray bytes = text.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    std::fflush(stderr);
}

void PrintOut(const QString& text)
{
    QByteArray bytes = text.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
}

bool WantsHelp(const QStringList& args)
{
    return args.contains(QLatin1String("--help")) || args.contains(QLatin1String("-h"));
}

void PrintUsage(const QString& usage)
{
    PrintError(QStringLiteral("usage: qv-cli ") + usage.section(QLatin1Char('\n'), 0, 0));
}

} // namespace Cli

bool CCliArgs::Parse(const QStringList& args, const QList<CliOption>& options, int minPositionals,
                     int maxPositionals, const QString& usage)
{
    QCommandLineParser parser;
    for (const CliOption& o : options) {
        const QString name = QString(o.name).remove(QRegularExpression(QStringLiteral("^-+")));
        parser.addOption(o.takesValue ? QCommandLineOption(name, QString(), QStringLiteral("value"))
                                      : QCommandLineOption(name));
    }
    bool ok = parser.parse(QStringList{QStringLiteral("qv-cli")} + args);
    values_.clear();
    if (ok) {
        positionals = parser.positionalArguments();
        ok = positionals.size() >= minPositionals && positionals.size() <= maxPositionals;
        for (const CliOption& o : options) {
            const QString name = QString(o.name).remove(QRegularExpression(QStringLiteral("^-+")));
            if (!parser.isSet(name))
                continue;
            const QString value = o.takesValue ? parser.value(name) : QString();
            if (o.takesValue && value.isEmpty())
                ok = false;
            values_.insert(o.name, value);
        }
    }
    if (!ok)
        Cli::PrintUsage(usage);
    return ok;
}

static void printUsage(FILE* to)
{
    QString text =
        QStringLiteral("usage: qv-cli COMMAND [ARGS]\n"
                       "Opens, compiles, simulates and transfers Corvel projects without "
                       "a display.\n\ncommands:\n");
    for (const CliCommand& c : CliCommands())
        text += QStringLiteral("  ") + c.usage.section(QLatin1Char('\n'), 0, 0) + QLatin1Char('\n');
    text += QStringLiteral("\n'qv-cli COMMAND --help' describes one command; "
                           "'qv-cli --version' shows the version.\n");
    QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), to);
}

int main(int argc, char** argv)
{
    if (argc > 1 && std::strcmp(argv[1], "--version") == 0)
        return ProgramInfo::Answer(argc, argv, "qv-cli", "");
    // Text pictures need a GUI application, but never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        // A private runtime folder, so the platform layer has nothing to complain about.
        const std::string dir = platform::UserRuntimeFolder();
        if (!dir.empty())
            qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(dir));
    }
    QGuiApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty()) {
        printUsage(stderr);
        return 2;
    }
    const QString name = args.takeFirst();
    if (name == QLatin1String("--help") || name == QLatin1String("-h")
        || name == QLatin1String("help")) {
        printUsage(stdout);
        return 0;
    }
    for (const CliCommand& c : CliCommands()) {
        if (c.name != name)
            continue;
        if (Cli::WantsHelp(args)) {
            Cli::PrintOut(QStringLiteral("usage: qv-cli ") + c.usage);
            return 0;
        }
        return c.run(args);
    }
    Cli::PrintError(QStringLiteral("qv-cli: unknown command \"%1\"").arg(name));
    printUsage(stderr);
    return 2;
}
