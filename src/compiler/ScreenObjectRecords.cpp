#include "ScreenObjectRecords.h"
#include "base/CoreLimits.h"
#include "CompileContext.h"
#include "ObjectBuildContext.h"
#include "ObjectRecords.h"
#include "project/ProjectModel.h"
#include "screen/DiagramEntityContainer.h"
#include "screen/TessanDoc.h"

namespace ScreenObjectRecords {

QByteArray Build(CCompileContext& ctx, const QString& screenFile, const QString& title, int* count)
{
    *count = 0;
    CDiagramEntityContainer container;
    if (!CTessanDoc::LoadFile(screenFile, container, ctx.model.IsLegacyRangeMode(), &ctx.model))
        return QByteArray();
    return Build(ctx, container, title, count);
}

QByteArray Build(CCompileContext& ctx, CDiagramEntityContainer& container, const QString& title,
                 int* count)
{
    *count = 0;
    CObjectBuildContext objects(ctx, title);
    QByteArray records;
    for (const auto& object : container.Objects()) {
        const PaperRect r = object->GetRect();
        if (r.top < 0 || r.left < 0 || r.bottom > CoreLimits::kPanelHeight
            || r.right > CoreLimits::kPanelWidth)
            ctx.ObjectWarning(title, object->GetName());
        objects.BeginObject(object->GetName());
        records.append(ObjectRecords::Build(*object, objects));
        ++*count;
    }
    return records;
}

} // namespace ScreenObjectRecords
