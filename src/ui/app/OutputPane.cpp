#include "OutputPane.h"
#include "OutputLineLink.h"
#include "ui/document/ProjectController.h"
#include "app/TessanApp.h"
#include "project/ScreenObject.h"
#include "base/LanguageSection.h"
#include "ui/widgets/UiText.h"

#include <QListWidget>
#include <QVBoxLayout>

COutputPane::COutputPane(CProjectController& controller, QWidget* parent)
    : QWidget(parent),
      controller_(controller),
      list_(new QListWidget(this))
{
    setWindowTitle(UiText(controller.App().settings, LS_FRAME, QStringLiteral("Output")));
    list_->setAccessibleName(windowTitle());
    list_->setUniformItemSizes(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(list_);
    connect(&controller, &CProjectController::outputCleared, this, [this] {
        list_->clear();
        emit showRequested();
    });
    connect(&controller, &CProjectController::outputLine, this, [this](const QString& line) {
        list_->addItem(line);
        list_->scrollToBottom();
    });
    connect(list_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { ActivateLine(item->text()); });
}

void COutputPane::ActivateLine(const QString& line)
{
    const QString link = OutputLineLink::BracketText(line);
    if (link.isEmpty())
        return;
    // The compiler names the start, protect and log screens by the Panel
    // Manager's title and the alarms by the Alarm List's; the word "Title"
    // of the messages is taken too.
    const CAppSettings& s = controller_.App().settings;
    const QString title = QStringLiteral("Title");
    if (link == s.LookupText(IDD_DLG_PANEL_MANAGER, title) || link == s.LookupText(LS_MSG, title)) {
        emit panelManagerRequested();
        return;
    }
    if (link == s.LookupText(IDD_DLG_ALARM, title)) {
        emit alarmSetupRequested();
        return;
    }
    if (link == s.LookupText(IDD_DLG_PANEL2PLC, title)) {
        emit plcAndPanelRequested();
        return;
    }
    // A screen's title: a function key's device opens its Screen Option,
    // anything else the screen whose title it is.
    for (const auto& screen : controller_.App().model.screens) {
        if (controller_.ScreenTitle(screen->number) == link) {
            if (OutputLineLink::KeyNumber(line) != 0)
                emit screenOptionRequested(screen->number);
            else
                controller_.RequestOpenScreen(screen->number);
            return;
        }
    }
}
