#pragma once
#include <QWidget>

class CAppSettings;
class QTextBrowser;

// Object Help: the help page of one object kind, "<Kind><lang>.htm" from the
// folder help beside the program ("StaticTexten.htm").
class CObjectHelpPane : public QWidget
{
    Q_OBJECT
public:
    CObjectHelpPane(const CAppSettings& settings, QWidget* parent = nullptr);
    // Shows the page of kind 0..7; a missing page shows a short note instead.
    void ShowKind(int kind);
    // The page's path for a kind in the current language.
    QString PagePath(int kind) const;
    QTextBrowser* Browser() const { return browser_; }

private:
    const CAppSettings& settings_;
    QTextBrowser* browser_;
};
