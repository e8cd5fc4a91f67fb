#include "ProjectHeader.h"
#include "CompileContext.h"
#include "ImageWriter.h"
#include "base/LanguageSection.h"
#include "CompileInput.h"
#include "project/ProjectModel.h"

namespace ProjectHeader {

QByteArray PackPassword(const QString& password)
{
    std::array<int, 8> digits{};
    const QString last = password.right(8);
    const int start = 8 - int(last.size());
    for (int i = 0; i < int(last.size()); ++i)
        digits[size_t(start + i)] = (last[i].unicode() - u'0') & 0x0F;
    QByteArray out;
    for (int i = 0; i < 8; i += 2)
        out.append(char((digits[size_t(i)] << 4) | digits[size_t(i + 1)]));
    return out;
}

QByteArray Build(CCompileContext& ctx, const ImageLengths& lengths)
{
    const CPanelConfigInfo& panel = ctx.model.panelManager.panelConfig;
    const CPLCAndPanelAlternation& exchange = ctx.model.plcAndPanel;
    const QString title = ctx.Text(IDD_DLG_PANEL_MANAGER, QStringLiteral("Title"));
    auto checkScreen = [&](int number, int labelKey) {
        if (!ctx.ScreenExists(number))
            ctx.RangeWarning(title, ctx.Text(IDD_DLG_PANEL_CONFIG, labelKey), number);
    };

    quint32 total = kSize;
    for (quint32 length : lengths)
        total += length;

    QByteArray out;
    out.reserve(kSize);
    CImageWriter w(out);
    w.U8(ImageType::kProjectHeader);
    w.U32(total);
    w.U16(panel.startScreenNumber);
    checkScreen(panel.startScreenNumber, 1135);
    w.U8(0x56);
    const VersionNumber& v = ctx.input.programVersion;
    w.U8(v.hh);
    w.U8(v.hl);
    w.U8(v.lh);
    w.U8(v.ll);
    w.PadTo(16);

    quint8 flags = 0;
    if (panel.dwordExchange)
        flags |= 0x80;
    flags |= panel.protectShowsScreen == 1 ? 0x08 : 0x00;
    flags |= panel.protectShowsScreen == 0 ? 0x04 : 0x00;
    if (panel.functionKeyBeep)
        flags |= 0x02;
    if (panel.logScreenEnabled)
        flags |= 0x01;
    w.U8(flags);
    w.U16(panel.protectScreenNumber);
    checkScreen(panel.protectScreenNumber, 1140);
    w.U16(panel.logScreenNumber);
    checkScreen(panel.logScreenNumber, 1132);
    w.U8(panel.logTimer);
    w.U8(panel.screenProtectTime);

    const QString exchangeTitle = ctx.Text(IDD_DLG_PANEL2PLC, QStringLiteral("Title"));
    if (exchange.panelToPlcEnabled)
        ctx.CheckDevice(exchange.panelToPlc, exchangeTitle, ctx.Text(IDD_DLG_PANEL2PLC, 1100));
    if (exchange.plcToPanelEnabled)
        ctx.CheckDevice(exchange.plcToPanel, exchangeTitle, ctx.Text(IDD_DLG_PANEL2PLC, 1200));
    w.Bytes(PackPassword(exchange.optionPassword));
    w.U8(exchange.panelToPlcEnabled ? 1 : 0);
    ctx.coder.Write(w, exchange.panelToPlc);
    w.U8((exchange.plcToPanelEnabled ? 0x02 : 0) | (exchange.beepControlEnabled ? 0x01 : 0));
    ctx.coder.Write(w, exchange.plcToPanel);

    quint32 offset = kSize;
    for (quint32 length : lengths) {
        w.U32(offset);
        offset += length;
    }
    return out;
}

} // namespace ProjectHeader
