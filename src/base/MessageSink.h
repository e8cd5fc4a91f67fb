#pragma once
#include <QList>
#include <QString>

// What a message box is: the editor picks its icon by the kind, never by the
// caption (captions are translated texts). Error, Warning and Information
// boxes have one OK button; a Question offers the buttons it names.
enum class MessageKind { Error, Warning, Information, Question };

// The button that closed a message box. An Error, Warning or Information box
// answers Ok; a question answers one of the buttons it offered.
enum class MessageAnswer { Ok, Yes, No, Cancel };

// The buttons a question offers, in the order the box shows them.
enum class MessageButtons { YesNo, OkCancel, YesNoCancel };

inline QList<MessageAnswer> OfferedAnswers(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::YesNo: return {MessageAnswer::Yes, MessageAnswer::No};
    case MessageButtons::OkCancel: return {MessageAnswer::Ok, MessageAnswer::Cancel};
    case MessageButtons::YesNoCancel: break;
    }
    return {MessageAnswer::Yes, MessageAnswer::No, MessageAnswer::Cancel};
}

// The answer that lets nothing happen: Cancel when it is offered, else No.
inline MessageAnswer MostCautiousAnswer(MessageButtons buttons)
{
    return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Cancel;
}

// One question: its text and caption, the buttons it offers and the one that
// Enter presses (Yes or OK, unless answering it so deletes or discards).
struct MessageQuestion
{
    QString text;
    QString caption;
    MessageButtons buttons = MessageButtons::YesNoCancel;
    MessageAnswer defaultButton = MessageAnswer::Yes;

    bool Offers(MessageAnswer answer) const { return OfferedAnswers(buttons).contains(answer); }
    MessageAnswer MostCautious() const { return MostCautiousAnswer(buttons); }
};

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
    // One box with an OK button; answers Ok. A Question given here is asked
    // with Yes, No and Cancel.
    virtual MessageAnswer Show(MessageKind kind, const QString& text, const QString& caption) = 0;
    // One question with exactly the buttons it offers; returns the one
    // pressed. A sink that cannot ask answers the most cautious button
    // offered, so nothing proceeds that nobody agreed to.
    virtual MessageAnswer ShowQuestion(const MessageQuestion& question)
    {
        return question.MostCautious();
    }

    void ShowError(const QString& text, const QString& caption)
    {
        Show(MessageKind::Error, text, caption);
    }
    void ShowWarning(const QString& text, const QString& caption)
    {
        Show(MessageKind::Warning, text, caption);
    }
    void ShowInformation(const QString& text, const QString& caption)
    {
        Show(MessageKind::Information, text, caption);
    }
    // A question whose first button (Yes or OK) is the default.
    MessageAnswer Ask(const QString& text, const QString& caption, MessageButtons buttons)
    {
        return ShowQuestion({text, caption, buttons, OfferedAnswers(buttons).constFirst()});
    }
    // A question with its own default button: one that deletes or discards
    // names No or Cancel here, so that Enter keeps everything.
    MessageAnswer Ask(const QString& text, const QString& caption, MessageButtons buttons,
                      MessageAnswer defaultButton)
    {
        return ShowQuestion({text, caption, buttons, defaultButton});
    }
};

// Drops every message; a question gets the most cautious answer offered.
class CSilentMessageSink : public IMessageSink
{
public:
    MessageAnswer Show(MessageKind kind, const QString& text, const QString& caption) override
    {
        return kind == MessageKind::Question ? ShowQuestion({text, caption}) : MessageAnswer::Ok;
    }
};
