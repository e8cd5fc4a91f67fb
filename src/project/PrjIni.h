#pragma once
#include "base/VersionNumber.h"

#include <QByteArray>
#include <QString>

// Prj.ini: the package's identity (project name) and the program version that
// wrote it. Code page 936, CR LF between lines, no line break after the last.
namespace PrjIni {

QByteArray Build(const QString& projectName, const VersionNumber& version);

struct Content
{
    QString name;          // empty when missing
    VersionNumber version; // 0 for a missing key
};
Content Parse(const QByteArray& bytes);

} // namespace PrjIni
