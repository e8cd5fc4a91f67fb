#pragma once
#include <QString>

// What a message box is: the editor picks its icon and buttons by the kind,
// never by the caption (captions are translated texts).
enum class MessageKind { Error, Warning, Information, Question };

// The button that closed a message box. An Error, Warning or Information box
// answers Ok; a question answers Yes, No or Cancel.
enum class MessageAnswer { Ok, Yes, No, Cancel };

// Where the core shows a message box and asks its questions: the editor turns
// them into dialogs, qv-cli prints them, the tests record them and answer as
// the test says.
//
// Threads: a sink is called only on the thread that owns the application
// state (the editor's interface thread). Workers (the compiler, the transfer
// engine) never call it from their threads: they hand their result to the
// caller, which shows it.
class IMessageSink
{
public:
    virtual ~IMessageSink() = default;
    // One box; a question returns the user's answer, the other kinds Ok.
    virtual MessageAnswer Show(MessageKind kind, const QString& text, const QString& caption) = 0;

    void ShowError(const QString& text, const QString& caption) { Show(MessageKind::Error, text, caption); }
    void ShowWarning(const QString& text, const QString& caption)
    {
        Show(MessageKind::Warning, text, caption);
    }
    void ShowInformation(const QString& text, const QString& caption)
    {
        Show(MessageKind::Information, text, caption);
    }
    // A question with Yes, No and Cancel.
    MessageAnswer Ask(const QString& text, const QString& caption)
    {
        return Show(MessageKind::Question, text, caption);
    }
};

// Drops every message; a question is answered Cancel, so nothing proceeds
// that nobody agreed to.
class CSilentMessageSink : public IMessageSink
{
public:
    MessageAnswer Show(MessageKind kind, const QString&, const QString&) override
    {
        return kind == MessageKind::Question ? MessageAnswer::Cancel : MessageAnswer::Ok;
    }
};
