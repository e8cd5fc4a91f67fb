#include "UiText.h"
#include "base/AppSettings.h"

QString UiText(const CAppSettings& settings, int section, const QString& english)
{
    const QString text = settings.LookupText(section, english);
    return text.isEmpty() ? english : text;
}
