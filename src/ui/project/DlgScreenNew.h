#pragma once
#include <QDialog>
#include <memory>

class CProjectController;
namespace Ui {
class CDlgScreenNew;
}

// New Screen: number and name of the new screen, proposed as the first free
// number and "Screen %d". OK stays open on a number that is empty, out of
// 1..999 or taken (GUI-001, GUI-002) and on a name that cannot be part of a
// file name.
class CDlgScreenNew : public QDialog
{
    Q_OBJECT
public:
    explicit CDlgScreenNew(CProjectController& controller, QWidget* parent = nullptr);
    ~CDlgScreenNew() override;

    int Number() const;
    QString Name() const;
    Ui::CDlgScreenNew& Form() const { return *ui_; }
    void accept() override;

private:
    CProjectController& controller_;
    std::unique_ptr<Ui::CDlgScreenNew> ui_;
};
