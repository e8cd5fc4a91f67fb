#include "RegisterTextPicker.h"
#include "DlgRegisterText.h"

RegisterPicker MakeRegisterPicker(CProjectController& controller)
{
    return [&controller](QWidget* parent, int kind, RegisterRef& ref) {
        CDlgRegisterText dialog(controller, kind, ref, parent);
        if (dialog.exec() != QDialog::Accepted)
            return false;
        ref = dialog.Result();
        return true;
    };
}
