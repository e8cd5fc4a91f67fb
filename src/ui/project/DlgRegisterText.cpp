#include "DlgRegisterText.h"
#include "app/TessanApp.h"
#include "base/LanguageSection.h"
#include "project/RegisterRefText.h"
#include "ui/app/ProjectController.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CDlgRegisterText::CDlgRegisterText(CProjectController& controller, int kind, const RegisterRef& ref,
                                   QWidget* parent)
    : QDialog(parent), controller_(controller), kind_(kind), result_(ref)
{
    const CAppSettings& s = controller.App().settings;
    setWindowTitle(s.LookupText(LS_MSG, QStringLiteral("Set Register")));
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(s.LookupText(LS_MSG, kind == RegisterRef::KindBit
                                                      ? QStringLiteral("&Coil (device.area.number):")
                                                      : QStringLiteral("&Register (device.area.number):")),
                             this);
    edit_ = new QLineEdit(ref.ToText(), this);
    edit_->setMinimumWidth(240);
    label->setBuddy(edit_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(label);
    layout->addWidget(edit_);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &CDlgRegisterText::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CDlgRegisterText::reject);
    edit_->selectAll();
}

void CDlgRegisterText::accept()
{
    LocalText error;
    const auto ref = RegisterRefText::Parse(controller_.App().model, edit_->text(), kind_, &error);
    if (!ref) {
        const CAppSettings& s = controller_.App().settings;
        controller_.Messages().ShowError(error.Fill(s.LookupText(LS_MSG, error.key)),
                                         s.LookupText(LS_MSG, QStringLiteral("Error")));
        edit_->setFocus();
        edit_->selectAll();
        return;
    }
    result_ = *ref;
    QDialog::accept();
}
