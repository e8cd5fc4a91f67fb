#pragma once
#include "project/DeviceInfo.h"

#include <QWidget>

#include <memory>

class CAppSettings;
namespace Ui {
class DlgCommGeneral;
}

// The Panel Manager's general communication page: the line settings that
// all devices share.
class CDlgCommGeneral : public QWidget
{
    Q_OBJECT
public:
    explicit CDlgCommGeneral(const CAppSettings& settings, QWidget* parent = nullptr);
    ~CDlgCommGeneral() override;

    void Load(const CDeviceInfo& info);
    void Store(CDeviceInfo& info) const;
    Ui::DlgCommGeneral& Fields() { return *ui_; }

private:
    std::unique_ptr<Ui::DlgCommGeneral> ui_;
};
