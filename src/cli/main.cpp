#include "CliCommand.h"

#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

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

QStringList Positionals(const QStringList& args, const QStringList& optionsWithValue)
{
    QStringList out;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (optionsWithValue.contains(args[i])) {
            ++i;
            continue;
        }
        if (!args[i].startsWith(QLatin1Char('-')) || args[i] == QLatin1String("-"))
            out.append(args[i]);
    }
    return out;
}

QString OptionValue(const QStringList& args, const QString& option)
{
    qsizetype i = args.indexOf(option);
    return i >= 0 && i + 1 < args.size() ? args[i + 1] : QString();
}

bool HasFlag(const QStringList& args, const QString& flag)
{
    return args.contains(flag);
}

QStringList UnknownOptions(const QStringList& args, const QStringList& optionsWithValue,
                           const QStringList& flags)
{
    QStringList unknown;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (optionsWithValue.contains(args[i])) {
            ++i;
            continue;
        }
        if (args[i].startsWith(QLatin1Char('-')) && args[i] != QLatin1String("-")
            && !flags.contains(args[i]) && args[i] != QLatin1String("--help")
            && args[i] != QLatin1String("-h"))
            unknown.append(args[i]);
    }
    return unknown;
}

} // namespace Cli

static void printUsage(FILE* to)
{
    QString text = QStringLiteral("usage: qv-cli COMMAND [ARGS]\n\ncommands:\n");
    for (const CliCommand& c : CliCommands())
        text += QStringLiteral("  ") + c.usage.section(QLatin1Char('\n'), 0, 0) + QLatin1Char('\n');
    text += QStringLiteral("\n'qv-cli COMMAND --help' describes one command.\n");
    QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), to);
}

int main(int argc, char** argv)
{
    // Text pictures need a GUI application, but never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        // A private runtime folder, so the platform layer has nothing to complain about.
        QByteArray dir = "/tmp/qv-runtime-" + QByteArray::number(uint(getuid()));
        mkdir(dir.constData(), 0700);
        chmod(dir.constData(), 0700);
        qputenv("XDG_RUNTIME_DIR", dir);
    }
    QGuiApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty()) {
        printUsage(stderr);
        return 2;
    }
    const QString name = args.takeFirst();
    if (name == QLatin1String("--help") || name == QLatin1String("-h") || name == QLatin1String("help")) {
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
