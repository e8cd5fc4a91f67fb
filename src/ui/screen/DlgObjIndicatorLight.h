#pragma once
#include "ObjectPropertyForm.h"

#include <memory>

class CObjectIndicatorLight;
namespace Ui {
class CDlgObjIndicatorLight;
}

// The indicator light's form: "Name:", "Coil Number:" with the "Set
// Register" picker (bit areas only), "Inversion", "Double" and the "Stytle"
// group (CIRCLE is shape 0, RECTANGLE 1).
class CDlgObjIndicatorLight : public CObjectPropertyForm
{
public:
    explicit CDlgObjIndicatorLight(CObjectIndicatorLight& object);
    ~CDlgObjIndicatorLight() override;

    Ui::CDlgObjIndicatorLight& Fields() const { return *ui_; }

protected:
    void Build(CPropertyFormDialog& dialog) override;
    void Load() override;
    void Store() override;
    QWidget* FirstField() const override;

private:
    CObjectIndicatorLight& light_;
    std::unique_ptr<Ui::CDlgObjIndicatorLight> ui_;
};
