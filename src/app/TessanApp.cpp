#include "TessanApp.h"

#include <QFileInfo>

CTessanApp::CTessanApp(AppPaths paths, QString root)
    : settings(std::move(paths)),
      programVersion(VersionIdentity::ProgramVersion()),
      projectsRoot(std::move(root))
{}

void CTessanApp::ResetProjectModel(const QString& name, const QString& location,
                                   const QString& hmiType, const QString& plcType)
{
    model.ResetProjectModel(name, location, hmiType, plcType);
    prjDoc.InitNew(model);
    projectFolderName = name;
    runtimeImage.clear();
    hzLib.Clear();
    ForgetSaved();
}

QByteArray CTessanApp::recordsNow() const
{
    QByteArray bytes = CPrjDoc::RecordBytes(model);
    // A bitmap replaced under the same name changes the package, not the
    // records: its size and time stamp stand for its bytes.
    for (const QString& name : model.bitmapFiles) {
        const QFileInfo file(ProjectFolder() + QLatin1Char('/') + name);
        bytes += QStringLiteral("\n%1 %2 %3")
                     .arg(name)
                     .arg(file.size())
                     .arg(file.lastModified().toMSecsSinceEpoch())
                     .toUtf8();
    }
    return bytes;
}

bool CTessanApp::ProjectCountsAsModified() const
{
    return transferPortChanged || savedRecords_.isEmpty() || recordsNow() != savedRecords_
           || (openScreens && openScreens->AnyModified());
}

void CTessanApp::TakeAsSaved()
{
    ++savedState_;
    savedRecords_ = recordsNow();
    transferPortChanged = false;
}

void CTessanApp::ForgetSaved()
{
    ++savedState_;
    savedRecords_.clear();
    transferPortChanged = false;
}
