#include "CliSession.h"
#include "CliCommand.h"

void CConsoleMessageSink::ShowMessage(const QString& text, const QString& caption)
{
    if (caption == QLatin1String("Error") || caption == QLatin1String("Warning"))
        Cli::PrintError(caption + QStringLiteral(": ") + text);
    else
        Cli::PrintOut(text);
}

CCliSession::CCliSession() : tempDir_(QDir::tempPath() + QStringLiteral("/qv-cli-XXXXXX"))
{
    app_ = std::make_unique<CTessanApp>(AppPaths::ForRunningProgram(), tempDir_.path());
    app_->messages = &sink_;
}

CCliSession::~CCliSession() = default;
