#pragma once
#include "ObjectPropertyForm.h"
#include "ValueFormatFields.h"

#include <memory>

class CObjectTrendMeter;
namespace Ui {
class CDlgObjTrendMeter;
}

// The trend meter's form: "Name:", "Register Number:" with the picker, the
// value's format ("Register Count:", "Float", "Modle:", "Signed", "Point:"
// while Float is ticked), "Min:", "Max:", "Data Point:" (2 to the width less
// 2) and "Interval:" (1 to 6000). OK runs the format check, then the data
// point range (OBJ-007).
class CDlgObjTrendMeter : public CObjectPropertyForm
{
public:
    explicit CDlgObjTrendMeter(CObjectTrendMeter& object);
    ~CDlgObjTrendMeter() override;

    Ui::CDlgObjTrendMeter& Fields() const { return *ui_; }

protected:
    void Build(CPropertyFormDialog& dialog) override;
    void Load() override;
    bool Check() override;
    void Store() override;
    QWidget* FirstField() const override;

private:
    int DataPointMaximum() const;

    CObjectTrendMeter& meter_;
    std::unique_ptr<Ui::CDlgObjTrendMeter> ui_;
    std::unique_ptr<CValueFormatFields> format_;
};
