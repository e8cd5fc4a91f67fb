#include "ProjectScreenObjects.h"
#include "ScreenFileCache.h"
#include "TessanApp.h"
#include "base/CoreLimits.h"
#include "base/SafePath.h"
#include "project/ScreenObject.h"
#include "screen/TessanDoc.h"

#include <QFileInfo>

CProjectScreenObjects::CProjectScreenObjects(const CTessanApp& app, LoadedScreens loaded,
                                             CScreenFileCache* files)
    : app_(app),
      loaded_(std::move(loaded)),
      files_(files)
{}

QString CProjectScreenObjects::Title(const CScreenObject& screen) const
{
    return ScreenTitle(app_.model.info.name, screen.number, screen.name);
}

QString CProjectScreenObjects::FilePath(const CScreenObject& screen) const
{
    QString path;
    if (!SafeJoin(app_.ProjectFolder(), Title(screen), &path))
        return QString();
    return path;
}

void CProjectScreenObjects::ForEach(const Visitor& visit) const
{
    for (const auto& screen : app_.model.screens)
        Visit(*screen, visit);
}

bool CProjectScreenObjects::Visit(const CScreenObject& screen, const Visitor& visit) const
{
    if (const CDiagramEntityContainer* loaded = loaded_ ? loaded_(screen.number) : nullptr) {
        visit(screen, *loaded, true);
        return true;
    }
    const QString path = FilePath(screen);
    if (path.isEmpty())
        return false;
    if (files_) {
        const CDiagramEntityContainer* objects = files_->Objects(path, app_.model);
        if (objects)
            visit(screen, *objects, false);
        return objects != nullptr;
    }
    if (!QFileInfo(path).isFile())
        return false;
    CDiagramEntityContainer objects;
    if (!CTessanDoc::LoadFile(path, objects, app_.model.IsLegacyRangeMode(), &app_.model))
        return false;
    objects.SetPaperSize(QSize(CoreLimits::kPanelWidth, CoreLimits::kPanelHeight));
    visit(screen, objects, false);
    return true;
}
