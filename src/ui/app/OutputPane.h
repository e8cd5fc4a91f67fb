#pragma once
#include <QWidget>

class CProjectController;
class QListWidget;

// Output: the lines of the last compilation or check, cleared and appended
// through the controller. A double-click on a line that names "[...]" opens
// the Panel Manager (for the word "Title"), the Alarm List, PLC <-> Panel,
// the Screen Option of the named screen (for a function key's device) or
// the named screen's window.
class COutputPane : public QWidget
{
    Q_OBJECT
public:
    COutputPane(CProjectController& controller, QWidget* parent = nullptr);
    QListWidget* List() const { return list_; }
    // What a double-click on this line does (also called by the list).
    void ActivateLine(const QString& line);

signals:
    void panelManagerRequested();
    void alarmSetupRequested();
    void plcAndPanelRequested();
    void screenOptionRequested(int screenNumber);
    // Output was cleared: the pane shows itself if hidden.
    void showRequested();

private:
    CProjectController& controller_;
    QListWidget* list_;
};
