#include "StartProjectCommand.h"
#include "DlgStartProject.h"
#include "ui/document/ProjectController.h"
#include "app/StartProjectDefaults.h"

#include <utility>

namespace StartProjectCommand {

std::optional<StartProjectChoice> Run(CProjectController& controller, QWidget* parent,
                                      CDlgProjectNew::ProtocolSetup protocolSetup)
{
    CDlgStartProject dialog(controller,
                            StartProjectDefaults::Initial(std::as_const(controller).App()), parent);
    if (protocolSetup)
        dialog.SetProtocolSetup(std::move(protocolSetup));
    if (dialog.exec() != QDialog::Accepted || !controller.StartProject(dialog.Result()))
        return std::nullopt;
    return dialog.Result();
}

} // namespace StartProjectCommand
