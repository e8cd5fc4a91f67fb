#pragma once
#include "DialogHooks.h"
#include "project/FunKeyActions.h"

#include <QWidget>
#include <memory>

class CProjectController;
namespace Ui { class CFunKeySetCoilPage; }

// The Set Coil page: the coil (picked with "...") and its action.
class CFunKeySetCoilPage : public QWidget
{
    Q_OBJECT
public:
    CFunKeySetCoilPage(CProjectController& controller, RegisterPicker picker, QWidget* parent = nullptr);
    ~CFunKeySetCoilPage() override;

    void Load(const CFunKey_SetCoil& action);
    void Store(CFunKey_SetCoil& action) const;
    // What "..." does: the picker, then the field shows its choice.
    void PickCoil();
    Ui::CFunKeySetCoilPage& Form() const { return *ui_; }

private:
    std::unique_ptr<Ui::CFunKeySetCoilPage> ui_;
    RegisterPicker picker_;
    RegisterRef coil_;
};
