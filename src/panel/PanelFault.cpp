#include "PanelFault.h"

#include <QStringList>

bool PanelFault::Parse(const QString& text, PanelFault* fault)
{
    static const QStringList points = {
        QStringLiteral("handshake"), QStringLiteral("dl1"),      QStringLiteral("dl2"),
        QStringLiteral("dl3"),       QStringLiteral("dl4"),      QStringLiteral("dl5"),
        QStringLiteral("info"),      QStringLiteral("info-end"), QStringLiteral("up-password"),
        QStringLiteral("up-count"),  QStringLiteral("up-block"), QStringLiteral("up-check"),
        QStringLiteral("up-end")};
    const QString kind = text.section(QLatin1Char('@'), 0, 0);
    QString where = text.section(QLatin1Char('@'), 1);
    PanelFault f;
    if (kind == QLatin1String("silence"))
        f.kind = Silence;
    else if (kind == QLatin1String("wrong"))
        f.kind = WrongReply;
    else if (kind == QLatin1String("hangup"))
        f.kind = HangUp;
    else
        return false;
    if (where.contains(QLatin1Char(':'))) {
        bool ok = false;
        f.occurrence = where.section(QLatin1Char(':'), 1).toInt(&ok);
        if (!ok || f.occurrence < 0)
            return false;
        where = where.section(QLatin1Char(':'), 0, 0);
    }
    if (!points.contains(where))
        return false;
    f.point = where;
    *fault = f;
    return true;
}
