#include "CommandLinePath.h"

bool SplitCommandLinePath(const QString& commandLine, QString* location, QString* projectName)
{
    QString path = commandLine.mid(1);
    qsizetype sep = std::max(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')));
    if (sep < 0)
        return false;
    QString fileName = path.mid(sep + 1);
    qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return false;
    *location = path.left(sep);
    *projectName = fileName.left(dot);
    return true;
}
