#include "HelpKeyRouter.h"
#include "ManualPages.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <QWindow>

namespace {
// The router that answers F1: the one made last.
CHelpKeyRouter* gCurrent = nullptr;
} // namespace

CHelpKeyRouter::CHelpKeyRouter(QWidget* mainWindow, PageOfMainWindow mainWindowPage,
                               PageOpener open)
    : QObject(mainWindow),
      mainWindow_(mainWindow),
      mainWindowPage_(std::move(mainWindowPage)),
      open_(std::move(open))
{
    gCurrent = this;
    qApp->installEventFilter(this);
}

CHelpKeyRouter::~CHelpKeyRouter()
{
    if (gCurrent == this)
        gCurrent = nullptr;
}

QString CHelpKeyRouter::PageFor(const QWidget* window) const
{
    if (window && window == mainWindow_ && mainWindowPage_)
        return mainWindowPage_();
    return window ? ManualPages::PageOf(window) : QString();
}

QWidget* CHelpKeyRouter::helpWindow(QObject* receiver) const
{
    QWidget* window = nullptr;
    if (receiver->isWidgetType()) {
        window = static_cast<QWidget*>(receiver)->window();
    } else if (auto* handle = qobject_cast<QWindow*>(receiver)) {
        // A window without a focus widget gets the shortcut check itself.
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->windowHandle() == handle)
                window = top;
    }
    if (!window || window->property("ownsFunctionKeys").toBool())
        return nullptr;
    return window;
}

bool CHelpKeyRouter::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if ((type != QEvent::KeyPress && type != QEvent::ShortcutOverride) || gCurrent != this)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_F1 || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    QWidget* window = helpWindow(watched);
    if (!window)
        return false;
    key->accept();
    // Accepting the shortcut check keeps the main window's Help shortcut
    // off; the key itself then comes through the window to its focus widget.
    if (type == QEvent::ShortcutOverride)
        return true;
    if (!watched->isWidgetType())
        return false;
    if (!key->isAutoRepeat() && open_)
        open_(PageFor(window));
    return true;
}
