#pragma once
#include "project/PanelConfigInfo.h"

#include <QWidget>

#include <memory>

class CAppSettings;
namespace Ui {
class DlgPanelConfig;
}

// The Panel Manager's panel configuration page.
class CDlgPanelConfig : public QWidget
{
    Q_OBJECT
public:
    explicit CDlgPanelConfig(const CAppSettings& settings, QWidget* parent = nullptr);
    ~CDlgPanelConfig() override;

    void Load(const CPanelConfigInfo& config);
    void Store(CPanelConfigInfo& config) const;
    Ui::DlgPanelConfig& Fields() { return *ui_; }

private:
    void updateEnabling();
    std::unique_ptr<Ui::DlgPanelConfig> ui_;
};
