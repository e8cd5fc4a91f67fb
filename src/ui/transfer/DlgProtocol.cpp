#include "DlgProtocol.h"
#include "ui/widgets/DialogPlace.h"
#include "DlgCommVardoVSeq.h"

#include "base/AppSettings.h"
#include "base/LanguageSection.h"
#include "project/DeviceList.h"

#include <QDialogButtonBox>
#include <QVBoxLayout>

CDlgProtocol::CDlgProtocol(const CAppSettings& settings, const QString& plcType,
                           const CSingleDeviceInfo& device, QWidget* parent)
    : QDialog(parent),
      device_(device)
{
    QString caption = settings.LookupText(IDD_DLG_PROTOCOL_MANAGER, QStringLiteral("Title"));
    if (caption == QLatin1String("Title"))
        caption = QStringLiteral("Protocol Manager");
    setWindowTitle(QStringLiteral("%1 - [%2]").arg(caption, plcType));
    auto* layout = new QVBoxLayout(this);
    page_ = new CDlgCommVardoVSeq(settings, this);
    page_->Load(device_);
    page_->SetLineEditable(true);
    layout->addWidget(page_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    RememberDialogPlace(this, settings, QStringLiteral("PlaceProtocol"));
}

CSingleDeviceInfo CDlgProtocol::Result() const
{
    CSingleDeviceInfo d = device_;
    page_->Store(d);
    return d;
}

void CDlgProtocol::TakeOver(CDeviceInfo& info, const CSingleDeviceInfo& device)
{
    CSingleDeviceInfo d = device;
    if (info.devices.empty()) {
        info.devices.push_back(d);
    } else {
        d.name = info.devices.front().name;
        info.devices.front() = d;
    }
    DeviceList::CopyBack(info, d);
}

bool CDlgProtocol::Edit(QWidget* parent, const CAppSettings& settings, const QString& plcType,
                        CDeviceInfo& info)
{
    CDlgProtocol dialog(settings, plcType, DeviceList::ProtocolDevice(info), parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    TakeOver(info, dialog.Result());
    return true;
}
