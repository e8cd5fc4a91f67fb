#include "ObjectHelpPane.h"
#include "base/AppSettings.h"
#include "base/LanguageSection.h"
#include "ui/screen/EditorObjectKinds.h"
#include "ui/widgets/UiText.h"

#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

CObjectHelpPane::CObjectHelpPane(const CAppSettings& settings, QWidget* parent)
    : QWidget(parent),
      settings_(settings),
      browser_(new QTextBrowser(this))
{
    setWindowTitle(UiText(settings, IDD_DLG_DOT_OBJECTHELP, QStringLiteral("Object Help")));
    browser_->setAccessibleName(windowTitle());
    browser_->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
}

QString CObjectHelpPane::PagePath(int kind) const
{
    const QString page = ObjectHelpPage(kind, settings_.GetLanguageCode());
    if (page.isEmpty())
        return QString();
    return settings_.Paths().programDir + QStringLiteral("/help/") + page;
}

void CObjectHelpPane::ShowKind(int kind)
{
    const QString path = PagePath(kind);
    if (!path.isEmpty() && QFileInfo(path).isFile()) {
        browser_->setSearchPaths({QFileInfo(path).absolutePath()});
        browser_->setSource(QUrl::fromLocalFile(path));
        return;
    }
    const QString note =
        UiText(settings_, IDD_DLG_DOT_OBJECTHELP, QStringLiteral("No help page found:"));
    browser_->setHtml(QStringLiteral("<p>%1</p><p><tt>%2</tt></p>")
                          .arg(note.toHtmlEscaped(), QFileInfo(path).fileName().toHtmlEscaped()));
}
