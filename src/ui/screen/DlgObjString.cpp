#include "DlgObjString.h"
#include "PropertyFormDialog.h"
#include "ui/widgets/RegisterField.h"
#include "ui_DlgObjString.h"

#include "app/TessanApp.h"
#include "base/LanguageSection.h"
#include "screen/ObjectString.h"
#include "ui/document/ProjectController.h"

#include <QPushButton>

CDlgObjString::CDlgObjString(CObjectString& object)
    : CObjectPropertyForm(object),
      string_(object),
      ui_(std::make_unique<Ui::CDlgObjString>())
{}

CDlgObjString::~CDlgObjString() = default;

void CDlgObjString::Build(CPropertyFormDialog& dialog)
{
    ui_->setupUi(&dialog);
    SetUpDialog(dialog, *ui_->buttonBox, IDD_DLG_OBJ_STRINGREGISTER);
    BindRegisterField(*ui_->fieldRegister, RegisterRef::KindWord);
    ui_->editCount->SetDecimalField(2, 1, 12);
    ui_->editStringCount->SetMode(CColorEdit::ModeDecimal);
    QObject::connect(ui_->editCount, &CColorEdit::textChanged, &dialog, [this] {
        if (!loading_)
            CountChanged();
    });
}

void CDlgObjString::Load()
{
    loading_ = true;
    LoadName(*ui_->editName, string_);
    ui_->fieldRegister->SetRef(string_.reg);
    ui_->editCount->SetText(QString::number(string_.registerCount));
    ui_->editStringCount->SetText(QString::number(string_.stringCount));
    CountChanged();
    ui_->editStringCount->SetText(QString::number(string_.stringCount));
    ui_->checkDouble->setChecked(string_.doubleSize != 0);
    ui_->checkInversion->setChecked(string_.inversion != 0);
    loading_ = false;
}

bool CDlgObjString::CountChanged()
{
    const int count = ui_->editCount->Text().toInt();
    const int most = count == 0 ? 24 : 2 * count;
    CColorEdit* strings = ui_->editStringCount;
    strings->SetMaxLength(most <= 8 ? 1 : 2);
    strings->SetRange(1, most);
    strings->SetSpinRange(1, most);
    if (count == 0 || strings->Text().toInt() <= most)
        return true;
    if (!loading_)
        return Refuse(*strings, ValueNotInRange());
    // A stored count too large for its registers is shown selected, without
    // a message while the form loads.
    strings->setFocus(Qt::OtherFocusReason);
    strings->SelectAllText();
    return false;
}

bool CDlgObjString::Check()
{
    const bool wasLoading = loading_;
    loading_ = false;
    const bool fits = CountChanged();
    loading_ = wasLoading;
    if (!fits)
        return false;
    // An empty count would let the string outgrow its registers.
    if (ui_->editCount->Text().toInt() == 0)
        return Refuse(*ui_->editCount, ValueNotInRange());
    return true;
}

void CDlgObjString::Store()
{
    StoreName(*ui_->editName, string_);
    string_.reg = ui_->fieldRegister->Ref();
    string_.registerCount = qBound(1, ui_->editCount->Text().toInt(), 12);
    string_.stringCount = qMax(1, ui_->editStringCount->Text().toInt());
    string_.doubleSize = ui_->checkDouble->isChecked() ? 1 : 0;
    string_.inversion = ui_->checkInversion->isChecked() ? 1 : 0;
}

QWidget* CDlgObjString::FirstField() const
{
    return ui_->editName;
}
