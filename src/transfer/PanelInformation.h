#pragma once
#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

#include <array>
#include <cstdint>

class CAppSettings;

// The panel's 16-byte information block and the values the Panel
// Information dialog shows of it.
class CPanelInformation
{
public:
    static constexpr int kSize = 16;
    // False unless the block is as long as its byte 0 says.
    bool Parse(const QByteArray& block);

    std::array<uint16_t, 4> firmware{};
    uint8_t panelType = 0;
    uint32_t totalMemory = 0;
    uint32_t usedMemory = 0;
    uint8_t protocol = 0;
    uint8_t uploadState = 0;

    bool UploadEnabled() const { return uploadState != 0; }
    QString PanelTypeText() const;
    QString FirmwareText() const;
    QString ProtocolText() const;
    // "Enable" / "Disable" from the dialog's section of the language file.
    QString UploadStateText(const CAppSettings& settings) const;
    // Label and value, in the dialog's order.
    QList<QPair<QString, QString>> DisplayValues(const CAppSettings& settings) const;

    // "%d Bytes" below 1025, else "%d KB" of the value / 1024.
    static QString MemoryText(uint32_t bytes);
};
