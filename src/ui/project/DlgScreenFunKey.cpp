#include "DlgScreenFunKey.h"
#include "ui/widgets/DialogPlace.h"
#include "FunKeyAdvancedPage.h"
#include "FunKeyScreenChangePage.h"
#include "FunKeySetCoilPage.h"
#include "FunKeySetRegPage.h"
#include "app/TessanApp.h"
#include "base/LanguageSection.h"
#include "ui/document/ProjectController.h"
#include "ui/widgets/DialogTexts.h"
#include "ui/widgets/TypingLimit.h"
#include "ui_DlgScreenFunKey.h"

#include <QPushButton>

CDlgScreenFunKey::CDlgScreenFunKey(CProjectController& controller,
                                   const std::array<CFunKeyParams, 5>& keys, int index,
                                   RegisterPicker picker, QWidget* parent)
    : QDialog(parent),
      controller_(controller),
      ui_(std::make_unique<Ui::CDlgScreenFunKey>()),
      keys_(keys),
      index_(qBound(0, index, 4))
{
    ui_->setupUi(this);
    ui_->buttonBox->button(QDialogButtonBox::Ok)->setProperty("controlId", 1);
    ui_->buttonBox->button(QDialogButtonBox::Cancel)->setProperty("controlId", 2);
    setCoil_ = new CFunKeySetCoilPage(controller, picker, ui_->stackPages);
    setReg_ = new CFunKeySetRegPage(controller, picker, ui_->stackPages);
    screenChange_ = new CFunKeyScreenChangePage(controller, ui_->stackPages);
    advanced_ = new CFunKeyAdvancedPage(controller, ui_->stackPages);
    for (QWidget* page : {static_cast<QWidget*>(setCoil_), static_cast<QWidget*>(setReg_),
                          static_cast<QWidget*>(screenChange_), static_cast<QWidget*>(advanced_)})
        ui_->stackPages->addWidget(page);
    // The dialog's own section first, then each page's over its controls.
    const CAppSettings& s = controller.App().settings;
    DialogTexts::Apply(this, s, IDD_DLG_SCREEN_FUN_KEY);
    RememberDialogPlace(this, s, QStringLiteral("PlaceFunctionKey"));
    DialogTexts::Apply(setCoil_, s, IDD_DLG_SCREEN_FUN_KEY_SETCOIL);
    DialogTexts::Apply(setReg_, s, IDD_DLG_SCREEN_FUN_KEY_SETREG);
    DialogTexts::Apply(screenChange_, s, IDD_DLG_SCREEN_FUN_KEY_SCREENCHANGE);
    DialogTexts::Apply(advanced_, s, IDD_DLG_SCREEN_FUN_KEY_ADVANCEDFUN);

    for (int k = 1; k <= 5; ++k)
        ui_->comboKey->addItem(QStringLiteral("F%1").arg(k));
    ui_->comboKey->setCurrentIndex(index_);
    ui_->comboKey->setAccessibleName(ui_->checkUsed->text().remove(QLatin1Char('&')));

    const CFunKeyParams& key = keys_[size_t(index_)];
    ui_->checkUsed->setChecked(key.used != 0);
    ui_->checkPassword->setChecked(key.password != 0);
    ui_->checkDescription->setChecked(key.showDescription != 0);
    // Typing takes 13 characters; a longer stored description is shown whole
    // and kept unless edited.
    (new CTypingLimit(ui_->editDescription, 13))->SetText(key.description);
    ui_->editDescription->setAccessibleName(ui_->checkDescription->text().remove(QLatin1Char('&')));
    setCoil_->Load(key.setCoil);
    setReg_->Load(key.setReg);
    screenChange_->Load(key.screenChg);
    advanced_->Load(key.advanced);

    QRadioButton* radios[] = {ui_->radioSetCoil, ui_->radioSetData, ui_->radioScreenChange,
                              ui_->radioAdvanced};
    const int type = key.functionType >= 0 && key.functionType <= 3 ? key.functionType : 0;
    radios[type]->setChecked(true);
    showPage(type);
    for (int t = 0; t < 4; ++t)
        connect(radios[t], &QRadioButton::toggled, this, [this, t](bool on) {
            if (on)
                showPage(t);
        });
    ui_->checkUsed->setFocus();
}

CDlgScreenFunKey::~CDlgScreenFunKey() = default;

int CDlgScreenFunKey::functionType() const
{
    if (ui_->radioSetData->isChecked())
        return 1;
    if (ui_->radioScreenChange->isChecked())
        return 2;
    if (ui_->radioAdvanced->isChecked())
        return 3;
    return 0;
}

void CDlgScreenFunKey::showPage(int type)
{
    ui_->stackPages->setCurrentIndex(type);
}

void CDlgScreenFunKey::accept()
{
    // The function the user chose is stored as chosen. A field of its page
    // that cannot be stored is an error there (the dialog stays open on
    // it); one on another page is none: that action keeps its stored
    // values.
    CFunKeyParams key = keys_[size_t(index_)];
    const int type = functionType();
    CFunKey_ScreenChg screenChange = key.screenChg;
    if (screenChange_->Store(screenChange, type == 2))
        key.screenChg = screenChange;
    else if (type == 2) {
        screenChange_->FocusNumber();
        return;
    }
    CFunKey_SetReg setReg = key.setReg;
    if (setReg_->Store(setReg, type == 1))
        key.setReg = setReg;
    else if (type == 1)
        return;
    setCoil_->Store(key.setCoil);
    advanced_->Store(key.advanced);
    key.used = ui_->checkUsed->isChecked() ? 1 : 0;
    key.password = ui_->checkPassword->isChecked() ? 1 : 0;
    key.functionType = type;
    key.showDescription = ui_->checkDescription->isChecked() ? 1 : 0;
    key.description = ui_->editDescription->text();
    keys_[size_t(index_)] = key;
    QDialog::accept();
}
