#include "DlgProjectInfo.h"
#include "ui/widgets/DialogPlace.h"
#include "base/LanguageSection.h"
#include "ui/widgets/DialogTexts.h"
#include "ui_DlgProjectInfo.h"

#include <QPushButton>

CDlgProjectInfo::CDlgProjectInfo(const CAppSettings& settings, const ProjectInfo& info,
                                 QWidget* parent)
    : QDialog(parent),
      ui_(std::make_unique<Ui::CDlgProjectInfo>()),
      info_(info)
{
    ui_->setupUi(this);
    ui_->buttonBox->button(QDialogButtonBox::Ok)->setProperty("controlId", 1);
    ui_->buttonBox->button(QDialogButtonBox::Cancel)->setProperty("controlId", 2);
    DialogTexts::Apply(this, settings, IDD_DLG_PROJECT_INFO);
    RememberDialogPlace(this, settings, QStringLiteral("PlaceProjectInfo"));
    ui_->editName->setText(info.name);
    ui_->editDate->setText(info.date);
    ui_->editTarget->setText(info.hmiType);
    ui_->editCompany->setText(info.companyName);
    ui_->editProgrammer->setText(info.programmer);
    ui_->editDescription->setText(info.description);
    ui_->editCompany->setFocus();
}

CDlgProjectInfo::~CDlgProjectInfo() = default;

ProjectInfo CDlgProjectInfo::Result() const
{
    ProjectInfo out = info_;
    out.companyName = ui_->editCompany->text();
    out.programmer = ui_->editProgrammer->text();
    out.description = ui_->editDescription->text();
    return out;
}
