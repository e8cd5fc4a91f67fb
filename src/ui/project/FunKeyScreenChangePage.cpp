#include "FunKeyScreenChangePage.h"
#include "ui/document/ProjectMessages.h"
#include "app/ScreenCommands.h"
#include "ui_FunKeyScreenChangePage.h"

CFunKeyScreenChangePage::CFunKeyScreenChangePage(CProjectController& controller, QWidget* parent)
    : QWidget(parent),
      controller_(controller),
      ui_(std::make_unique<Ui::CFunKeyScreenChangePage>())
{
    ui_->setupUi(this);
    ui_->editScreenNumber->SetRange(1, 999);
    ui_->editScreenNumber->setAccessibleName(
        ui_->radioScreenNumber->text().remove(QLatin1Char('&')));
    connect(ui_->radioScreenNumber, &QRadioButton::toggled, ui_->editScreenNumber,
            &QWidget::setEnabled);
}

CFunKeyScreenChangePage::~CFunKeyScreenChangePage() = default;

void CFunKeyScreenChangePage::Load(const CFunKey_ScreenChg& action)
{
    ui_->editScreenNumber->SetStoredValue(action.screenNumber);
    (action.target == 1 ? ui_->radioAlarmList : ui_->radioScreenNumber)->setChecked(true);
    ui_->editScreenNumber->setEnabled(action.target != 1);
}

bool CFunKeyScreenChangePage::Store(CFunKey_ScreenChg& action, bool report) const
{
    // A stored number outside 1..999 that nobody edited stays as it is.
    int number = action.screenNumber;
    if (!ui_->editScreenNumber->HoldsStoredValue()) {
        const auto typed = ui_->editScreenNumber->Value();
        const bool valid = typed && *typed >= 1 && *typed <= 999;
        if (ui_->radioScreenNumber->isChecked() && !valid) {
            if (report)
                ProjectMessages::Error(
                    controller_, ScreenCommands::MessageOf(ScreenCommands::NumberProblem::Invalid));
            return false;
        }
        if (valid)
            number = *typed;
    }
    action.screenNumber = number;
    action.target = ui_->radioAlarmList->isChecked() ? 1 : 0;
    return true;
}

void CFunKeyScreenChangePage::FocusNumber()
{
    ui_->editScreenNumber->setFocus();
    ui_->editScreenNumber->SelectAllText();
}
