#include "ScreenImage.h"
#include "CompileContext.h"
#include "ImageWriter.h"
#include "ScreenObjectRecords.h"
#include "base/LanguageSection.h"
#include "CompileInput.h"
#include "project/ProjectModel.h"
#include "base/SafePath.h"

namespace ScreenImage {

void WriteKeyRecord(CCompileContext& ctx, CImageWriter& out, const CFunKeyParams& key)
{
    quint32 head = (key.used ? 0x80u : 0u) | (key.password ? 0x40u : 0u);
    out.U8(head + quint32(key.functionType));
    ctx.coder.Write(out, key.setCoil.coil);
    out.U8(quint32(key.setCoil.action));
    ctx.coder.Write(out, key.setReg.reg);
    out.U8(quint32(key.setReg.quantity));
    out.U32(quint32(key.setReg.value));
    out.U8(quint32(key.screenChg.target));
    out.U16(quint32(key.screenChg.screenNumber));
    out.U8(quint32(key.advanced.command));
    out.U8(ctx.coder.DeviceNumber(key.advanced.device));
}

QByteArray BuildScreenRecord(CCompileContext& ctx, const CScreenObject& screen)
{
    const QString title = ScreenTitle(ctx.ProjectName(), screen.number, screen.name);
    ctx.Output(title);

    QByteArray out;
    CImageWriter w(out);
    w.U8(1);
    w.U16(quint32(screen.number));
    const int next = screen.screenChange.next;
    const int previous = screen.screenChange.previous;
    w.U16(quint32(next));
    if (!ctx.ScreenExists(next))
        ctx.RangeWarning(title, ctx.Text(IDD_DLG_SCREEN_OPTION, 1056), next);
    w.U16(quint32(previous));
    if (!ctx.ScreenExists(previous))
        ctx.RangeWarning(title, ctx.Text(IDD_DLG_SCREEN_OPTION, 1053), previous);

    QString screenFile;
    int count = 0;
    QByteArray objects;
    const auto held = ctx.input.screenObjects.find(screen.number);
    if (held != ctx.input.screenObjects.end() && held->second)
        objects = ScreenObjectRecords::Build(ctx, *held->second, title, &count);
    else if (SafeJoin(ctx.input.projectFolder, title, &screenFile))
        objects = ScreenObjectRecords::Build(ctx, screenFile, title, &count);
    w.U16(quint32(count));
    w.PadTo(kKeysOffset);

    for (int k = 0; k < 5; ++k) {
        const CFunKeyParams& key = screen.keys[size_t(k)];
        if (key.used && key.functionType == 2 && !ctx.ScreenExists(key.screenChg.screenNumber))
            ctx.KeyWarning(k, title, ctx.Text(IDD_DLG_SCREEN_FUN_KEY, 1079),
                           key.screenChg.screenNumber);
        // The action in effect of a used key must name a device that exists.
        const QString keyName = QStringLiteral("F%1").arg(k + 1);
        if (key.used && key.functionType == 0)
            ctx.CheckDevice(key.setCoil.coil, title, keyName);
        else if (key.used && key.functionType == 1)
            ctx.CheckDevice(key.setReg.reg, title, keyName);
        else if (key.used && key.functionType == 3)
            ctx.CheckDevice(key.advanced.device, title, keyName);
        WriteKeyRecord(ctx, w, key);
    }
    for (int k = 0; k < 5; ++k) {
        const CFunKeyParams& key = screen.keys[size_t(k)];
        w.U8(quint32(key.showDescription));
        if (quint8(key.showDescription) != 0)
            w.Bytes(ctx.EncodeText(key.description, title,
                                   QStringLiteral("F%1 %2").arg(k + 1).arg(
                                       ctx.Text(LS_MSG, QStringLiteral("Description")))));
    }
    w.Bytes(objects);
    return out;
}

std::optional<QByteArray> Build(CCompileContext& ctx)
{
    const auto& screens = ctx.model.screens;
    const quint32 n = quint32(screens.size());
    QByteArray out;
    CImageWriter w(out);
    w.U8(ImageType::kScreen);
    w.U16(n);
    w.PadTo(ImageType::kHeaderSize);
    QByteArray records;
    const quint32 tableEnd = 16 + 6 * n;
    for (quint32 j = 0; j < n; ++j) {
        const CScreenObject& screen = *screens[size_t(n - 1 - j)];
        w.U16(quint32(screen.number));
        const quint32 r = quint32(records.size());
        records.append(BuildScreenRecord(ctx, screen));
        w.U32(tableEnd + r);
        ctx.Progress(int(60 * j / n));
        if (ctx.StopRequested())
            return std::nullopt;
    }
    w.Bytes(records);
    return out;
}

} // namespace ScreenImage
