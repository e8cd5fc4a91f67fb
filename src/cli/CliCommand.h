#pragma once
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

// One subcommand of qv-cli. Each command file registers itself with a
// static CliRegistration.
struct CliCommand
{
    QString name;
    QString usage;   // shown by --help
    std::function<int(const QStringList& args)> run;
};

std::vector<CliCommand>& CliCommands();

struct CliRegistration
{
    explicit CliRegistration(CliCommand command) { CliCommands().push_back(std::move(command)); }
};

// Helpers shared by the commands.
namespace Cli {
void PrintError(const QString& text);
void PrintOut(const QString& text);
bool WantsHelp(const QStringList& args);
// Positional arguments (those not starting with "-") and option values.
QStringList Positionals(const QStringList& args, const QStringList& optionsWithValue);
QString OptionValue(const QStringList& args, const QString& option);
bool HasFlag(const QStringList& args, const QString& flag);
// Unknown options are an error: their names, empty when all are known.
QStringList UnknownOptions(const QStringList& args, const QStringList& optionsWithValue,
                           const QStringList& flags);
} // namespace Cli
