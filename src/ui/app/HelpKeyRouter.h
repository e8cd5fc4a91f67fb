#pragma once
#include <QObject>
#include <QPointer>
#include <functional>

class QWidget;

// F1 everywhere in the editor: the key opens the manual's page of the window
// it was pressed in, the main window, a modal dialog or a property form
// alike. A top-level window whose property "ownsFunctionKeys" is true keeps
// F1 for itself (the panel simulator's F1 is the panel's key). Watches every
// key of the application; the router made last is the one that answers.
class CHelpKeyRouter : public QObject
{
    Q_OBJECT
public:
    using PageOpener = std::function<void(const QString& page)>;
    using PageOfMainWindow = std::function<QString()>;

    CHelpKeyRouter(QWidget* mainWindow, PageOfMainWindow mainWindowPage, PageOpener open);
    ~CHelpKeyRouter() override;

    // The page F1 opens in `window` (a top-level window); empty for the contents.
    QString PageFor(const QWidget* window) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The top-level window that a key sent to `receiver` belongs to, when F1
    // is this router's there.
    QWidget* helpWindow(QObject* receiver) const;

    QPointer<QWidget> mainWindow_;
    PageOfMainWindow mainWindowPage_;
    PageOpener open_;
};
