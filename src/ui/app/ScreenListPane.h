#pragma once
#include <QWidget>

class CProjectController;
class QAction;
class QMenu;
class QTreeWidget;
class QTreeWidgetItem;

// Navigation-Screen List: one row per screen of the project (No., Screen
// Name), rebuilt when the controller says the screen list changed. A
// double-click opens the screen's window; a right-click shows the screen
// menu (on a row) or New Screen and Paste Screen (elsewhere).
class CScreenListPane : public QWidget
{
    Q_OBJECT
public:
    CScreenListPane(CProjectController& controller, QWidget* parent = nullptr);

    // The menus of the right-click: the main window's Screen menu of its
    // current menu bar, and the two commands for a click beside the rows.
    void SetContextMenus(QMenu* screenMenu, QAction* newScreen, QAction* pasteScreen);

    void Refresh();
    void SelectByNumber(int number);
    // -1 when no row is selected.
    int SelectedRow() const;
    int SelectedNumber() const { return selectedNumber_; }
    QString SelectedName() const { return selectedName_; }
    QTreeWidget* List() const { return list_; }

signals:
    void selectionChanged(int row);

private:
    void onCurrentChanged();
    void onActivated(QTreeWidgetItem* item);
    void onContextMenu(const QPoint& pos);

    CProjectController& controller_;
    QTreeWidget* list_;
    QMenu* screenMenu_ = nullptr;
    QAction* newScreen_ = nullptr;
    QAction* pasteScreen_ = nullptr;
    int selectedNumber_ = 0;
    QString selectedName_;
};
