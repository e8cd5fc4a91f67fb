#pragma once
#include <QString>
#include <QStringList>

// A message of the core: its English wording, which is also its key in the
// MSG section of the language file, the values that fill its %1, %2, ...,
// and a tail that is shown as it is (numbers, ranges).
struct LocalText
{
    QString key;
    QStringList args;
    QString tail;

    // The message in a looked-up wording (the key itself when none).
    QString Fill(const QString& wording) const
    {
        QString text = wording.isEmpty() ? key : wording;
        for (const QString& a : args)
            text = text.arg(a);
        return text + tail;
    }
    QString English() const { return Fill(key); }
    bool IsEmpty() const { return key.isEmpty(); }
};
