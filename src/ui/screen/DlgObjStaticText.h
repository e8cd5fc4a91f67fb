#pragma once
#include "ObjectPropertyForm.h"
#include "screen/FontSpec.h"

#include <memory>

class CObjectStaticText;
namespace Ui {
class CDlgObjStaticText;
}

// The static text's form: "Name:", "String:", "Inversion" and "Font".
class CDlgObjStaticText : public CObjectPropertyForm
{
public:
    explicit CDlgObjStaticText(CObjectStaticText& object);
    ~CDlgObjStaticText() override;

    Ui::CDlgObjStaticText& Fields() const { return *ui_; }
    const FontSpec& Font() const { return font_; }
    void SetFont(const FontSpec& font);

protected:
    void Build(CPropertyFormDialog& dialog) override;
    void Load() override;
    void Store() override;
    QWidget* FirstField() const override;

private:
    void PickFont();

    CObjectStaticText& text_;
    std::unique_ptr<Ui::CDlgObjStaticText> ui_;
    FontSpec font_;
};
