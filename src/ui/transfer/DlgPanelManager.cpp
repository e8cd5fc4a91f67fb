#include "DlgPanelManager.h"
#include "ui/widgets/DialogPlace.h"
#include "ui_DlgPanelManager.h"

#include "ui/widgets/ChoiceBox.h"
#include "DlgCommGeneral.h"
#include "DlgCommVardoVSeq.h"
#include "DlgPanelConfig.h"
#include "base/AppSettings.h"
#include "base/LanguageSection.h"
#include "base/MessageSink.h"
#include "project/DeviceInfo.h"
#include "project/DeviceList.h"
#include "project/RegisterRef.h"
#include "ui/widgets/DialogTexts.h"

#include <QLineEdit>
#include <QMenu>
#include <QStyledItemDelegate>

#include <iterator>

namespace {
// Device names are edited in place, at most eight characters.
class CDeviceNameDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override
    {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor))
            line->setMaxLength(DeviceList::kMaxNameLength);
        return editor;
    }
};
} // namespace

CDlgPanelManager::CDlgPanelManager(const CAppSettings& settings, IMessageSink& messages,
                                   const CPanelManager& panel, QWidget* parent)
    : QDialog(parent),
      ui_(std::make_unique<Ui::DlgPanelManager>()),
      settings_(settings),
      messages_(messages),
      panel_(panel)
{
    ui_->setupUi(this);
    DialogTexts::Apply(this, settings, IDD_DLG_PANEL_MANAGER);
    ui_->tree->setAccessibleName(windowTitle());
    RememberDialogPlace(this, settings, QStringLiteral("PlacePanelManager"));
    config_ = new CDlgPanelConfig(settings, ui_->pages);
    general_ = new CDlgCommGeneral(settings, ui_->pages);
    device_ = new CDlgCommVardoVSeq(settings, ui_->pages);
    empty_ = new QWidget(ui_->pages);
    for (QWidget* w : {empty_, static_cast<QWidget*>(config_), static_cast<QWidget*>(general_),
                       static_cast<QWidget*>(device_)})
        ui_->pages->addWidget(w);
    for (const CSingleDeviceInfo& d : panel_.deviceInfo.devices)
        origins_ << d.name;
    // The one protocol is shown selected only when the link names it;
    // nothing stores a choice from this list.
    ChoiceBox::Fill(ui_->plc, CommChoices::Plc());
    ui_->plc->setCurrentIndex(ui_->plc->findData(panel_.deviceInfo.protocolCode));

    ui_->tree->setItemDelegate(new CDeviceNameDelegate(ui_->tree));
    auto* root = new QTreeWidgetItem(
        ui_->tree, {settings.LookupText(IDD_DLG_PANEL_MANAGER, QStringLiteral("Panel"))});
    new QTreeWidgetItem(root,
                        {settings.LookupText(IDD_DLG_PANEL_MANAGER, QStringLiteral("COM Port1"))});
    rebuildDevices();
    ui_->tree->expandAll();

    connect(ui_->tree, &QTreeWidget::currentItemChanged, this, &CDlgPanelManager::onSelection);
    connect(ui_->tree, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item) {
        if (renaming_ || item->parent() != PortItem())
            return;
        const int index = PortItem()->indexOfChild(item);
        RenameDevice(index, item->text(0));
    });
    connect(ui_->tree, &QWidget::customContextMenuRequested, this, &CDlgPanelManager::contextMenu);
    connect(ui_->add, &QPushButton::clicked, this, &CDlgPanelManager::AddDevice);
    connect(ui_->remove, &QPushButton::clicked, this, &CDlgPanelManager::DeleteDevice);
    ui_->tree->setCurrentItem(root);
    showPage(root);
}

CDlgPanelManager::~CDlgPanelManager() = default;

QTreeWidgetItem* CDlgPanelManager::RootItem() const
{
    return ui_->tree->topLevelItem(0);
}

QTreeWidgetItem* CDlgPanelManager::PortItem() const
{
    return RootItem()->child(0);
}

QTreeWidgetItem* CDlgPanelManager::DeviceItem(int index) const
{
    return PortItem()->child(index);
}

