#pragma once
#include "project/RegisterRef.h"

#include <QDialog>

class CProjectController;
class QLineEdit;

// A register reference typed in its text form ("DEV001.M.100"); OK checks it
// against the device list and the memory areas and stays open on a fault.
class CDlgRegisterText : public QDialog
{
    Q_OBJECT
public:
    CDlgRegisterText(CProjectController& controller, int kind, const RegisterRef& ref,
                     QWidget* parent = nullptr);
    RegisterRef Result() const { return result_; }
    QLineEdit* Edit() const { return edit_; }
    void accept() override;

private:
    CProjectController& controller_;
    int kind_;
    RegisterRef result_;
    QLineEdit* edit_;
};
