#pragma once
#include <QDialog>
#include <functional>
#include <memory>

class CProjectController;
namespace Ui {
class CDlgScreenDelete;
}

// Delete Screen: every screen in a list ("No.", "Screen Name") of which
// several rows may be selected. "Delete" hands the selected numbers, in row
// order, to the command, which asks and deletes; the list then shows what is
// left. The dialog stays open until "Close".
class CDlgScreenDelete : public QDialog
{
    Q_OBJECT
public:
    using DeleteScreens = std::function<void(const QList<int>& numbers)>;
    CDlgScreenDelete(CProjectController& controller, DeleteScreens deleteScreens,
                     QWidget* parent = nullptr);
    ~CDlgScreenDelete() override;

    void Refill();
    // Adds the row of a screen to the selection (the one selected in the
    // screen list when the dialog opens).
    void SelectNumber(int number);
    QList<int> SelectedNumbers() const;
    Ui::CDlgScreenDelete& Form() const { return *ui_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onDelete();

    CProjectController& controller_;
    std::unique_ptr<Ui::CDlgScreenDelete> ui_;
    DeleteScreens deleteScreens_;
};
