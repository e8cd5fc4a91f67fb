#pragma once
#include "DialogHooks.h"
#include "project/FunKeyActions.h"

#include <QWidget>
#include <memory>

class CProjectController;
namespace Ui {
class CFunKeySetCoilPage;
}

// The Set Coil page: the coil (picked with "...") and its action.
class CFunKeySetCoilPage : public QWidget
{
    Q_OBJECT
public:
    CFunKeySetCoilPage(CProjectController& controller, RegisterPicker picker,
                       QWidget* parent = nullptr);
    ~CFunKeySetCoilPage() override;

    void Load(const CFunKey_SetCoil& action);
    void Store(CFunKey_SetCoil& action) const;
    Ui::CFunKeySetCoilPage& Form() const { return *ui_; }

private:
    std::unique_ptr<Ui::CFunKeySetCoilPage> ui_;
};
