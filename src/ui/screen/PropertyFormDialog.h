#pragma once
#include <QDialog>
#include <functional>

// The window of a property form: modeless, its OK and Cancel handed to the
// form that owns it. OK closes only when the form took the fields.
class CPropertyFormDialog : public QDialog
{
    Q_OBJECT
public:
    explicit CPropertyFormDialog(QWidget* parent = nullptr);

    std::function<bool()> onOk;
    std::function<void()> onCancel;

public slots:
    void accept() override;
    void reject() override;
};
