#include "BitmapUses.h"
#include "ProjectScreenObjects.h"
#include "project/ScreenObject.h"
#include "screen/DiagramEntityContainer.h"

QStringList ProjectBitmapUses(const CProjectScreenObjects& screens, const QString& fileName)
{
    QStringList uses;
    screens.ForEach([&](const CScreenObject& screen, const CDiagramEntityContainer& objects, bool) {
        for (const CDiagramEntity* object : objects.Objects()) {
            const QString shown = object->ProjectBitmapFile();
            if (!shown.isEmpty() && shown.compare(fileName, Qt::CaseInsensitive) == 0)
                uses << QStringLiteral("[%1] '%2'").arg(screens.Title(screen), object->GetName());
        }
    });
    return uses;
}
