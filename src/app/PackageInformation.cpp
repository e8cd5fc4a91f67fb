#include "PackageInformation.h"
#include "ProjectStorage.h"
#include "TessanApp.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace PackageInformation {

QStringList PackagesIn(const QString& folder)
{
    if (folder.isEmpty())
        return {};
    // Case-sensitive: a name listed here is one that "<name>.cgp" opens.
    return QDir(folder).entryList({QStringLiteral("*.cgp")},
                                  QDir::Files | QDir::Hidden | QDir::CaseSensitive, QDir::Name);
}

std::optional<ProjectInfo> Read(const AppPaths& paths, const QString& folder, const QString& name)
{
    const QString package = folder + QLatin1Char('/') + name + QStringLiteral(".cgp");
    if (!QFileInfo(package).isFile())
        return std::nullopt;
    QTemporaryDir scratch;
    if (!scratch.isValid())
        return std::nullopt;
    const QString copyDir = scratch.path() + QStringLiteral("/package");
    const QString root = scratch.path() + QStringLiteral("/projects");
    QDir().mkpath(copyDir);
    QDir().mkpath(root);
    if (!QFile::copy(package, copyDir + QLatin1Char('/') + name + QStringLiteral(".cgp")))
        return std::nullopt;
    CTessanApp reader(paths, root);
    CSilentMessageSink silent;
    reader.messages = &silent;
    if (!CProjectStorage(reader).OpenProject(copyDir, name))
        return std::nullopt;
    ProjectInfo info = reader.model.info;
    info.location = folder;
    return info;
}

QString SizeText(const QString& packagePath)
{
    return QStringLiteral("%1 Bytes").arg(QFileInfo(packagePath).size());
}

} // namespace PackageInformation
