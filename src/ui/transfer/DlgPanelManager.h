#pragma once
#include "project/PanelManager.h"

#include <QDialog>

#include <memory>

class CAppSettings;
class CDlgCommGeneral;
class CDlgCommVardoVSeq;
class CDlgPanelConfig;
class IMessageSink;
class QTreeWidgetItem;
namespace Ui { class DlgPanelManager; }

// Setup > Panel Manager: a tree of the panel, its port and its devices,
// with the page of the selected node beside it. It works on a copy of the
// panel configuration and the device settings; a page loads when it is
// shown and stores when it is left and on OK, so switching pages loses no
// edit. Add, Delete and Rename follow the device-list rules.
class CDlgPanelManager : public QDialog
{
    Q_OBJECT
public:
    CDlgPanelManager(const CAppSettings& settings, IMessageSink& messages, const CPanelManager& panel,
                     QWidget* parent = nullptr);
    ~CDlgPanelManager() override;

    // The copy, as the pages have stored it.
    const CPanelManager& Result() const { return panel_; }

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
};
