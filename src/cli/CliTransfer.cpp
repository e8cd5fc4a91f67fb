#include "CliTransfer.h"

#include "CliCommand.h"
#include "base/LanguageSection.h"
#include "app/TessanApp.h"

#include <csignal>
#include <cstdio>
#include <unistd.h>

namespace {

std::atomic<int>* g_stopFlag = nullptr;

void OnInterrupt(int)
{
    if (g_stopFlag)
        g_stopFlag->store(1);
}

} // namespace

CCliTransferConsole::CCliTransferConsole(CTessanApp& app, QString caption)
    : app_(app), caption_(std::move(caption)), terminal_(::isatty(STDERR_FILENO) != 0)
{
    g_stopFlag = &app.stopFlag;
    std::signal(SIGINT, OnInterrupt);
}

CCliTransferConsole::~CCliTransferConsole()
{
    std::signal(SIGINT, SIG_DFL);
    g_stopFlag = nullptr;
}

TransferOperations::RunOptions CCliTransferConsole::Options()
{
    TransferOperations::RunOptions o;
    o.progress = this;
    o.messages = this;
    return o;
}

void CCliTransferConsole::PostProgress(int percent, int)
{
    if (!terminal_ || percent == lastPercent_ || percent < 0 || percent > 100)
        return;
    lastPercent_ = percent;
    constexpr int kWidth = 30;
    const int filled = percent * kWidth / 100;
    const QString line = QStringLiteral("\r%1 %2%...... [%3%4]")
                             .arg(caption_)
                             .arg(percent)
                             .arg(QString(filled, QLatin1Char('#')))
                             .arg(QString(kWidth - filled, QLatin1Char(' ')));
    const QByteArray bytes = line.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    std::fflush(stderr);
    barShown_ = true;
}

void CCliTransferConsole::EndBar()
{
    if (barShown_) {
        std::fputc('\n', stderr);
        barShown_ = false;
    }
    lastPercent_ = -1;
}

MessageAnswer CCliTransferConsole::Show(MessageKind kind, const QString& text, const QString&)
{
    text_ = text;
    messageKind_ = kind;
    return kind == MessageKind::Question ? MessageAnswer::Cancel : MessageAnswer::Ok;
}

void CCliTransferConsole::PrintResult()
{
    EndBar();
    if (text_.isEmpty())
        return;
    if (messageKind_ == MessageKind::Information)
        Cli::PrintOut(text_);
    else
        Cli::PrintError(text_);
    text_.clear();
}

namespace Cli {

void PrintWarning(CTessanApp& app, const QString& text)
{
    PrintError(app.settings.LookupText(LS_MSG, text));
}

bool CheckTransferArgs(const QStringList& args, const QStringList& withValue, int positionals,
                       const QString& usage, QStringList* pos)
{
    *pos = Positionals(args, withValue);
    bool ok = UnknownOptions(args, withValue, {}).isEmpty() && pos->size() == positionals;
    for (const QString& o : withValue)
        if (args.contains(o) && OptionValue(args, o).isEmpty())
            ok = false;
    if (!ok)
        PrintError(QStringLiteral("usage: qv-cli ") + usage.section(QLatin1Char('\n'), 0, 0));
    return ok;
}

} // namespace Cli
