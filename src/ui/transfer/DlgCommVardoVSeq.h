#pragma once
#include "project/DeviceInfo.h"

#include <QWidget>

#include <memory>

class CAppSettings;
namespace Ui {
class DlgCommVardoVSeq;
}

// The device page of the V-Sequence protocol: one device record's station
// number and line settings. The body of the Panel Manager's device page and
// of the protocol dialog.
class CDlgCommVardoVSeq : public QWidget
{
    Q_OBJECT
public:
    explicit CDlgCommVardoVSeq(const CAppSettings& settings, QWidget* parent = nullptr);
    ~CDlgCommVardoVSeq() override;

    void Load(const CSingleDeviceInfo& device);
    // Writes the page's bytes; an unknown baud code is stored as 2048.
    void Store(CSingleDeviceInfo& device) const;
    // With one device the line settings are edited here; with more they
    // are shared and edited on the general page.
    void SetLineEditable(bool editable);
    Ui::DlgCommVardoVSeq& Fields() { return *ui_; }

private:
    std::unique_ptr<Ui::DlgCommVardoVSeq> ui_;
};
