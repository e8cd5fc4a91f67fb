#pragma once
#include "project/PlcAndPanelAlternation.h"

#include <QDialog>

#include <memory>

class CAppSettings;
class CProjectModel;
class IMessageSink;
namespace Ui {
class DlgPanel2Plc;
}

// Setup > PLC <-> Panel: the word where the panel writes its screen number
// and the word from which it takes the "switch-to" screen (and, one word
// on, the beeper), each chosen with the register picker. Works on a copy.
class CDlgPanel2Plc : public QDialog
{
    Q_OBJECT
public:
    CDlgPanel2Plc(const CAppSettings& settings, IMessageSink& messages, const CProjectModel& model,
                  const CPLCAndPanelAlternation& exchange, QWidget* parent = nullptr);
    ~CDlgPanel2Plc() override;

    CPLCAndPanelAlternation Result() const;
    Ui::DlgPanel2Plc& Fields() { return *ui_; }

private:
    void pick(RegisterRef& ref);
    void showAddresses();

    std::unique_ptr<Ui::DlgPanel2Plc> ui_;
    const CAppSettings& settings_;
    IMessageSink& messages_;
    const CProjectModel& model_;
    CPLCAndPanelAlternation exchange_;
};
