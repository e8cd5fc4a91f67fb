#pragma once
#include <QWidget>
#include <memory>

namespace Ui {
class CDlgProjectOpenPanel;
}
class CAppSettings;

// The start dialog's page "Read Form Panel": the serial port of the panel.
// The ports of this machine are offered; any device path may be typed.
class CDlgProjectOpenPanel : public QWidget
{
    Q_OBJECT
public:
    explicit CDlgProjectOpenPanel(const CAppSettings& settings, QWidget* parent = nullptr);
    ~CDlgProjectOpenPanel() override;

    void RefreshPorts();
    QString Port() const;

private:
    void openDeviceManager();

    std::unique_ptr<Ui::CDlgProjectOpenPanel> ui_;
    const CAppSettings& settings_;
};
