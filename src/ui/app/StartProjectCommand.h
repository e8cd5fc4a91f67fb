#pragma once
#include "DlgProjectNew.h"
#include "app/StartProjectChoice.h"

#include <optional>

class CProjectController;
class QWidget;

// File > Start Project... (and the start dialog at start-up): the start
// dialog begins with the defaults of the command; on OK its choice goes to
// CProjectController::StartProject. The choice carried out; none when the
// dialog was cancelled or the project could not be opened or made.
namespace StartProjectCommand {
std::optional<StartProjectChoice> Run(CProjectController& controller, QWidget* parent,
                                      CDlgProjectNew::ProtocolSetup protocolSetup = {});
} // namespace StartProjectCommand
