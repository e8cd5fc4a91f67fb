#pragma once
#include "project/RegisterRef.h"

#include <QDialog>

#include <memory>

class CAppSettings;
class CProjectModel;
class IMessageSink;
namespace Ui {
class RegisterPicker;
}

// "Set Register": picks a register or coil of the kind a field needs — the
// device, an area of that kind, the bit when the area names bits of words,
// and the number in the area's radix. OK takes the number only when a row
// of the area accepts it, else shows Obj-001 with the area's ranges and
// stays open.
class CDlgRegister : public QDialog
{
    Q_OBJECT
public:
    CDlgRegister(const CAppSettings& settings, IMessageSink& messages, const CProjectModel& model,
                 const RegisterRef& current, int kind, QWidget* parent = nullptr);
    ~CDlgRegister() override;

    RegisterRef Result() const { return result_; }
    Ui::RegisterPicker& Fields() { return *ui_; }

    // Opens the picker; true and `ref` replaced when the user chose one.
    static bool Pick(QWidget* parent, const CAppSettings& settings, IMessageSink& messages,
                     const CProjectModel& model, RegisterRef& ref, int kind);

public slots:
    void accept() override;

private:
    void areaChanged();
    int radixOfArea() const;

    std::unique_ptr<Ui::RegisterPicker> ui_;
    const CAppSettings& settings_;
    IMessageSink& messages_;
    const CProjectModel& model_;
    RegisterRef result_;
};
