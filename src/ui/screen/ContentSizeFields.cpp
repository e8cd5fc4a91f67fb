#include "ContentSizeFields.h"
#include "ObjectPainter.h"
#include "screen/DiagramEntity.h"

namespace ContentSizeFields {

QString Of(const CDiagramEntity& object)
{
    return CObjectPainter::ForKind(object.Kind()).ContentFields(object);
}

} // namespace ContentSizeFields
