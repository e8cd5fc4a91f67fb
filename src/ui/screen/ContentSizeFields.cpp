#include "ContentSizeFields.h"
#include "screen/ObjectIndicatorLight.h"
#include "screen/ObjectNumeric.h"
#include "screen/ObjectString.h"

namespace ContentSizeFields {

QString Of(const CDiagramEntity& object)
{
    switch (object.Kind()) {
    case OBJ_INDICATOR_LIGHT: {
        const auto& o = static_cast<const CObjectIndicatorLight&>(object);
        return QStringLiteral("%1,%2").arg(o.doubleSize).arg(o.shape);
    }
    case OBJ_NUMERIC: {
        const auto& o = static_cast<const CObjectNumeric&>(object);
        return QStringLiteral("%1,%2,%3,%4,%5,%6")
            .arg(o.digits)
            .arg(o.decimalPlaces)
            .arg(o.isSigned)
            .arg(o.model)
            .arg(o.leadingZeros)
            .arg(o.doubleSize);
    }
    case OBJ_STRING: {
        const auto& o = static_cast<const CObjectString&>(object);
        return QStringLiteral("%1,%2").arg(o.stringCount).arg(o.doubleSize);
    }
    default:
        return QString();
    }
}

} // namespace ContentSizeFields
