#include "StartProjectDefaults.h"
#include "TessanApp.h"
#include "project/ProtocolTables.h"

#include <QFileInfo>

namespace StartProjectDefaults {

QString FirstFreeProjectName(const QString& folder)
{
    for (int n = 1;; ++n) {
        const QString name = QStringLiteral("NewProject%1").arg(n);
        if (!QFileInfo::exists(folder + QLatin1Char('/') + name + QStringLiteral(".cgp")))
            return name;
    }
}

StartProjectChoice Initial(const CTessanApp& app)
{
    StartProjectChoice c;
    const QString projectDir = app.settings.Paths().ProjectDir();
    c.mode = StartProjectChoice::NewProject;
    c.savePath = projectDir;
    c.projectName = FirstFreeProjectName(projectDir);
    c.hmiType = QString::fromLatin1(ProtocolTables::kPanelRU03);
    c.plcType = QString::fromLatin1(ProtocolTables::kVardoVSequence);
    c.locationPath = app.model.info.location.isEmpty() ? projectDir : app.model.info.location;
    return c;
}

} // namespace StartProjectDefaults
