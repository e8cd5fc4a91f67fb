#include "AlarmImage.h"
#include "CompileContext.h"
#include "HZLib.h"
#include "ImageWriter.h"
#include "base/LanguageSection.h"
#include "project/ProjectModel.h"

namespace AlarmImage {

QByteArray Build(CCompileContext& ctx)
{
    const auto& alarms = ctx.model.alarms.items;
    QByteArray out;
    CImageWriter w(out);
    w.U8(ImageType::kAlarm);
    if (alarms.empty()) {
        w.U16(0);
        w.U16(0);
        w.U8(0);
    } else {
        w.U16(ctx.coder.PanelAddress(alarms.front().coil));
        w.U16(quint32(alarms.size()));
        w.U8(ctx.coder.DeviceNumber(alarms.front().coil));
    }
    w.PadTo(ImageType::kHeaderSize);
    const QString title = ctx.Text(IDD_DLG_ALARM, QStringLiteral("Title"));
    const QString alarmLabel = ctx.Text(LS_MSG, QStringLiteral("Alarm Message"));
    const QString alarmName = ctx.Text(LS_MSG, QStringLiteral("Alarm %1"));
    quint32 number = 1;
    for (const CAlarmObject& alarm : alarms) {
        ctx.CheckDevice(alarm.coil, title, alarmName.arg(number));
        w.U16(number);
        w.Bytes(ctx.EncodeText(alarm.message, title,
                               QStringLiteral("%1 %2").arg(alarmLabel).arg(number)));
        ++number;
    }
    return out;
}

} // namespace AlarmImage
