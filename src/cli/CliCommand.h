#pragma once
#include <QString>
#include <QHash>
#include <QList>
#include <QStringList>

#include <functional>
#include <vector>

// One subcommand of qv-cli. Each command file registers itself with a
// static CliRegistration.
struct CliCommand
{
    QString name;
    QString usage; // shown by --help
    std::function<int(const QStringList& args)> run;
};

std::vector<CliCommand>& CliCommands();

struct CliRegistration
{
    explicit CliRegistration(CliCommand command) { CliCommands().push_back(std::move(command)); }
};

// One option of a command, as it is typed ("-o", "--port", "--screens"),
// and whether a value follows it.
struct CliOption
{
    QString name;
    bool takesValue = true;
};

// A command's arguments, parsed with QCommandLineParser against its options.
class CCliArgs
{
public:
    // False, after printing "usage: qv-cli " and the first line of `usage`,
    // on an unknown option, an option without its value (or with an empty
    // one), or a number of positional arguments outside min..max.
    bool Parse(const QStringList& args, const QList<CliOption>& options, int minPositionals,
               int maxPositionals, const QString& usage);
    QStringList positionals;
    bool Has(const QString& option) const { return values_.contains(option); }
    QString Value(const QString& option) const { return values_.value(option); }

private:
    QHash<QString, QString> values_;
};

// Helpers shared by the commands.
namespace Cli {
void PrintError(const QString& text);
void PrintOut(const QString& text);
bool WantsHelp(const QStringList& args);
void PrintUsage(const QString& usage);
} // namespace Cli
