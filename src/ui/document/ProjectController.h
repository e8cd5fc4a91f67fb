#pragma once
#include "app/BitmapLibrary.h"
#include "app/LoadedScreenDocuments.h"
#include "app/ScreenCommands.h"

#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <memory>

struct StartProjectChoice;
class CTessanApp;
class CTessanDoc;
class CDeviceInfo;
class IMessageSink;
class CScreenDocument;
namespace TransferOperations {
struct ProjectTransferSteps;
struct RestoreCheck;
}

// The editor's one way to the open project and the one writer of it. Widgets
// ask it to open, save, close and change the project; each change compares
// with what is there, assigns, sets the modified flag and emits what changed,
// and panes and views follow its signals. Widgets read the project through
// const access only; a screen's objects change through its screen document.
// It also holds the current screen: the one the screen commands act on.
class CProjectController : public QObject
{
    Q_OBJECT
public:
    explicit CProjectController(CTessanApp& app, QObject* parent = nullptr);
    ~CProjectController() override;

    // Read-only: every change goes through the controller's edits below.
    const CTessanApp& App() const { return app_; }
    IMessageSink& Messages();

    // A project has been opened or created in this run and not closed.
    bool HasProject() const { return hasProject_; }
    // Set flag, or unsaved edits in a screen document.
    bool IsModified() const;
    QString ProjectName() const;
    QString ProjectLocation() const;
    // "<project>.cgp - #<number> <name>": a screen window's title and the
    // name of its screen file; empty when there is no such screen.
    QString ScreenTitle(int number) const;

    // Opens <location>/<name>.cgp. The package is tried in a scratch folder
    // first: when it cannot be opened, "Error GUI-004 : This file can't open"
    // is shown and the open project stays as it was. The caller asks the
    // save question first (AskToSave).
    bool OpenProject(const QString& location, const QString& name);
    // A new project (the model reset with this identity), with its first
    // screen "Screen 1" unless told otherwise; `protocol` carries the line
    // settings chosen in the start dialog, when any.
    bool NewProject(const QString& name, const QString& location, const QString& hmiType,
                    const QString& plcType, const CDeviceInfo* protocol = nullptr,
                    bool withFirstScreen = true);
    // The Start Project command after its dialog's OK: the save question
    // (Cancel stops), then the package of the choice is opened (mode 1) or
    // a new project is made without screens (modes 0 and 2): the editor then
    // runs New Screen. A package that cannot be opened shows "Error GUI-004 :
    // This file can't open".
    bool StartProject(const StartProjectChoice& choice);
    // A package named on the command line or handed over by a second start
    // of the program: split at its last separator and last "."; an argument
    // that does not split shows "Error GUI-004 : This file can't open".
    // Otherwise it is opened as File > Open does, after the save question.
    bool OpenCommandLineFile(const QString& argument);
    bool SaveProject();
    bool SaveProjectAs(const QString& packagePath);
    // Closes without asking.
    void CloseProject();
    // The program must end without asking (it was told to terminate): the
    // unsaved edits of a project go into the autosave folder of its project
    // folder (never over its saved files), which then stays for the next
    // start to offer for recovery; the package is not touched. True when the
    // folder is to be kept; nothing is shown.
    bool KeepForRecovery();
    // "Project data has been modified, save it?" when the project counts as
    // modified: Yes saves, No goes on, Cancel stops. True when the caller may
    // go on (also when nothing was modified).
    bool AskToSave();

    // The document of a screen, loaded on first use and kept with its edits
    // until the project closes; null when there is no such screen.
    CScreenDocument* ScreenDocument(int number);
    // The document of a screen when it is loaded; never loads one.
    CScreenDocument* LoadedScreenDocument(int number) const;
    // Asks the main window to open (or raise) the editor window of a screen.
    void RequestOpenScreen(int number) { emit openScreenRequested(number); }

    // The current screen: the row chosen in the screen list or the screen
    // whose window became active, whichever came last; a new, pasted or
    // renamed screen becomes current; 0 when there is none.
    int CurrentScreen() const { return currentScreen_; }
    void SetCurrentScreen(int number);

    // The screen commands. New Screen adds the record and its empty screen
    // file; Copy writes the screen's document (or copies its file) to its
    // screen file and to the screen clipboard; Paste makes a new screen of
    // the clipboard (its number, 0 when it failed); Rename moves the record,
    // the file and an open document to the new number and name; Delete
    // removes record, file and document and closes its windows. Each sets
    // the modified flag when it changed something and tells the panes.
    bool NewScreen(int number, const QString& name);
    bool CopyScreen(int number);
    int PasteScreen();
    ScreenCommands::RenameResult RenameScreen(int oldNumber, int newNumber, const QString& name);
    bool DeleteScreen(int number);

    // Tells the windows that the modified state may have changed (a screen
    // document was edited).
    void NotifyModifiedChanged();

    // The project's own bitmaps (the user library). Import copies a file
    // into it and lists it for the package; Delete removes file and entry.
    // Either marks the project modified when it changed something and emits
    // bitmapLibraryChanged, so that previews read the files again.
    QString SystemBitmapFolder(const QString& category) const
    {
        return CBitmapLibrary(app_).SystemFolder(category);
    }
    QString UserBitmapFolder() const { return CBitmapLibrary(app_).UserFolder(); }
    CBitmapLibrary::ImportResult ImportBitmap(const QString& sourcePath);
    bool DeleteBitmap(const QString& fileName);

