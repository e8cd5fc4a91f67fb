#include "PropertyForms.h"
#include "EditorObjectKinds.h"

#include "screen/ObjectUiHooks.h"

namespace PropertyForms {

void Register()
{
    auto& hooks = ObjectUiHooks::Instance();
    for (const EditorObjectKind& kind : EditorObjectKinds())
        hooks.formFactories[kind.code] = kind.createForm;
}

} // namespace PropertyForms
