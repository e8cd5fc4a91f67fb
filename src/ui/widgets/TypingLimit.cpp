#include "TypingLimit.h"

#include <QLineEdit>

CTypingLimit::CTypingLimit(QLineEdit* edit, int limit) : QObject(edit), edit_(edit), limit_(limit)
{
    edit_->setMaxLength(limit_);
    connect(edit_, &QLineEdit::textChanged, this, &CTypingLimit::follow);
}

void CTypingLimit::SetText(const QString& text)
{
    follow(text);
    edit_->setText(text);
}

void CTypingLimit::follow(const QString& text)
{
    // The line edit refuses what would pass its maximum length; the maximum
    // shrinks with a long text down to the limit.
    edit_->setMaxLength(qMax(limit_, int(text.size())));
}
