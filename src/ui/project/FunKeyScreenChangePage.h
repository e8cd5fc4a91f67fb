#pragma once
#include "project/FunKeyActions.h"

#include <QWidget>
#include <memory>

class CProjectController;
namespace Ui {
class CFunKeyScreenChangePage;
}

// The Screen Change page: a screen number 1..999 (enabled with "Screen
// Number") or the alarm list.
class CFunKeyScreenChangePage : public QWidget
{
    Q_OBJECT
public:
    explicit CFunKeyScreenChangePage(CProjectController& controller, QWidget* parent = nullptr);
    ~CFunKeyScreenChangePage() override;

    void Load(const CFunKey_ScreenChg& action);
    // False, with GUI-001 shown, when "Screen Number" is chosen and its
    // number is empty or 0.
    // False when the number cannot be stored; `report` shows why (the page
    // of the chosen function) or says nothing (another page: its action
    // then keeps its stored values).
    bool Store(CFunKey_ScreenChg& action, bool report = true) const;
    void FocusNumber();
    Ui::CFunKeyScreenChangePage& Form() const { return *ui_; }

private:
    CProjectController& controller_;
    std::unique_ptr<Ui::CFunKeyScreenChangePage> ui_;
};
