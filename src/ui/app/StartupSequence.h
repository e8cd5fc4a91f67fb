#pragma once
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

class CProjectController;
class CSingleInstance;
class QWidget;

// What the editor does once its main window exists: the file named on the
// command line is opened, or the start dialog shown; and what later starts
// of the program ask for (show the window, open a file) is done.
class CStartupSequence : public QObject
{
    Q_OBJECT
public:
    // The command line is one path: the arguments after the program's name,
    // joined by blanks, made independent of the current folder.
    static QString FileArgument(const QStringList& arguments, const QString& currentDir);

    // Takes the requests of later starts from `instance`, which listens from
    // now on.
    CStartupSequence(CProjectController& controller, CSingleInstance& instance,
                     QObject* parent = nullptr);

    // How a file of the command line or of a later start is opened; by
    // default CProjectController::OpenCommandLineFile (the save question,
    // then the open; GUI-004 when it fails).
    std::function<void(const QString& file)> openFile;
    // How the Start Project command runs; by default StartProjectCommand::Run
    // over the main window.
    std::function<void()> startProject;

    // Called once the main window is shown. Before anything else, folders
    // that an earlier run left behind are offered for recovery
    // (RecoverLeftovers). Then the file waiting is opened (the one a later
    // start handed over meanwhile, else the file argument), or without one,
    // with App/StartupStepDlg = 1, the start dialog comes up; both once the
    // event loop runs. Later starts raise `window`.
    void AfterMainWindow(QWidget* window, const QString& fileArgument);

    // For each project folder that an earlier run left behind, one question:
    // Yes packs it, with its autosaved edits, into <name>-recovered.cgp
    // beside its package and tells where (and which autosaved files were
    // damaged and left out), No deletes it, Cancel keeps it for the next
    // start. Only the first instance calls this, before any project is
    // opened.
    void RecoverLeftovers();

    // Files of later starts wait while a modal dialog is open (and until the
    // start-up's own questions are answered), so no dialog ever hands its
    // copies back to a project that was replaced under it. A later file
    // replaces one still waiting.
    void OpenRequested(const QString& file);

private:
    void raiseWindow();
    void openPending();

    CProjectController& controller_;
    CSingleInstance& instance_;
    QPointer<QWidget> window_;
    // The file to open next; empty when none waits.
    QString pending_;
    // AfterMainWindow has asked its questions: files may open.
    bool started_ = false;
};
