#include "DlgScreenRename.h"
#include "ui/widgets/DialogPlace.h"
#include "ScreenNumberNameCheck.h"
#include "app/ScreenCommands.h"
#include "app/TessanApp.h"
#include "base/LanguageSection.h"
#include "ui/document/ProjectController.h"
#include "ui/widgets/DialogTexts.h"
#include "ui_DlgScreenRename.h"

#include <QPushButton>

CDlgScreenRename::CDlgScreenRename(CProjectController& controller, int number, const QString& name,
                                   QWidget* parent)
    : QDialog(parent),
      controller_(controller),
      ui_(std::make_unique<Ui::CDlgScreenRename>()),
      oldNumber_(number)
{
    ui_->setupUi(this);
    ui_->buttonBox->button(QDialogButtonBox::Ok)->setProperty("controlId", 1);
    ui_->buttonBox->button(QDialogButtonBox::Cancel)->setProperty("controlId", 2);
    DialogTexts::Apply(this, controller.App().settings, IDD_DLG_SCREEN_RENAME);
    RememberDialogPlace(this, controller.App().settings, QStringLiteral("PlaceRenameScreen"));
    ui_->editFromNumber->setValue(number);
    ui_->editFromName->setText(name);
    ui_->editNumber->SetRange(1, 999);
    ui_->editNumber->SetValue(number);
    ui_->editName->setMaxLength(ScreenCommands::kMaxNameLength);
    ui_->editName->setText(name);
    ui_->editName->setFocus();
    ui_->editName->selectAll();
}

CDlgScreenRename::~CDlgScreenRename() = default;

int CDlgScreenRename::Number() const
{
    return ScreenCommands::NumberOf(ui_->editNumber->text());
}

QString CDlgScreenRename::Name() const
{
    return ui_->editName->text();
}

void CDlgScreenRename::accept()
{
    if (CheckScreenNumberAndName(controller_, ui_->editNumber, ui_->editName, oldNumber_))
        QDialog::accept();
}
