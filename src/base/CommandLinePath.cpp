#include "CommandLinePath.h"

#include <QDir>

bool SplitCommandLinePath(const QString& commandLine, QString* location, QString* projectName)
{
    // Only a quote is dropped: the first character of a plain path is a part
    // of it ("/home/...").
    QString path = commandLine.startsWith(QLatin1Char('"')) ? commandLine.mid(1) : commandLine;
    qsizetype sep =
        std::max(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')));
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

QString AbsoluteCommandLinePath(const QString& argument, const QString& currentDir)
{
    if (argument.isEmpty() || argument.startsWith(QLatin1Char('"'))
        || argument.contains(QLatin1Char('\\')) || QDir::isAbsolutePath(argument))
        return argument;
    return QDir::cleanPath(QDir(currentDir).absoluteFilePath(argument));
}
