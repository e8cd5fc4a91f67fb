#include "CliSession.h"
#include "CliCommand.h"

MessageAnswer CConsoleMessageSink::Show(MessageKind kind, const QString& text,
                                        const QString& caption)
{
    switch (kind) {
    case MessageKind::Error:
    case MessageKind::Warning:
        Cli::PrintError(caption + QStringLiteral(": ") + text);
        return MessageAnswer::Ok;
    case MessageKind::Information: Cli::PrintOut(text); return MessageAnswer::Ok;
    case MessageKind::Question: return ShowQuestion({text, caption});
    }
    return MessageAnswer::Ok;
}

MessageAnswer CConsoleMessageSink::ShowQuestion(const MessageQuestion& question)
{
    Cli::PrintError(question.caption + QStringLiteral(": ") + question.text);
    return question.MostCautious();
}

CCliSession::CCliSession() : tempDir_(QDir::tempPath() + QStringLiteral("/qv-cli-XXXXXX"))
{
    app_ = std::make_unique<CTessanApp>(AppPaths::ForRunningProgram(), tempDir_.path());
    app_->messages = &sink_;
}

CCliSession::~CCliSession() = default;
