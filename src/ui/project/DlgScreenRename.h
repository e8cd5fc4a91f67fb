#pragma once
#include <QDialog>
#include <memory>

class CProjectController;
namespace Ui {
class CDlgScreenRename;
}

// Rename Screen: the screen's number and name ("FORM") and the new ones
// ("To"). OK checks the new number as New Screen does, the screen's own
// number not counting as taken.
class CDlgScreenRename : public QDialog
{
    Q_OBJECT
public:
    CDlgScreenRename(CProjectController& controller, int number, const QString& name,
                     QWidget* parent = nullptr);
    ~CDlgScreenRename() override;

    int Number() const;
    QString Name() const;
    Ui::CDlgScreenRename& Form() const { return *ui_; }
    void accept() override;

private:
    CProjectController& controller_;
    std::unique_ptr<Ui::CDlgScreenRename> ui_;
    int oldNumber_;
};
