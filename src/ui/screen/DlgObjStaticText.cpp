#include "DlgObjStaticText.h"
#include "FontSpecText.h"
#include "PropertyFormDialog.h"
#include "ui_DlgObjStaticText.h"

#include "app/TessanApp.h"
#include "base/LanguageSection.h"
#include "screen/ObjectStaticText.h"
#include "ui/document/ProjectController.h"

#include <QFontDialog>
#include <QPushButton>

namespace {
constexpr int kStringLength = 24;
}

CDlgObjStaticText::CDlgObjStaticText(CObjectStaticText& object)
    : CObjectPropertyForm(object),
      text_(object),
      ui_(std::make_unique<Ui::CDlgObjStaticText>())
{}

CDlgObjStaticText::~CDlgObjStaticText() = default;

void CDlgObjStaticText::Build(CPropertyFormDialog& dialog)
{
    ui_->setupUi(&dialog);
    ui_->editString->SetMode(CColorEdit::ModeText);
    ui_->editString->SetMaxLength(kStringLength);
    SetUpDialog(dialog, *ui_->buttonBox, IDD_DLG_OBJ_STATICTEXT);
    QObject::connect(ui_->buttonFont, &QPushButton::clicked, &dialog, [this] { PickFont(); });
}

void CDlgObjStaticText::Load()
{
    LoadName(*ui_->editName, text_);
    ui_->editString->SetText(text_.text.left(kStringLength));
    ui_->checkInversion->setChecked(text_.inversion != 0);
    SetFont(text_.font);
}

void CDlgObjStaticText::Store()
{
    StoreName(*ui_->editName, text_);
    text_.text = ui_->editString->Text();
    text_.inversion = ui_->checkInversion->isChecked() ? 1 : 0;
    text_.font = font_;
}

QWidget* CDlgObjStaticText::FirstField() const
{
    return ui_->editString;
}

void CDlgObjStaticText::SetFont(const FontSpec& font)
{
    font_ = font;
    ui_->labelFontShown->setText(FontSpecText::Describe(font_));
}

void CDlgObjStaticText::PickFont()
{
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, FontSpecText::ToQFont(font_), Dialog());
    if (ok)
        SetFont(FontSpecText::FromQFont(chosen, font_));
}
