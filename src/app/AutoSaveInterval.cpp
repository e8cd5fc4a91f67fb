#include "AutoSaveInterval.h"
#include "base/AppSettings.h"

#include <algorithm>

namespace AutoSaveInterval {

int Seconds(const CAppSettings& settings)
{
    const QString key = QStringLiteral("AutoSaveSeconds");
    // A missing key reads as 0 like any other number: it is told apart first.
    if (settings.GetSettingString(key).trimmed().isEmpty())
        return kDefaultSeconds;
    return std::clamp(settings.GetSettingInt(key), 0, kMaxSeconds);
}

} // namespace AutoSaveInterval