int CDlgPanelManager::selectedDevice() const
{
    QTreeWidgetItem* item = ui_->tree->currentItem();
    return item && item->parent() == PortItem() ? PortItem()->indexOfChild(item) : -1;
}

void CDlgPanelManager::rebuildDevices()
{
    renaming_ = true;
    QTreeWidgetItem* port = PortItem();
    qDeleteAll(port->takeChildren());
    for (const CSingleDeviceInfo& d : panel_.deviceInfo.devices) {
        auto* item = new QTreeWidgetItem(port, {d.name});
        item->setFlags(item->flags() | Qt::ItemIsEditable);
    }
    renaming_ = false;
}

void CDlgPanelManager::onSelection()
{
    storePage();
    showPage(ui_->tree->currentItem());
}

void CDlgPanelManager::storePage()
{
    CDeviceInfo& info = panel_.deviceInfo;
    switch (page_) {
    case Page::Config: config_->Store(panel_.panelConfig); break;
    case Page::General: general_->Store(info); break;
    case Page::Device:
        if (pageDevice_ >= 0 && size_t(pageDevice_) < info.devices.size()) {
            CSingleDeviceInfo& d = info.devices[size_t(pageDevice_)];
            const CSingleDeviceInfo before = d;
            device_->Store(d);
            // With one device its page edits the shared line settings; with
            // more they are the general page's, and a device page whose line
            // fields were disabled must not overwrite them. A page that was
            // only looked at changes nothing.
            if (info.devices.size() == 1 && !(d == before))
                DeviceList::CopyBack(info, d);
        }
        break;
    case Page::None: break;
    }
}

void CDlgPanelManager::showPage(QTreeWidgetItem* item)
{
    page_ = Page::None;
    pageDevice_ = -1;
    const CDeviceInfo& info = panel_.deviceInfo;
    if (item == RootItem()) {
        config_->Load(panel_.panelConfig);
        page_ = Page::Config;
    } else if (item == PortItem()) {
        if (info.devices.size() >= 2) {
            general_->Load(info);
            page_ = Page::General;
        }
    } else if (item && item->parent() == PortItem()) {
        pageDevice_ = PortItem()->indexOfChild(item);
        device_->Load(info.devices[size_t(pageDevice_)]);
        device_->SetLineEditable(info.devices.size() == 1);
        page_ = Page::Device;
    }
    switch (page_) {
    case Page::Config: ui_->pages->setCurrentWidget(config_); break;
    case Page::General: ui_->pages->setCurrentWidget(general_); break;
    case Page::Device: ui_->pages->setCurrentWidget(device_); break;
    case Page::None: ui_->pages->setCurrentWidget(empty_); break;
    }
    ui_->plcLabel->setVisible(page_ == Page::Device);
    ui_->plc->setVisible(page_ == Page::Device);
    updateEnabling();
}

void CDlgPanelManager::updateEnabling()
{
    ui_->remove->setEnabled(selectedDevice() >= 0 && DeviceList::CanDelete(panel_.deviceInfo));
    ui_->add->setEnabled(int(panel_.deviceInfo.devices.size()) < DeviceList::kMaxDevices);
}

void CDlgPanelManager::AddDevice()
{
    storePage();
    page_ = Page::None;
    const int index = DeviceList::Add(panel_.deviceInfo);
    if (index < 0) {
        showPage(ui_->tree->currentItem());
        return;
    }
    origins_.insert(qMin(index, int(origins_.size())), QString());
    renaming_ = true;
    auto* item = new QTreeWidgetItem(PortItem(), {panel_.deviceInfo.devices[size_t(index)].name});
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    renaming_ = false;
    PortItem()->setExpanded(true);
    ui_->tree->setCurrentItem(item);
    if (page_ == Page::None) // the same item stayed current
        showPage(item);
}

