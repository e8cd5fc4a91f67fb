#pragma once
#include "project/PanelManager.h"

#include <QDialog>

#include <QMap>
#include <QStringList>

#include <functional>
#include <memory>

class CAppSettings;
class CDlgCommGeneral;
class CDlgCommVardoVSeq;
class CDlgPanelConfig;
class IMessageSink;
class QTreeWidgetItem;
namespace Ui {
class DlgPanelManager;
}

// Setup > Panel Manager: a tree of the panel, its port and its devices,
// with the page of the selected node beside it. It works on a copy of the
// panel configuration and the device settings; a page loads when it is
// shown and stores when it is left and on OK, so switching pages loses no
// edit. Add, Delete and Rename follow the device-list rules.
class CDlgPanelManager : public QDialog
{
    Q_OBJECT
public:
    CDlgPanelManager(const CAppSettings& settings, IMessageSink& messages,
                     const CPanelManager& panel, QWidget* parent = nullptr);
    ~CDlgPanelManager() override;

    // The copy, as the pages have stored it.
    const CPanelManager& Result() const { return panel_; }
    // The devices of the record given that were renamed and not deleted:
    // name then -> name now.
    QMap<QString, QString> Renames() const;
    // Where the project uses a device name, one line a use; a device in use
    // is deleted only when the user confirms. Not set: nothing is asked.
    std::function<QStringList(const QString& deviceName)> deviceUses;

    enum class Page { None, Config, General, Device };
    Page ShownPage() const { return page_; }
    QTreeWidgetItem* RootItem() const;
    QTreeWidgetItem* PortItem() const;
    QTreeWidgetItem* DeviceItem(int index) const;
    CDlgPanelConfig& ConfigPage() { return *config_; }
    CDlgCommGeneral& GeneralPage() { return *general_; }
    CDlgCommVardoVSeq& DevicePage() { return *device_; }
    Ui::DlgPanelManager& Fields() { return *ui_; }

public slots:
    void AddDevice();
    void DeleteDevice();
    // The end of an in-place rename; false when the name was refused.
    bool RenameDevice(int index, const QString& name);
    void accept() override;

private:
    void onSelection();
    void storePage();
    void showPage(QTreeWidgetItem* item);
    void rebuildDevices();
    void updateEnabling();
    int selectedDevice() const;
    void contextMenu(const QPoint& at);

    std::unique_ptr<Ui::DlgPanelManager> ui_;
    const CAppSettings& settings_;
    IMessageSink& messages_;
    CPanelManager panel_;
    CDlgPanelConfig* config_;
    CDlgCommGeneral* general_;
    CDlgCommVardoVSeq* device_;
    QWidget* empty_;
    Page page_ = Page::None;
    int pageDevice_ = -1;
    bool renaming_ = false;
    // Each device's name in the record given; empty for a device added here.
    QStringList origins_;
};