    // ---- typed edits of the project records ----
    // (each compares with what is there, assigns, sets the modified flag and
    // emits its own signal; nothing when the copy equals the record)
    // Each returns true when the record changed.
    bool SetProjectInfo(const struct ProjectInfo& info);
    // The panel configuration, the communication settings and the device list.
    bool SetPanelManager(const class CPanelManager& panel);
    // The PLC <-> Panel exchange areas (and the option password they carry).
    bool SetPlcAndPanel(const class CPLCAndPanelAlternation& exchange);
    bool SetOptionPassword(const QString& password);
    bool SetAlarms(const class CAlarmObjList& alarms);
    // The previous and next numbers and the five function keys of `options`
    // (what Screen Option hands back) become those of screen `number`; false
    // also when there is no such screen.
    bool SetScreenOptions(int number, const class CScreenObject& options);
    // The Panel Manager's copy with the devices renamed in it (old name ->
    // new name): the references that name a renamed device follow it, in
    // the alarm list, the function keys, PLC <-> Panel and the objects of
    // every screen (an open screen through its document, as one undo step;
    // any other screen's file is rewritten). False when nothing changed; a
    // screen file that cannot be rewritten is reported and keeps its names.
    bool RenameDevices(const class CPanelManager& panel, const QMap<QString, QString>& renames);
    // Where the project uses a device name: one line a use, every screen's
    // objects as they stand included.
    QStringList DeviceUses(const QString& deviceName) const;
    // Where static bitmap objects show the project's bitmap `fileName`.
    QStringList BitmapUses(const QString& fileName) const;

    // ---- compile and transfer ----
    // The Transfer dialog's values: the flag and upload password kept in the
    // project, the port in COMPORT. When either differs from what is stored,
    // both are taken over, the project is marked modified and
    // transferSettingsChanged is emitted; nothing happens when they are equal.
    bool SetTransferSettings(const class CTransferDlgInfo& copy, const QString& port);

    // The core's compilation and transfer operations on the open project.
    // The editor shows the dialogs and the progress: it hands in a follower
    // that connects to the job it is given, starts it and returns once the
    // job has ended.

    // Compiles the project into the runtime image; a completed compilation
    // takes over the image (with the saved state it stands for), the font
    // library and the bitmap data. Its Output lines go out as outputCleared and
    // outputLine, its warnings to the message boxes. `follow` returns true
    // when the job ran to its end and was not stopped; true when it did and
    // the runtime image is not empty.
    bool CompileProject(const std::function<bool(class CCompileJob& job)>& follow);
    // Project Transfer once the project is saved: steps.compile unless the
    // image stands for the project as saved, then steps.choose (the
    // Transfer dialog); the chosen values are kept through
    // SetTransferSettings and the runtime image goes down. The result code,
    // -1 when nothing was sent; the stop flag is 1 afterwards.
    int ProjectTransfer(const TransferOperations::ProjectTransferSteps& steps,
                        class ITransferJobFollower& follower);
    // Panel Information's operations. Each keeps `port` in COMPORT first and
    // shows its result message. Reading fills `info` when the block is valid
    // (`valid` tells); an upload writes the backup file only after it
    // succeeded; a restore sends the backup's own image and leaves the
    // project's image as it is.
    int ReadPanelInformation(const QString& port, ITransferJobFollower& follower,
                             class CPanelInformation* info, bool* valid = nullptr);
    int UploadToBackup(const QString& port, const QString& password, const QString& path,
                       ITransferJobFollower& follower);
    int RestoreBackup(const TransferOperations::RestoreCheck& accepted, const QString& port,
                      const QString& password, ITransferJobFollower& follower);
    // The last port used, kept in COMPORT for the next dialog that asks.
    void RememberPort(const QString& port);
    // The start dialog's "Always display this dialog when starting the
    // application.": StartupStepDlg.
    void SetShowStartDialog(bool always);

    // ---- autosave ----

    // The Output pane.
    void ClearOutput();
    void AppendOutput(const QString& line);

signals:
    void projectOpened();
    void projectClosed();
    void screenListChanged();
    void modifiedChanged(bool modified);
    void outputCleared();
    void outputLine(const QString& line);
    void openScreenRequested(int number);
    // A screen got its document (its objects as the editors change them).
    void screenDocumentCreated(int number, CScreenDocument* document);
    // Emitted before the document goes: a window showing it must close.
    void screenDeleted(int number);
    // The window of the screen `oldNumber` now shows screen `newNumber`.
    void screenRenumbered(int oldNumber, int newNumber);
    void currentScreenChanged(int number);
    // A bitmap of the project was added, replaced or deleted.
    void bitmapLibraryChanged();

    // ---- signals of the typed edits ----
    void projectInfoChanged();
    void panelManagerChanged();
    void plcAndPanelChanged();
    void passwordChanged();
    void alarmsChanged();
    void screenOptionsChanged(int number);

    // ---- signals of the transfer settings ----
    void transferSettingsChanged();

private:
    QString text(const QString& key) const;
    void markModified();
    void screenListChanged_();
    void forgetScreen(int number);
    CTessanDoc* loadedDoc(int number) const;

    CTessanApp& app_;
    CLoadedScreenDocuments screens_;
    // The screen documents of the loaded screens, by their document.
    std::map<const CTessanDoc*, std::unique_ptr<CScreenDocument>> documents_;
    int currentScreen_ = 0;
    bool hasProject_ = false;
    bool lastModified_ = false;
};
