#pragma once
#include <QObject>
#include <QTimer>

class CProjectController;

// Every App/AutoSaveSeconds seconds (60 when the key is missing; 0 turns it
// off) the unsaved edits of the open project go into the autosave folder of
// its project folder: the project document and the modified screens, never
// over the saved files. A crash then loses at most that long of edits: the
// next start recovers the folder with the autosaved files over the saved
// ones. A change of the screen list is autosaved at once. A save empties
// the folder; closing the project removes it.
class CAutoSaveTimer : public QObject
{
    Q_OBJECT
public:
    explicit CAutoSaveTimer(CProjectController& controller, QObject* parent = nullptr);

    // The interval read when the open project was opened (or made); 0 when
    // autosave is off or no project is open.
    int IntervalSeconds() const { return timer_.isActive() ? timer_.interval() / 1000 : 0; }
    bool IsActive() const { return timer_.isActive(); }

    // What each tick does: when the open project has unsaved edits, they
    // go into the autosave folder. False when they could not be written.
    bool SaveNow();

private:
    void projectOpened();
    void projectClosed();
    QString autosaveProjectFolder() const;

    CProjectController& controller_;
    QTimer timer_;
};
