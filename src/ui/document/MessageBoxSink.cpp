#include "MessageBoxSink.h"

#include <QMessageBox>

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
    case MessageKind::Question:
        break;
    }
    const auto answer = QMessageBox::warning(
        parent_, caption, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
        QMessageBox::Yes);
    switch (answer) {
    case QMessageBox::Yes: return MessageAnswer::Yes;
    case QMessageBox::No: return MessageAnswer::No;
    default: return MessageAnswer::Cancel;
    }
}
