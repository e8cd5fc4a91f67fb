#include "AppPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace {

bool isWritableFolder(const QString& dir)
{
    QTemporaryFile probe(dir + QStringLiteral("/.qv-write-probe-XXXXXX"));
    return probe.open();
}

} // namespace

AppPaths AppPaths::ForProgramDir(const QString& dir)
{
    AppPaths p;
    p.programDir = QDir::cleanPath(QFileInfo(dir).absoluteFilePath());
    if (isWritableFolder(p.programDir)) {
        p.workDir = p.programDir;
    } else {
        QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
        if (data.isEmpty())
            data = QDir::homePath() + QStringLiteral("/.local/share");
        p.workDir = data + QStringLiteral("/Corvel");
        QDir().mkpath(p.workDir);
    }
    return p;
}

AppPaths AppPaths::ForRunningProgram()
{
    QString dir = QCoreApplication::applicationDirPath();
    if (dir.isEmpty())
        dir = QDir::currentPath();
    return ForProgramDir(dir);
}

void AppPaths::CreateWorkFolders() const
{
    QDir d;
    for (const QString& f : {ProjectDir(), TempDir(), TempProjectDir()})
        if (!QFileInfo::exists(f))
            d.mkdir(f);
}
