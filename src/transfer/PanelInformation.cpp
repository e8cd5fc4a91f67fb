#include "PanelInformation.h"

#include "base/AppSettings.h"
#include "base/LanguageSection.h"

namespace {
uint32_t BigEndian32(const QByteArray& b, int at)
{
    return uint32_t(uint8_t(b[at])) << 24 | uint32_t(uint8_t(b[at + 1])) << 16
           | uint32_t(uint8_t(b[at + 2])) << 8 | uint32_t(uint8_t(b[at + 3]));
}
} // namespace

bool CPanelInformation::Parse(const QByteArray& block)
{
    if (block.size() != kSize || uint8_t(block[0]) != block.size())
        return false;
    for (int i = 0; i < 4; ++i)
        firmware[size_t(i)] = uint8_t(block[1 + i]);
    panelType = uint8_t(block[5]);
    totalMemory = BigEndian32(block, 6);
    usedMemory = BigEndian32(block, 10);
    protocol = uint8_t(block[14]);
    uploadState = uint8_t(block[15]);
    return true;
}

QString CPanelInformation::PanelTypeText() const
{
    return panelType == 0 ? QStringLiteral("RU03") : QStringLiteral("Unknown");
}

QString CPanelInformation::FirmwareText() const
{
    return QString::asprintf("V%d.%d.%d.%d", firmware[0], firmware[1], firmware[2], firmware[3]);
}

QString CPanelInformation::ProtocolText() const
{
    return protocol == 0 ? QStringLiteral("Vardo V-Sequence (R Series)")
                         : QStringLiteral("Unknown");
}

QString CPanelInformation::UploadStateText(const CAppSettings& settings) const
{
    return settings.LookupText(IDD_DLG_PANELINFO, UploadEnabled() ? QStringLiteral("Enable")
                                                                  : QStringLiteral("Disable"));
}

QString CPanelInformation::MemoryText(uint32_t bytes)
{
    if (bytes < 1025)
        return QString::asprintf("%d Bytes", int(bytes));
    return QString::asprintf("%d KB", int(bytes / 1024));
}

QList<QPair<QString, QString>> CPanelInformation::DisplayValues(const CAppSettings& settings) const
{
    return {
        {QStringLiteral("Panel Type:"), PanelTypeText()},
        {QStringLiteral("Firmware Version:"), FirmwareText()},
        {QStringLiteral("Total:"), MemoryText(totalMemory)},
        {QStringLiteral("Used:"), MemoryText(usedMemory)},
        {QStringLiteral("Free:"), MemoryText(totalMemory - usedMemory)},
        {QStringLiteral("Protocol:"), ProtocolText()},
        {QStringLiteral("Runtime File Upload State:"), UploadStateText(settings)},
    };
}
