#pragma once
#include "ObjectPropertyForm.h"

#include <memory>

class CObjectString;
namespace Ui {
class CDlgObjString;
}

// The string's form: "Name:", "Register Number:" with the picker,
// "Register Count:" (1 to 12), "String Count:" (1 to twice the count),
// "Double" and "Inversion". A count that leaves the string count above
// twice its value shows OBJ-008, on the change and again on OK; so does an
// empty count on OK.
class CDlgObjString : public CObjectPropertyForm
{
public:
    explicit CDlgObjString(CObjectString& object);
    ~CDlgObjString() override;

    Ui::CDlgObjString& Fields() const { return *ui_; }

protected:
    void Build(CPropertyFormDialog& dialog) override;
    void Load() override;
    bool Check() override;
    void Store() override;
    QWidget* FirstField() const override;

private:
    // Ranges "String Count:" for the count as typed; false (and OBJ-008)
    // when the string count no longer fits.
    bool CountChanged();

    CObjectString& string_;
    std::unique_ptr<Ui::CDlgObjString> ui_;
    bool loading_ = false;
};
