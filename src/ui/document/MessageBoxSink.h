#pragma once
#include "base/MessageSink.h"

#include <memory>

class QMessageBox;
class QWidget;

// The editor's message boxes: the kind picks the icon, a question shows
// exactly the buttons it offers with its default button on Enter; the
// caption and the text are shown as the core gives them (already looked up
// in the language file).
class CMessageBoxSink : public IMessageSink
{
public:
    explicit CMessageBoxSink(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }
    MessageAnswer Show(MessageKind kind, const QString& text, const QString& caption) override;
    MessageAnswer ShowQuestion(const MessageQuestion& question) override;

    // The box of a question, built and not shown.
    static std::unique_ptr<QMessageBox> QuestionBox(const MessageQuestion& question,
                                                    QWidget* parent);
    // The answer of a question box after it closed: the button pressed, or
    // the most cautious one offered when none was.
    static MessageAnswer AnswerOf(const QMessageBox& box, const MessageQuestion& question);

private:
    QWidget* parent_;
};
