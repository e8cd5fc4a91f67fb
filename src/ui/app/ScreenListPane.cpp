#include "ScreenListPane.h"
#include "ui/document/ProjectController.h"
#include "app/TessanApp.h"
#include "base/LanguageSection.h"
#include "ui/widgets/UiText.h"

#include <QHeaderView>
#include <QMenu>
#include <QTreeWidget>
#include <QVBoxLayout>

CScreenListPane::CScreenListPane(CProjectController& controller, QWidget* parent)
    : QWidget(parent),
      controller_(controller),
      list_(new QTreeWidget(this))
{
    const CAppSettings& s = controller.App().settings;
    setWindowTitle(UiText(s, IDD_DLG_DOT_SCREENLIST, QStringLiteral("Navigation-Screen List")));
    list_->setColumnCount(2);
    list_->setHeaderLabels({UiText(s, IDD_DLG_DOT_SCREENLIST, QStringLiteral("No.")),
                            UiText(s, IDD_DLG_DOT_SCREENLIST, QStringLiteral("Screen Name"))});
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setAllColumnsShowFocus(true);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setContextMenuPolicy(Qt::CustomContextMenu);
    list_->header()->resizeSection(0, 48);
    list_->setAccessibleName(windowTitle());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(list_);

    connect(list_, &QTreeWidget::itemSelectionChanged, this, &CScreenListPane::onCurrentChanged);
    connect(list_, &QTreeWidget::itemActivated, this, &CScreenListPane::onActivated);
    connect(list_, &QWidget::customContextMenuRequested, this, &CScreenListPane::onContextMenu);
    connect(&controller, &CProjectController::screenListChanged, this, &CScreenListPane::Refresh);
    // The list always shows the current screen selected.
    connect(&controller, &CProjectController::currentScreenChanged, this,
            &CScreenListPane::SelectByNumber);
}

void CScreenListPane::SetContextMenus(QMenu* screenMenu, QAction* newScreen, QAction* pasteScreen)
{
    screenMenu_ = screenMenu;
    newScreen_ = newScreen;
    pasteScreen_ = pasteScreen;
}

void CScreenListPane::Refresh()
{
    list_->setUpdatesEnabled(false);
    {
        const QSignalBlocker block(list_);
        list_->clear();
        if (controller_.HasProject()) {
            QList<QTreeWidgetItem*> rows;
            const auto& screens = controller_.App().model.screens;
            rows.reserve(int(screens.size()));
            for (const auto& screen : screens) {
                auto* row = new QTreeWidgetItem({QString::number(screen->number), screen->name});
                row->setData(0, Qt::UserRole, screen->number);
                rows.append(row);
            }
            list_->addTopLevelItems(rows);
        }
    }
    list_->setUpdatesEnabled(true);
    // The row of the current screen is selected.
    selectedNumber_ = 0;
    selectedName_.clear();
    SelectByNumber(controller_.CurrentScreen());
}

void CScreenListPane::SelectByNumber(int number)
{
    QTreeWidgetItem* found = nullptr;
    for (int i = 0; i < list_->topLevelItemCount() && !found; ++i)
        if (list_->topLevelItem(i)->data(0, Qt::UserRole).toInt() == number)
            found = list_->topLevelItem(i);
    {
        const QSignalBlocker block(list_);
        if (found) {
            list_->setCurrentItem(found);
            found->setSelected(true);
            list_->scrollToItem(found);
        } else {
            list_->clearSelection();
            list_->setCurrentItem(nullptr);
        }
    }
    onCurrentChanged();
}

int CScreenListPane::SelectedRow() const
{
    const auto selected = list_->selectedItems();
    return selected.isEmpty() ? -1 : list_->indexOfTopLevelItem(selected.first());
}

void CScreenListPane::onCurrentChanged()
{
    const int row = SelectedRow();
    QTreeWidgetItem* item = row >= 0 ? list_->topLevelItem(row) : nullptr;
    selectedNumber_ = item ? item->data(0, Qt::UserRole).toInt() : 0;
    selectedName_ = item ? item->text(1) : QString();
    // A row the user picks makes its screen current.
    if (selectedNumber_)
        controller_.SetCurrentScreen(selectedNumber_);
    emit selectionChanged(row);
}

void CScreenListPane::onActivated(QTreeWidgetItem* item)
{
    if (item)
        controller_.RequestOpenScreen(item->data(0, Qt::UserRole).toInt());
}

void CScreenListPane::onContextMenu(const QPoint& pos)
{
    QTreeWidgetItem* item = list_->itemAt(pos);
    if (item)
        list_->setCurrentItem(item);
    else
        list_->clearSelection();
    const QPoint global = list_->viewport()->mapToGlobal(pos);
    if (item && screenMenu_) {
        screenMenu_->exec(global);
    } else if (!item && newScreen_ && pasteScreen_) {
        QMenu menu(window());
        menu.addAction(newScreen_);
        menu.addAction(pasteScreen_);
        menu.exec(global);
    }
    if (!item)
        SelectByNumber(controller_.CurrentScreen());
}