void CDlgPanelManager::DeleteDevice()
{
    const int index = selectedDevice();
    if (index < 0 || !DeviceList::CanDelete(panel_.deviceInfo))
        return;
    // The project's references name the device as the record given does.
    const QString origin = index < origins_.size() ? origins_[index] : QString();
    const CSingleDeviceInfo& device = panel_.deviceInfo.devices[size_t(index)];
    const QString usedName = origin.isEmpty() ? device.name : origin;
    // A later device of the same name is the one its references name.
    const bool referenced =
        device.name != usedName || ReferencedDevice(panel_.deviceInfo, usedName) == &device;
    const QStringList uses = deviceUses && referenced ? deviceUses(usedName) : QStringList();
    if (!uses.isEmpty()) {
        const QString question =
            settings_.LookupText(LS_MSG, QStringLiteral("The device %1 is used by:")).arg(usedName)
            + QLatin1Char('\n') + uses.join(QLatin1Char('\n')) + QLatin1Char('\n')
            + settings_.LookupText(
                LS_MSG, QStringLiteral("Delete it? Its references keep the device name."));
        if (messages_.Ask(question, settings_.LookupText(LS_MSG, QStringLiteral("Warning")),
                          MessageButtons::OkCancel, MessageAnswer::Cancel)
            != MessageAnswer::Ok)
            return;
    }
    page_ = Page::None; // the page's device goes
    const int next = DeviceList::Delete(panel_.deviceInfo, index);
    if (next >= 0 && index < origins_.size())
        origins_.removeAt(index);
    QSignalBlocker block(ui_->tree);
    delete PortItem()->takeChild(index);
    ui_->tree->setCurrentItem(DeviceItem(next));
    showPage(DeviceItem(next));
}

bool CDlgPanelManager::RenameDevice(int index, const QString& name)
{
    CDeviceInfo& info = panel_.deviceInfo;
    if (index < 0 || size_t(index) >= info.devices.size())
        return false;
    const QString old = info.devices[size_t(index)].name;
    if (name == old)
        return true;
    bool ok = !name.trimmed().isEmpty();
    if (ok) {
        const QString error = DeviceList::RenameError(info, name);
        if (!error.isEmpty()) {
            messages_.ShowError(settings_.LookupText(LS_MSG, error),
                                settings_.LookupText(LS_MSG, QStringLiteral("Error")));
            ok = false;
        }
    }
    if (ok)
        ok = DeviceList::Rename(info, index, name);
    renaming_ = true;
    DeviceItem(index)->setText(0, info.devices[size_t(index)].name);
    renaming_ = false;
    return ok;
}

QMap<QString, QString> CDlgPanelManager::Renames() const
{
    QMap<QString, QString> renames;
    const auto& devices = panel_.deviceInfo.devices;
    // With two devices of one name, the references name the last of them.
    for (size_t i = 0; i < devices.size() && int(i) < origins_.size(); ++i)
        if (!origins_[int(i)].isEmpty())
            renames.insert(origins_[int(i)], devices[i].name);
    for (auto it = renames.begin(); it != renames.end();)
        it = it.key() == it.value() ? renames.erase(it) : std::next(it);
    return renames;
}

void CDlgPanelManager::contextMenu(const QPoint& at)
{
    QTreeWidgetItem* item = ui_->tree->itemAt(at);
    QPoint where = at;
    if (!item) { // the menu key: the current node
        item = ui_->tree->currentItem();
        if (item)
            where = ui_->tree->visualItemRect(item).center();
    }
    if (!item || item->parent() != PortItem())
        return;
    ui_->tree->setCurrentItem(item);
    QMenu menu(this);
    QAction* rename =
        menu.addAction(settings_.LookupText(IDD_DLG_PANEL_MANAGER, QStringLiteral("Rename")));
    QAction* remove =
        menu.addAction(settings_.LookupText(IDD_DLG_PANEL_MANAGER, QStringLiteral("Delete")));
    remove->setEnabled(DeviceList::CanDelete(panel_.deviceInfo));
    QAction* chosen = menu.exec(ui_->tree->viewport()->mapToGlobal(where));
    if (chosen == rename)
        ui_->tree->editItem(item);
    else if (chosen == remove)
        DeleteDevice();
}

void CDlgPanelManager::accept()
{
    storePage();
    QDialog::accept();
}
