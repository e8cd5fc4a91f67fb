#include "ObjectUiHooks.h"

ObjectUiHooks& ObjectUiHooks::Instance()
{
    static ObjectUiHooks hooks;
    return hooks;
}
