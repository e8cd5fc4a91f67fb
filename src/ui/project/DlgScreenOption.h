#pragma once
#include "DialogHooks.h"
#include "project/ScreenObject.h"

#include <QDialog>
#include <memory>

class CProjectController;
namespace Ui {
class CDlgScreenOption;
}

// Screen Option: works on a copy of one screen's record. The previous and
// next numbers, and a list of the five function keys with their summaries;
// opening a key (double click, Enter or "Function Key...") edits all five in
// the Function Key Configuration dialog, whose OK replaces the copy's keys.
class CDlgScreenOption : public QDialog
{
    Q_OBJECT
public:
    CDlgScreenOption(CProjectController& controller, const CScreenObject& screen,
                     DialogRunner runner, RegisterPicker picker, QWidget* parent = nullptr);
    ~CDlgScreenOption() override;

    // The copy with the dialog's previous and next numbers.
    CScreenObject Result() const;
    // Opens the Function Key Configuration dialog on key `index` (0 = F1).
    void EditKey(int index);
    Ui::CDlgScreenOption& Form() const { return *ui_; }

private:
    void fillKeys();

    CProjectController& controller_;
    std::unique_ptr<Ui::CDlgScreenOption> ui_;
    CScreenObject copy_;
    DialogRunner runner_;
    RegisterPicker picker_;
};
