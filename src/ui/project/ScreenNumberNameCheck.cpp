#include "ScreenNumberNameCheck.h"
#include "ui/widgets/DigitSpinEdit.h"
#include "ui/document/ProjectMessages.h"
#include "app/ScreenCommands.h"
#include "app/TessanApp.h"
#include "ui/document/ProjectController.h"

#include <QLineEdit>

bool CheckScreenNumberAndName(CProjectController& controller, CDigitSpinEdit* number,
                              QLineEdit* name, int excludedNumber)
{
    const auto numberProblem =
        ScreenCommands::CheckNumber(controller.App().model, number->text(), excludedNumber);
    if (numberProblem != ScreenCommands::NumberProblem::None) {
        ProjectMessages::Error(controller, ScreenCommands::MessageOf(numberProblem));
        number->setFocus();
        number->SelectAllText();
        return false;
    }
    const auto nameProblem = ScreenCommands::CheckName(name->text());
    if (nameProblem != ScreenCommands::NameProblem::None) {
        ProjectMessages::Error(controller, ScreenCommands::MessageOf(nameProblem));
        name->setFocus();
        name->selectAll();
        return false;
    }
    return true;
}
