#include "ScreenCommands.h"
#include "base/CoreLimits.h"
#include "base/SafePath.h"
#include "TessanApp.h"
#include "screen/DiagramEntityContainer.h"
#include "screen/TessanDoc.h"

#include <QDir>

namespace ScreenCommands {

QString DefaultScreenName(int number)
{
    return QStringLiteral("Screen %1").arg(number);
}

bool ScreenFilePath(const CTessanApp& app, int number, const QString& name, QString* path)
{
    return SafeJoin(app.ProjectFolder(), ScreenTitle(app.model.info.name, number, name), path);
}

CScreenObject* NewScreen(CTessanApp& app, int number, const QString& name)
{
    CScreenObject* screen = app.model.AddScreen(number, name);
    app.model.modified = true;
    QString path;
    QDir().mkpath(app.ProjectFolder());
    if (ScreenFilePath(app, number, name, &path)) {
        // The file of a screen with no objects: its header line only.
        CDiagramEntityContainer empty;
        empty.SetPaperSize(QSize(CoreLimits::kPanelWidth, CoreLimits::kPanelHeight));
        CTessanDoc::SaveFile(path, empty);
    }
    return screen;
}

} // namespace ScreenCommands
