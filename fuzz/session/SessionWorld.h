#pragma once
#include "FuzzBytes.h"
#include "SessionPanel.h"
#include "SessionSink.h"
#include "SessionState.h"

#include <QByteArray>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QTemporaryDir>

#include <map>
#include <memory>

class CProjectController;
class CScreenDocument;
class CTessanApp;
class CTessanView;

// One editing session of the editor's model, made of fuzz bytes: a program
// folder of its own, the application state and its project controller, one
// screen window per screen edited, and a panel on an in-memory line. Each
// step reads an operation from the bytes, runs it the way the editor's
// command runs it, then checks what must hold whatever the user did; a
// broken rule is a finding (the process stops with the rule in words).
class CSessionWorld
{
public:
    static constexpr int kMaxSteps = 64;

    explicit CSessionWorld(CFuzzBytes& in);
    ~CSessionWorld();

    // Runs the next operation and the checks after it; false at the end of
    // the bytes.
    bool Step();

    enum Op {
        NewProject,
        NewScreen,
        CopyScreen,
        PasteScreen,
        RenameScreen,
        DeleteScreen,
        AddObject,
        InsertObject,
        MoveObjects,
        ResizeObject,
        Nudge,
        KeyResize,
        SelectObjects,
        DeleteObjects,
        CutObjects,
        CopyObjects,
        PasteObjects,
        GroupObjects,
        UngroupObjects,
        AlignObjects,
        ZOrder,
        PropertyForm,
        FunctionKeys,
        AlarmList,
        Undo,
        Redo,
        AddDevice,
        RenameDevice,
        DeleteDevice,
        PanelSettings,
        Save,
        SaveAs,
        Close,
        Reopen,
        Compile,
        ProjectTransfer,
        Upload,
        Restore,
        AutoSave,
        KillAndRecover,
        OpCount
    };
    static const char* OpName(int op);
    // How often each operation ran (for the fuzzer's statistics).
    static long long RunCount(int op);

private:
    // The application and its controller: made at the start and again after
    // a simulated kill.
    void startProgram();
    void dropViews();
    CTessanView* view(int number);
    CTessanView* currentView();
    int pickScreen();
    void pickSelection(CTessanView& v);

    void newProject();
    void newScreen();
    void renameScreen();
    void addObject(bool byDrop);
    void dragSelection(bool resize);
    void propertyForm();
    void functionKeys();
    void alarmList();
    void panelManager(int what);
    void save();
    void saveAs();
    void reopen();
    bool compile();
    void projectTransfer();
    void upload();
    void restore();
    void autoSave();
    void killAndRecover();

    // The checks.
    void checkAll(int op);
    void checkModified(const SessionState& now);
    void checkRoundTrip();
    void checkUndoRedo();
    void checkDevices();
    void takeBaseline();
    void afterSave();
    void allowDevicesOf(const QByteArray& screenBytes);
    void allowPastedDevices();
    [[noreturn]] void finding(const QString& what) const;

    CFuzzBytes& in_;
    CSessionSink sink_;
    QTemporaryDir dir_;
    std::unique_ptr<CTessanApp> app_;
    std::unique_ptr<CProjectController> controller_;
    std::map<CScreenDocument*, QPointer<CTessanView>> views_;
    CSessionPanel panel_;
    int steps_ = 0;
    int lastScreen_ = 0;

    // What the package last saved or opened holds (none for a project never
    // saved), and the exception: a Transfer dialog whose port alone changed.
    std::optional<SessionState> baseline_;
    bool portChanged_ = false;
    QString lastPackage_;
    QString backupFile_;
    // Device names that may be missing: kept at a device delete, held by an
    // opened file, or brought by a paste.
    QSet<QString> allowedMissing_;
    // The state at the last autosave with edits (none: the saved state).
    std::optional<SessionState> autosaved_;
    // Screens whose files the editor wrote at once since that autosave
    // (new, pasted, renamed, copied screens): recovery takes them as they are
    // now.
    QSet<int> filesWrittenSince_;
};
