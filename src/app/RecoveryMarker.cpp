#include "RecoveryMarker.h"

#include <QFile>
#include <QSaveFile>

namespace RecoveryMarker {

namespace {
constexpr qint64 kMaxBytes = 64 * 1024;
const QByteArray kName = QByteArrayLiteral("Name=");
const QByteArray kPackage = QByteArrayLiteral("Package=");
} // namespace

QString FileName()
{
    return QStringLiteral(".recovery");
}

bool Write(const QString& projectFolder, const Content& content)
{
    // Line breaks in a value would start lines of their own.
    if (content.projectName.contains(QLatin1Char('\n'))
        || content.packagePath.contains(QLatin1Char('\n')))
        return false;
    QSaveFile f(projectFolder + QLatin1Char('/') + FileName());
    if (!f.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = kName + content.projectName.toUtf8() + '\n' + kPackage
                             + content.packagePath.toUtf8() + '\n';
    if (f.write(bytes) != bytes.size()) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}

Content Read(const QString& projectFolder)
{
    Content out;
    QFile f(projectFolder + QLatin1Char('/') + FileName());
    if (!f.open(QIODevice::ReadOnly))
        return out;
    const QList<QByteArray> lines = f.read(kMaxBytes).split('\n');
    for (QByteArray line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.startsWith(kName))
            out.projectName = QString::fromUtf8(line.mid(kName.size()));
        else if (line.startsWith(kPackage))
            out.packagePath = QString::fromUtf8(line.mid(kPackage.size()));
    }
    return out;
}

} // namespace RecoveryMarker
