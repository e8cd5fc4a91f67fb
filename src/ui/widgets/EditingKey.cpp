#include "EditingKey.h"

#include <QKeyEvent>

namespace EditingKey {

bool ChangesText(const QKeyEvent* event)
{
    if (event->matches(QKeySequence::Paste) || event->matches(QKeySequence::Cut))
        return true;
    if (event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete)
        return true;
    const QString text = event->text();
    return !text.isEmpty() && text.front().isPrint();
}

} // namespace EditingKey
