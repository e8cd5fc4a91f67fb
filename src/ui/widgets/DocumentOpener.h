#pragma once
#include <QUrl>
#include <functional>

// The one way the editor hands a document (a manual, a page of it) to the
// desktop's default program. The tests put a recorder in the desktop's place,
// so that none of them ever starts a browser.
namespace DocumentOpener {

using Handler = std::function<bool(const QUrl& url)>;

// Opens `url` with the handler in place: the desktop's default program unless
// one was put there. True when it was handed over.
bool Open(const QUrl& url);
// Puts `handler` in the desktop's place (an empty one brings the desktop
// back) and returns the handler it replaced.
Handler Replace(Handler handler);

} // namespace DocumentOpener
