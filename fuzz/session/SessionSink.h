#pragma once
#include "FuzzBytes.h"
#include "base/MessageSink.h"

#include <QStringList>

// The session's message boxes: every box is noted, every question is
// answered by the next byte among the buttons it offers.
class CSessionSink : public IMessageSink
{
public:
    explicit CSessionSink(CFuzzBytes& in) : in_(in) {}

    MessageAnswer Show(MessageKind kind, const QString& text, const QString& caption) override
    {
        if (kind == MessageKind::Question)
            return ShowQuestion({text, caption});
        shown.append(text);
        return MessageAnswer::Ok;
    }
    MessageAnswer ShowQuestion(const MessageQuestion& question) override
    {
        shown.append(question.text);
        const QList<MessageAnswer> offered = OfferedAnswers(question.buttons);
        if (forced) {
            const MessageAnswer answer = *forced;
            forced.reset();
            if (offered.contains(answer))
                return answer;
        }
        return offered[in_.Below(int(offered.size()))];
    }

    // The answer to the next question, whatever the bytes say.
    std::optional<MessageAnswer> forced;
    QStringList shown;

private:
    CFuzzBytes& in_;
};
