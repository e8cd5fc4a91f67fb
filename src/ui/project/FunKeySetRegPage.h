#pragma once
#include "DialogHooks.h"
#include "project/FunKeyActions.h"
#include "screen/ObjectKind.h"

#include <QWidget>
#include <memory>

class CProjectController;
namespace Ui {
class CFunKeySetRegPage;
}

// The Set Data page: the register (picked with "..."), the quantity, and the
// value whose field follows the value format of quantity, "Float", "Mode:"
// and "Sign". A change of any of these re-tests the value; a value the new
// format cannot hold shows OBJ-002 and the page keeps its previous format and
// settings. "Float" sets the quantity to 2 and disables it with the mode and
// sign, as the meter forms do.
class CFunKeySetRegPage : public QWidget
{
    Q_OBJECT
public:
    CFunKeySetRegPage(CProjectController& controller, RegisterPicker picker,
                      QWidget* parent = nullptr);
    ~CFunKeySetRegPage() override;

    void Load(const CFunKey_SetReg& action);
    // False, with the value selected, when the value text is no value of the
    // format.
    // False when the value cannot be stored; `report` shows why and selects
    // the value (the page of the chosen function) or says nothing.
    bool Store(CFunKey_SetReg& action, bool report = true) const;
    ValueFormat Format() const { return format_; }
    Ui::CFunKeySetRegPage& Form() const { return *ui_; }

private:
    struct Settings
    {
        int quantity = 1;
        bool isFloat = false;
        bool bcd = false;
        bool isSigned = false;
    };
    Settings controls() const;
    void setControls(const Settings& s);
    void onFormatControl();
    void applyFormat(ValueFormat format);

    CProjectController& controller_;
    std::unique_ptr<Ui::CFunKeySetRegPage> ui_;
    ValueFormat format_ = VF_UNSIGNED_16;
    Settings settings_;
    ValueFormat loadedFormat_ = VF_UNSIGNED_16;
    QString loadedText_;
    qint32 loadedValue_ = 0;
};
