#include "MessageBoxSink.h"

#include <QMessageBox>

namespace {

QMessageBox::StandardButton ButtonOf(MessageAnswer answer)
{
    switch (answer) {
    case MessageAnswer::Ok: return QMessageBox::Ok;
    case MessageAnswer::Yes: return QMessageBox::Yes;
    case MessageAnswer::No: return QMessageBox::No;
    case MessageAnswer::Cancel: break;
    }
    return QMessageBox::Cancel;
}

} // namespace

MessageAnswer CMessageBoxSink::Show(MessageKind kind, const QString& text, const QString& caption)
{
    switch (kind) {
    case MessageKind::Error:
        QMessageBox::critical(parent_, caption, text);
        return MessageAnswer::Ok;
    case MessageKind::Warning:
        QMessageBox::warning(parent_, caption, text);
        return MessageAnswer::Ok;
    case MessageKind::Information:
        QMessageBox::information(parent_, caption, text);
        return MessageAnswer::Ok;
    case MessageKind::Question: break;
    }
    return ShowQuestion({text, caption});
}

MessageAnswer CMessageBoxSink::ShowQuestion(const MessageQuestion& question)
{
    const auto box = QuestionBox(question, parent_);
    box->exec();
    return AnswerOf(*box, question);
}

std::unique_ptr<QMessageBox> CMessageBoxSink::QuestionBox(const MessageQuestion& question,
                                                          QWidget* parent)
{
    auto box = std::make_unique<QMessageBox>(QMessageBox::Warning, question.caption, question.text,
                                             QMessageBox::NoButton, parent);
    const QList<MessageAnswer> offered = OfferedAnswers(question.buttons);
    for (MessageAnswer answer : offered)
        box->addButton(ButtonOf(answer));
    box->setDefaultButton(ButtonOf(
        offered.contains(question.defaultButton) ? question.defaultButton : offered.constFirst()));
    // Escape and the close button give the most cautious answer.
    box->setEscapeButton(box->button(ButtonOf(question.MostCautious())));
    return box;
}

MessageAnswer CMessageBoxSink::AnswerOf(const QMessageBox& box, const MessageQuestion& question)
{
    QAbstractButton* clicked = box.clickedButton();
    const QMessageBox::StandardButton button =
        clicked ? box.standardButton(clicked) : QMessageBox::NoButton;
    for (MessageAnswer answer : OfferedAnswers(question.buttons))
        if (ButtonOf(answer) == button)
            return answer;
    return question.MostCautious();
}
