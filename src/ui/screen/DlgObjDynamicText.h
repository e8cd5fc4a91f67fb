#pragma once
#include "ObjectPropertyForm.h"
#include "screen/FontSpec.h"

#include <memory>

class CObjectDynamicText;
namespace Ui {
class CDlgObjDynamicText;
}

// The dynamic text's form: "Name:", "Register Number:" with the picker,
// "Modle:", "Inversion", "Font" and the grid of the 254 values 0 to 253 with
// their contents. OK refuses a content below an empty one (OBJ-004 naming
// the empty row) and keeps the contents above the first empty cell.
class CDlgObjDynamicText : public CObjectPropertyForm
{
public:
    static constexpr int kValueCount = 254;

    explicit CDlgObjDynamicText(CObjectDynamicText& object);
    ~CDlgObjDynamicText() override;

    Ui::CDlgObjDynamicText& Fields() const { return *ui_; }

protected:
    void Build(CPropertyFormDialog& dialog) override;
    void Load() override;
    bool Check() override;
    void Store() override;
    QWidget* FirstField() const override;

private:
    void PickFont();
    void SetFont(const FontSpec& font);
    QString Content(int value) const;

    CObjectDynamicText& text_;
    std::unique_ptr<Ui::CDlgObjDynamicText> ui_;
    FontSpec font_;
};
