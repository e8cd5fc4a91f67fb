#include "FontSpec.h"

FontSpec FontSpec::Default()
{
    // The font of a new text is the same whatever the front end and the
    // machine: the same project compiles to the same pictures everywhere.
    FontSpec f;
    f.height = -15;
    f.weight = 400;
    f.charSet = 134; // the Chinese (Simplified) character set of this face
    f.SetFaceName(QStringLiteral("宋体"));
    return f;
}
