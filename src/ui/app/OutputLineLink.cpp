#include "OutputLineLink.h"

namespace OutputLineLink {

QString BracketText(const QString& line)
{
    const qsizetype open = line.indexOf(QLatin1Char('['));
    if (open < 0)
        return QString();
    const qsizetype close = line.indexOf(QLatin1Char(']'), open + 1);
    if (close < 0)
        return QString();
    return line.mid(open + 1, close - open - 1);
}

int KeyNumber(const QString& line)
{
    const qsizetype close = line.indexOf(QLatin1Char(']'), line.indexOf(QLatin1Char('[')) + 1);
    if (close < 0)
        return 0;
    const QString rest = line.mid(close + 1);
    const QString arrow = QStringLiteral(" ----> 'F");
    if (!rest.startsWith(arrow) || rest.size() < arrow.size() + 2
        || rest[arrow.size() + 1] != QLatin1Char('\''))
        return 0;
    const int key = rest[arrow.size()].digitValue();
    return key >= 1 && key <= 5 ? key : 0;
}

} // namespace OutputLineLink
