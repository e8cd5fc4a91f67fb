#pragma once
#include <QString>

// Where the core shows a message box: the editor turns it into a dialog,
// qv-cli prints it, the tests record it.
class IMessageSink
{
public:
    virtual ~IMessageSink() = default;
    virtual void ShowMessage(const QString& text, const QString& caption) = 0;
};

// Drops every message.
class CSilentMessageSink : public IMessageSink
{
public:
    void ShowMessage(const QString&, const QString&) override {}
};
