#include "ManualPages.h"
#include "ui/screen/EditorObjectKinds.h"

#include <QMessageBox>
#include <QMetaObject>
#include <QRegularExpression>
#include <QWidget>

#include <array>

namespace ManualPages {
namespace {

struct PageOfWindow
{
    const char* window; // class or object name
    const char* page;
};

// The windows with a page of their own. Property forms are dialogs of one
// class named after their form; their pages are in the editor's table of kinds.
constexpr std::array kPages = {
    PageOfWindow{"CMainWindow", "main-window.html"},
    PageOfWindow{"CDlgStartProject", "start-project.html"},
    PageOfWindow{"CDlgProjectInfo", "project-information.html"},
    PageOfWindow{"CDlgScreenNew", "new-screen.html"},
    PageOfWindow{"CDlgScreenRename", "rename-screen.html"},
    PageOfWindow{"CDlgScreenDelete", "delete-screen.html"},
    PageOfWindow{"CDlgScreenOption", "screen-option.html"},
    PageOfWindow{"CDlgScreenFunKey", "function-keys.html"},
    PageOfWindow{"CDlgAlarm", "alarm-list.html"},
    PageOfWindow{"CDlgPanelManager", "panel-manager.html"},
    PageOfWindow{"CDlgProtocol", "protocol-setup.html"},
    PageOfWindow{"CDlgPassword", "password.html"},
    PageOfWindow{"CDlgPanel2Plc", "plc-panel.html"},
    PageOfWindow{"CDlgPanelInfo", "panel-information.html"},
    PageOfWindow{"CDlgTransfer", "transfer.html"},
    PageOfWindow{"CDlgProgress", "progress.html"},
    PageOfWindow{"CDlgRegister", "register-picker.html"},
    PageOfWindow{"CDlgBitmapManager", "bitmap-manager.html"},
    PageOfWindow{"CDlgGridSize", "grid-size.html"},
    PageOfWindow{"CDlgZoom", "zoom.html"},
    PageOfWindow{"CDlgAbout", "about.html"},
    PageOfWindow{"CSimulatorWindow", "simulator.html"},
    PageOfWindow{"QPrintPreviewDialog", "report.html"},         // the project report's preview
    PageOfWindow{"DockCrossReference", "cross-reference.html"}, // the pane floating on its own
};

const QString kMessages = QStringLiteral("messages.html");

// The window's own page: by its class (or a class it derives from), then by
// its object name.
QString OwnPage(const QWidget* window)
{
    if (qobject_cast<const QMessageBox*>(window))
        return MessagePage(static_cast<const QMessageBox*>(window)->text());
    for (const QMetaObject* m = window->metaObject(); m; m = m->superClass())
        if (QString page = PageOfName(QString::fromLatin1(m->className())); !page.isEmpty())
            return page;
    return PageOfName(window->objectName());
}

} // namespace

QString PageOfName(const QString& name)
{
    for (const PageOfWindow& p : kPages)
        if (name == QLatin1String(p.window))
            return QString::fromLatin1(p.page);
    for (const EditorObjectKind& kind : EditorObjectKinds())
        if (name == QLatin1String(kind.formName))
            return QString::fromLatin1(kind.manualPage);
    return QString();
}

QString PageOf(const QWidget* window)
{
    for (const QWidget* w = window; w;
         w = w->parentWidget() ? w->parentWidget()->window() : nullptr)
        if (QString page = OwnPage(w); !page.isEmpty())
            return page;
    return QString();
}

QString MessagePage(const QString& text)
{
    // The codes of the editor's messages: GUI-001, OBJ-002, Obj-001, PTC006.
    static const QRegularExpression code(
        QStringLiteral("\\b((?:GUI|OBJ|Obj)-\\d{3}|PTC\\d{3})\\b"));
    const QRegularExpressionMatch m = code.match(text);
    return m.hasMatch() ? kMessages + QLatin1Char('#') + m.captured(1) : kMessages;
}

QString MainWindowPage(bool screenEditorInFront)
{
    return screenEditorInFront ? QStringLiteral("screen-editor.html")
                               : QStringLiteral("main-window.html");
}

QStringList AllPages()
{
    QStringList pages{kMessages, MainWindowPage(true)};
    for (const PageOfWindow& p : kPages)
        pages.append(QString::fromLatin1(p.page));
    for (const EditorObjectKind& kind : EditorObjectKinds())
        pages.append(QString::fromLatin1(kind.manualPage));
    pages.removeDuplicates();
    return pages;
}

} // namespace ManualPages
