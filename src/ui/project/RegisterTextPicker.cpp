#include "RegisterTextPicker.h"
#include "app/TessanApp.h"
#include "ui/document/ProjectController.h"
#include "ui/widgets/RegisterPicker.h"

RegisterPicker MakeRegisterPicker(CProjectController& controller)
{
    return [&controller](QWidget* parent, int kind, RegisterRef& ref) {
        const CTessanApp& app = controller.App();
        return CDlgRegister::Pick(parent, app.settings, controller.Messages(), app.model, ref,
                                  kind);
    };
}
