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

} // namespace OutputLineLink
