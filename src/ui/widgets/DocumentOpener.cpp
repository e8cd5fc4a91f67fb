#include "DocumentOpener.h"

#include <QDesktopServices>

namespace DocumentOpener {
namespace {
Handler& Current()
{
    static Handler handler;
    return handler;
}
} // namespace

bool Open(const QUrl& url)
{
    if (!url.isValid() || url.isEmpty())
        return false;
    if (const Handler& handler = Current())
        return handler(url);
    return QDesktopServices::openUrl(url);
}

Handler Replace(Handler handler)
{
    Handler previous = std::move(Current());
    Current() = std::move(handler);
    return previous;
}

} // namespace DocumentOpener
