#pragma once
#include "project/DeviceInfo.h"

#include <QDialog>

class CAppSettings;
class CDlgCommVardoVSeq;

// The protocol dialog of the start dialog's "Protocol Setup...": the device
// page of the chosen PLC over one device record made from the line
// settings; OK writes the record into the device list and its values back
// into the line settings.
class CDlgProtocol : public QDialog
{
    Q_OBJECT
public:
    CDlgProtocol(const CAppSettings& settings, const QString& plcType,
                 const CSingleDeviceInfo& device, QWidget* parent = nullptr);

    CSingleDeviceInfo Result() const;
    CDlgCommVardoVSeq& Page() { return *page_; }

    // The whole exchange: true and `info` updated when the user pressed OK.
    static bool Edit(QWidget* parent, const CAppSettings& settings, const QString& plcType,
                     CDeviceInfo& info);
    // What OK does to the line settings with the page's record.
    static void TakeOver(CDeviceInfo& info, const CSingleDeviceInfo& device);

private:
    CDlgCommVardoVSeq* page_;
    CSingleDeviceInfo device_;
};
