#pragma once
#include "ObjectPropertyForm.h"
#include "ValueFormatFields.h"

#include <memory>

class CObjectNumeric;
namespace Ui {
class CDlgObjNumeric;
}

// The numeric's form: "Name:", "Register Number:" with the picker, the
// value's format ("Register Count:", "Float", "Modle:", "Signed"), "Digit:",
// "Point:", "Min:" and "Max:", and the flags "Set", "Encrypt", "Range",
// "Double", "Inversion" and "Leading '0'". OK runs the format check, then
// refuses a Point above Digit (OBJ-005) and an empty Digit (OBJ-008).
class CDlgObjNumeric : public CObjectPropertyForm
{
public:
    explicit CDlgObjNumeric(CObjectNumeric& object);
    ~CDlgObjNumeric() override;

    Ui::CDlgObjNumeric& Fields() const { return *ui_; }

protected:
    void Build(CPropertyFormDialog& dialog) override;
    void Load() override;
    bool Check() override;
    void Store() override;
    QWidget* FirstField() const override;

private:
    CObjectNumeric& numeric_;
    std::unique_ptr<Ui::CDlgObjNumeric> ui_;
    std::unique_ptr<CValueFormatFields> format_;
};
