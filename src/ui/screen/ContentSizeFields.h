#pragma once
#include <QString>

class CDiagramEntity;

// The fields that give the size of an object that cannot be resized (an
// indicator light, a numeric, a string), as one text: when it differs before
// and after an edit of its properties, the object is measured again. Empty
// for the kinds that the user sizes.
namespace ContentSizeFields {
QString Of(const CDiagramEntity& object);
}
