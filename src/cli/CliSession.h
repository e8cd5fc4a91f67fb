#pragma once
#include "app/TessanApp.h"

#include <QTemporaryDir>
#include <memory>

// Prints message boxes: errors, warnings and questions to stderr, the rest
// to stdout. Nobody at the terminal answers a question: it takes the most
// cautious button offered (Cancel, else No).
class CConsoleMessageSink : public IMessageSink
{
public:
    MessageAnswer Show(MessageKind kind, const QString& text, const QString& caption) override;
    MessageAnswer ShowQuestion(const MessageQuestion& question) override;
};

// The application state of one qv-cli run. Packages are unpacked into a
// private temporary folder that goes when the run ends, so a command-line run
// never touches the editor's working files.
class CCliSession
{
public:
    CCliSession();
    ~CCliSession();
    bool IsValid() const { return tempDir_.isValid(); }
    CTessanApp& App() { return *app_; }

private:
    QTemporaryDir tempDir_;
    CConsoleMessageSink sink_;
    std::unique_ptr<CTessanApp> app_;
};
