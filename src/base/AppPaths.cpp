#include "AppPaths.h"
#include "InstalledData.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace {

// More than any settings file holds.
constexpr qint64 kMaxInstalledSettings = 16 * 1024 * 1024;

bool isWritableFolder(const QString& dir)
{
    QTemporaryFile probe(dir + QStringLiteral("/.qv-write-probe-XXXXXX"));
    return probe.open();
}

} // namespace

QString InstalledData::DataDir(const QString& dir)
{
    const QString data =
        QDir::cleanPath(QFileInfo(dir).absoluteFilePath() + QStringLiteral("/../share/corvel"));
    return QFileInfo(data).isDir() ? data : QString();
}

QString InstalledData::UserFolder()
{
    QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (data.isEmpty())
        data = QDir::homePath() + QStringLiteral("/.local/share");
    return data + QStringLiteral("/Corvel");
}

AppPaths AppPaths::ForProgramDir(const QString& dir)
{
    // An installed copy: the data in ../share/corvel, the work in the user's
    // data folder, whoever runs it (root can write the program folder too).
    const QString installedData = InstalledData::DataDir(dir);
    if (!installedData.isEmpty())
        return InUserDataFolder(installedData, InstalledData::UserFolder());
    AppPaths p;
    p.programDir = QDir::cleanPath(QFileInfo(dir).absoluteFilePath());
    if (isWritableFolder(p.programDir)) {
        p.workDir = p.programDir;
        return p;
    }
    return InUserDataFolder(p.programDir, InstalledData::UserFolder());
}

AppPaths AppPaths::InUserDataFolder(const QString& programDir, const QString& userDir)
{
    AppPaths p;
    p.programDir = QDir::cleanPath(QFileInfo(programDir).absoluteFilePath());
    p.workDir = userDir;
    QDir().mkpath(p.workDir);
    // The settings installed beside the program (language, manuals, support
    // page) are the user's starting point; the user's own are never replaced.
    // The copy is a new file of the user's (an installed file is often
    // read-only); a failed copy leaves no file behind.
    QFile installed(p.programDir + QStringLiteral("/QV_.ini"));
    if (!QFileInfo::exists(p.SettingsFile()) && installed.open(QIODevice::ReadOnly)) {
        const QByteArray bytes = installed.read(kMaxInstalledSettings);
        QFile copy(p.SettingsFile());
        if (copy.open(QIODevice::NewOnly) && (copy.write(bytes) != bytes.size() || !copy.flush())) {
            copy.close();
            copy.remove();
        }
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
