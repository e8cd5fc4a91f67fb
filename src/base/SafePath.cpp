#include "SafePath.h"

#include <QStringList>

bool SafeJoin(const QString& folder, const QString& relativeName, QString* path)
{
    QString name = relativeName;
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (name.isEmpty() || name.startsWith(QLatin1Char('/')))
        return false;
    if (name.size() >= 2 && name[1] == QLatin1Char(':'))
        return false;
    if (name.contains(QChar(0)))
        return false;
    const QStringList parts = name.split(QLatin1Char('/'));
    for (const QString& part : parts)
        if (part == QLatin1String(".."))
            return false;
    *path = folder + QLatin1Char('/') + name;
    return true;
}

bool IsPlainFolderName(const QString& name)
{
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\'))
        || name.contains(QChar(0)))
        return false;
    return !(name.size() >= 2 && name[1] == QLatin1Char(':'));
}

bool IsProjectName(const QString& name)
{
    return !name.trimmed().isEmpty() && !name.contains(QLatin1Char('/'))
           && !name.contains(QLatin1Char('\\')) && !name.contains(QLatin1String(".."))
           && !name.contains(QChar(0));
}
