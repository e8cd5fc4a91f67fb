#include "StandInPropertyForm.h"
#include "DiagramEditor.h"

void CStandInPropertyForm::Show(QObject* parent)
{
    if (auto* editor = qobject_cast<CDiagramEditor*>(parent))
        editor->PropertiesAccepted(&object_);
}

void CStandInPropertyForm::RegisterWhereMissing()
{
    auto& hooks = ObjectUiHooks::Instance();
    for (auto& factory : hooks.formFactories) {
        if (!factory)
            factory = [](CDiagramEntity& object) -> std::unique_ptr<IObjectPropertyForm> {
                return std::make_unique<CStandInPropertyForm>(object);
            };
    }
}
