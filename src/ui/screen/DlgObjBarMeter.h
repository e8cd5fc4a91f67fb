#pragma once
#include "ObjectPropertyForm.h"
#include "ValueFormatFields.h"

#include <memory>

class CObjectBarMeter;
namespace Ui {
class CDlgObjBarMeter;
}

// The bar meter's form: "Name:", "Register Number:" with the picker, the
// value's format ("Register Count:", "Float", "Modle:", "Signed", "Point:"
// while Float is ticked), "Min:" and "Max:" in that format, and the
// "Stytle" group (UP, DOWN, RIGHT, LEFT). OK runs the format check.
class CDlgObjBarMeter : public CObjectPropertyForm
{
public:
    explicit CDlgObjBarMeter(CObjectBarMeter& object);
    ~CDlgObjBarMeter() override;

    Ui::CDlgObjBarMeter& Fields() const { return *ui_; }

protected:
    void Build(CPropertyFormDialog& dialog) override;
    void Load() override;
    bool Check() override;
    void Store() override;
    QWidget* FirstField() const override;

private:
    CObjectBarMeter& meter_;
    std::unique_ptr<Ui::CDlgObjBarMeter> ui_;
    std::unique_ptr<CValueFormatFields> format_;
};
