#pragma once
#include "DialogHooks.h"
#include "project/FunKeyParams.h"

#include <QDialog>
#include <array>
#include <memory>

class CProjectController;
class CFunKeySetCoilPage;
class CFunKeySetRegPage;
class CFunKeyScreenChangePage;
class CFunKeyAdvancedPage;
namespace Ui {
class CDlgScreenFunKey;
}

// Function Key Configuration: one key of the five of a screen, with its used
// and password flags, its description, its function type and one page per
// action. OK writes all four actions of the shown key, whatever its type.
class CDlgScreenFunKey : public QDialog
{
    Q_OBJECT
public:
    CDlgScreenFunKey(CProjectController& controller, const std::array<CFunKeyParams, 5>& keys,
                     int index, RegisterPicker picker, QWidget* parent = nullptr);
    ~CDlgScreenFunKey() override;

    const std::array<CFunKeyParams, 5>& Keys() const { return keys_; }
    Ui::CDlgScreenFunKey& Form() const { return *ui_; }
    CFunKeySetCoilPage* SetCoilPage() const { return setCoil_; }
    CFunKeySetRegPage* SetRegPage() const { return setReg_; }
    CFunKeyScreenChangePage* ScreenChangePage() const { return screenChange_; }
    CFunKeyAdvancedPage* AdvancedPage() const { return advanced_; }
    void accept() override;

private:
    int functionType() const;
    void showPage(int type);

    CProjectController& controller_;
    std::unique_ptr<Ui::CDlgScreenFunKey> ui_;
    std::array<CFunKeyParams, 5> keys_;
    int index_;
    CFunKeySetCoilPage* setCoil_;
    CFunKeySetRegPage* setReg_;
    CFunKeyScreenChangePage* screenChange_;
    CFunKeyAdvancedPage* advanced_;
};
