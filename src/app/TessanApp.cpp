#include "TessanApp.h"

#include <QDir>

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
    if (!ClaimProjectFolder(name))
        projectFolderName = name; // the writes into it fail and say so
    runtimeImage.clear();
    hzLib.Clear();
}

bool CTessanApp::ProjectCountsAsModified() const
{
    return model.modified || (openScreens && openScreens->AnyModified());
}

bool CTessanApp::ClaimProjectFolder(const QString& baseName)
{
    // The folder this run holds already is free for it.
    const QString own = workingFolder_.Folder();
    if (!own.isEmpty() && own == QDir::cleanPath(QDir(projectsRoot).absoluteFilePath(baseName))) {
        workingFolder_.EmptyFolder();
        projectFolderName = baseName;
        return true;
    }
    CWorkingFolderLock next;
    const QString name = next.Claim(projectsRoot, baseName);
    if (name.isEmpty())
        return false;
    UseProjectFolder(std::move(next), name);
    return true;
}

void CTessanApp::UseProjectFolder(CWorkingFolderLock lock, const QString& folderName)
{
    workingFolder_.RemoveFolder();
    workingFolder_ = std::move(lock);
    projectFolderName = folderName;
}

void CTessanApp::RemoveProjectFolder()
{
    workingFolder_.RemoveFolder();
    projectFolderName.clear();
}
