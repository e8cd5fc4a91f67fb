#pragma once
#include <QObject>
#include <QString>

class QLineEdit;

// A line edit whose typing is limited to a number of characters while a
// longer stored text is shown whole: typing or pasting makes the text no
// longer than the limit, nor longer than it already is. A stored text stays
// as it was until the user edits it.
class CTypingLimit : public QObject
{
    Q_OBJECT
public:
    CTypingLimit(QLineEdit* edit, int limit);
    // Shows a stored text, however long.
    void SetText(const QString& text);

private:
    void follow(const QString& text);

    QLineEdit* edit_;
    int limit_;
};
