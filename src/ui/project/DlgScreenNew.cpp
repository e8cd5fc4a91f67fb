#include "DlgScreenNew.h"
#include "ui/widgets/DialogPlace.h"
#include "ScreenNumberNameCheck.h"
#include "app/ScreenCommands.h"
#include "app/TessanApp.h"
#include "base/LanguageSection.h"
#include "ui/document/ProjectController.h"
#include "ui/widgets/DialogTexts.h"
#include "ui_DlgScreenNew.h"

#include <QPushButton>

CDlgScreenNew::CDlgScreenNew(CProjectController& controller, QWidget* parent)
    : QDialog(parent),
      controller_(controller),
      ui_(std::make_unique<Ui::CDlgScreenNew>())
{
    ui_->setupUi(this);
    ui_->buttonBox->button(QDialogButtonBox::Ok)->setProperty("controlId", 1);
    ui_->buttonBox->button(QDialogButtonBox::Cancel)->setProperty("controlId", 2);
    DialogTexts::Apply(this, controller.App().settings, IDD_DLG_SCREEN_NEW);
    RememberDialogPlace(this, controller.App().settings, QStringLiteral("PlaceNewScreen"));
    const int number = controller.App().model.FirstFreeScreenNumber();
    ui_->editNumber->SetRange(1, 999);
    ui_->editNumber->SetValue(number);
    ui_->editName->setMaxLength(ScreenCommands::kMaxNameLength);
    ui_->editName->setText(ScreenCommands::DefaultScreenName(number));
    ui_->editNumber->setFocus();
    ui_->editNumber->SelectAllText();
}

CDlgScreenNew::~CDlgScreenNew() = default;

int CDlgScreenNew::Number() const
{
    return ScreenCommands::NumberOf(ui_->editNumber->text());
}

QString CDlgScreenNew::Name() const
{
    return ui_->editName->text();
}

void CDlgScreenNew::accept()
{
    if (CheckScreenNumberAndName(controller_, ui_->editNumber, ui_->editName, 0))
        QDialog::accept();
}
