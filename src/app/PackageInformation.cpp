#include "PackageInformation.h"
#include "base/SafePath.h"
#include "project/PrjDoc.h"
#include "project/PrjIni.h"
#include "project/ProjectModel.h"
#include "project/ZipPackage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace PackageInformation {

QStringList PackagesIn(const QString& folder)
{
    if (folder.isEmpty())
        return {};
    // Case-sensitive: a name listed here is one that "<name>.cgp" opens.
    return QDir(folder).entryList({QStringLiteral("*.cgp")},
                                  QDir::Files | QDir::Hidden | QDir::CaseSensitive, QDir::Name);
}

std::optional<ProjectInfo> Read(const QString& folder, const QString& name)
{
    const QString package = folder + QLatin1Char('/') + name + QStringLiteral(".cgp");
    if (!QFileInfo(package).isFile())
        return std::nullopt;
    CZipReader zip;
    QByteArray ini;
    if (!zip.Open(package) || !zip.Read(zip.Find(QStringLiteral("Prj.ini")), &ini))
        return std::nullopt;
    // As an open reads them: the project's name from "Prj.ini", its records
    // from the document file of that name, over a fresh model.
    const PrjIni::Content content = PrjIni::Parse(ini.left(64 * 1024));
    if (content.name.trimmed().isEmpty() || !IsProjectName(content.name))
        return std::nullopt;
    QByteArray document;
    if (!zip.Read(zip.Find(content.name + QStringLiteral(".cgp")), &document))
        return std::nullopt;
    CProjectModel model;
    model.ResetProjectModel(content.name, folder, QString(), QString());
    model.formatVersion = content.version;
    CPrjDoc doc;
    doc.InitNew(model);
    doc.Load(document, model);
    ProjectInfo info = model.info;
    info.name = content.name;
    info.location = folder;
    return info;
}

QString SizeText(const QString& packagePath)
{
    return QStringLiteral("%1 Bytes").arg(QFileInfo(packagePath).size());
}

} // namespace PackageInformation
