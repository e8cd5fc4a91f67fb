#include "TessanApp.h"

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
}

bool CTessanApp::ProjectCountsAsModified() const
{
    return model.modified || (openScreens && openScreens->AnyModified());
}
