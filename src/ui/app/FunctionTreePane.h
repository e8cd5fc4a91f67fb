#pragma once
#include <QWidget>

class CAppSettings;
class QTreeWidget;
class QTreeWidgetItem;

// Navigation-Function: "Setup" (Panel Manager 1, Configure Password 2,
// PLC <-> Panel 5, Alarm Control Setup 6) and "Manual" (Software Manual 19,
// Hardware Manual 20), both expanded. A double-click (or Enter) on an item
// emits its code.
class CFunctionTreePane : public QWidget
{
    Q_OBJECT
public:
    enum Code {
        PanelManager = 1,
        Password = 2,
        PlcPanel = 5,
        AlarmSetup = 6,
        SoftwareManual = 19,
        HardwareManual = 20
    };

    CFunctionTreePane(const CAppSettings& settings, QWidget* parent = nullptr);
    QTreeWidget* Tree() const { return tree_; }

signals:
    void itemActivated(int code);

private:
    QTreeWidget* tree_;
};
