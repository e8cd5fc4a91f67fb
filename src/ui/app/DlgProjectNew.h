#pragma once
#include "project/DeviceInfo.h"

#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

namespace Ui {
class CDlgProjectNew;
}
class CAppSettings;

// The start dialog's page "Make a new Project": the folder of the new
// package, the proposed name (the first free NewProject<n> in that folder),
// the panel and PLC types and their protocol settings.
class CDlgProjectNew : public QWidget
{
    Q_OBJECT
public:
    // Opens the protocol settings of the PLC type on a copy of the line
    // settings; true when the user took them.
    using ProtocolSetup = std::function<bool(QWidget* parent, CDeviceInfo* settings)>;

    explicit CDlgProjectNew(const CAppSettings& settings, QWidget* parent = nullptr);
    ~CDlgProjectNew() override;

    // A new save path proposes the first free name in it, unless the user
    // has typed a name of his own.
    void SetSavePath(const QString& folder);
    void SetTypes(const QString& hmiType, const QString& plcType);
    // "Protocol Setup..." is enabled only when there is a protocol dialog.
    void SetProtocolSetup(ProtocolSetup setup);
    // The name field, all selected: typing replaces the proposal.
    void FocusName();

    QString SavePath() const;
    QString ProjectName() const;
    QString HmiType() const;
    QString PlcType() const;
    const std::optional<CDeviceInfo>& Protocol() const { return protocol_; }

private:
    void browse();
    void savePathEdited(const QString& folder);
    void protocolSetup();

    std::unique_ptr<Ui::CDlgProjectNew> ui_;
    const CAppSettings& settings_;
    QString proposedName_;
    ProtocolSetup setup_;
    std::optional<CDeviceInfo> protocol_;
};
